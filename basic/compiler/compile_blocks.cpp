// Blocks: IF (one-line and block form), FOR/NEXT, WHILE/WEND, DO/LOOP,
// EXIT. Open blocks wait on a stack; each closer must meet the block it
// closes on top, so blocks nest properly, and whatever is still open at the
// end of the text is an error.
#include "basic/compiler/compiler.h"

Block& Compiler::OpenBlock(BlockKind kind, const Token& at) {
  Block block;
  block.kind = kind;
  block.line = line_;
  block.column = at.column;
  blocks_.push_back(std::move(block));
  return blocks_.back();
}

static const char* BlockName(BlockKind kind) {
  switch (kind) {
    case BlockKind::For: return "FOR";
    case BlockKind::While: return "WHILE";
    case BlockKind::Do: return "DO";
    case BlockKind::If: return "IF";
    case BlockKind::Sub: return "SUB";
    case BlockKind::Function: return "FUNCTION";
    case BlockKind::Def: return "DEF FN";
    case BlockKind::Select: return "SELECT CASE";
  }
  return "";
}

// The block a closer closes: the innermost, which must be of its kind and
// must not have been opened before the one-line IF being compiled.
Block& Compiler::Innermost(BlockKind kind, const Token& at, const char* message) {
  // A block of a rejected line may have been closed in its unread part.
  while (blocks_.size() > block_floor_ && blocks_.back().rejected && blocks_.back().kind != kind) blocks_.pop_back();
  if (blocks_.size() <= block_floor_) Fail(at, message);
  Block& top = blocks_.back();
  if (top.kind != kind) {
    Fail(at, std::string(message) + ": the " + BlockName(top.kind) + " of line " +
                 std::to_string(ReportedLine(top.line)) + " is still open");
  }
  return top;
}

void Compiler::If() {
  const Token& at = Advance();
  NumberExpression();
  const bool goto_form = MatchKeyword(Keyword::Goto);
  if (!goto_form) ExpectKeyword(Keyword::Then);
  const bool target_first = goto_form || (Check(TokenKind::Number) && Peek().digits_only);
  const Token& after = Peek(1);
  if (target_first && (after.kind == TokenKind::EndOfLine ||
                       (after.kind == TokenKind::Keyword && after.keyword == Keyword::Rem))) {
    // The target alone on the rest of the line: one conditional jump.
    const Token& target = Peek();
    AddJump(builder_.Emit(Op::JumpIfTrue), target, Target());
    return;
  }
  if (!goto_form && (Check(TokenKind::EndOfLine) || CheckKeyword(Keyword::Rem))) {
    const int32_t pending = builder_.Emit(Op::JumpIfFalse);
    OpenBlock(BlockKind::If, at).pending = pending;
    return;
  }
  const int32_t skip = builder_.Emit(Op::JumpIfFalse);
  OneLineBranch(goto_form);
  if (MatchKeyword(Keyword::Else)) {
    const int32_t end = builder_.Emit(Op::Jump);
    builder_.PatchJump(skip, builder_.Here());
    OneLineBranch();
    builder_.PatchJump(end, builder_.Here());
  } else {
    builder_.PatchJump(skip, builder_.Here());
  }
}

// THEN or ELSE of a one-line IF: statements up to ELSE or the end of the
// line, whose blocks must close there too. A line number may come first
// (and after GOTO, a label): the jump taken, the statements after it on the
// line are never reached, as in the classic BASICs, where everything after
// THEN belongs to the IF.
void Compiler::OneLineBranch(bool target_first) {
  if (target_first || (Check(TokenKind::Number) && Peek().digits_only)) {
    const Token& at = Peek();
    AddJump(builder_.Emit(Op::Jump), at, Target());
    if (!AtStatementEnd()) Unexpected("':' or end of line");
  }
  NestingGuard guard(this);
  const std::size_t outer_floor = block_floor_;
  const std::size_t depth = blocks_.size();
  block_floor_ = depth;
  StatementList(true);
  block_floor_ = outer_floor;
  if (blocks_.size() != depth) {
    const Block open = blocks_.back();
    blocks_.resize(depth);
    Fail(Peek(), std::string(BlockName(open.kind)) + " opened in a one-line IF must close on the same line");
  }
}

void Compiler::ElseIf() {
  const Token& at = Advance();
  Block& block = Innermost(BlockKind::If, at, "ELSEIF without IF");
  if (block.seen_else) Fail(at, "ELSEIF after ELSE");
  block.exits.push_back(builder_.Emit(Op::Jump));
  builder_.PatchJump(block.pending, builder_.Here());
  NumberExpression();
  ExpectKeyword(Keyword::Then);
  block.pending = builder_.Emit(Op::JumpIfFalse);
}

void Compiler::Else() {
  const Token& at = Advance();
  Block& block = Innermost(BlockKind::If, at, "ELSE without IF");
  if (block.seen_else) Fail(at, "a second ELSE in one IF");
  block.exits.push_back(builder_.Emit(Op::Jump));
  builder_.PatchJump(block.pending, builder_.Here());
  block.pending = -1;
  block.seen_else = true;
}

void Compiler::EndIf() {
  const Token& at = Advance();
  ExpectKeyword(Keyword::If);
  Block& block = Innermost(BlockKind::If, at, "END IF without IF");
  if (block.pending >= 0) builder_.PatchJump(block.pending, builder_.Here());
  for (int32_t exit : block.exits) builder_.PatchJump(exit, builder_.Here());
  blocks_.pop_back();
}

void Compiler::For() {
  const Token& at = Advance();
  const Token& name = Expect(TokenKind::Name, "the loop's variable");
  if (Constant(name)) Fail(name, name.text + " is a constant");
  ValueKind kind;
  const std::string canonical = Declared(VariableName(name, false, &kind));
  kind = KindOfName(canonical);
  if (kind == ValueKind::String) Fail(name, "FOR needs a numeric variable");
  if (Check(TokenKind::LeftParen)) Fail(Peek(), "FOR needs a simple variable, not an array element");
  const int32_t slot = variables_->NumberSlot(canonical);
  Expect(TokenKind::Equal, "'='");
  NumberExpression();
  ExpectKeyword(Keyword::To);
  NumberExpression();
  if (MatchKeyword(Keyword::Step)) {
    NumberExpression();
  } else {
    builder_.EmitNumber(1);
  }
  const Op start_op = kind == ValueKind::Integer ? Op::ForStartInteger
                      : kind == ValueKind::Long  ? Op::ForStartLong
                                                 : Op::ForStart;
  const int32_t start = builder_.Emit(start_op, slot, builder_.NewLoop());
  Block& block = OpenBlock(BlockKind::For, at);
  block.variable = slot;
  block.variable_kind = kind;
  block.name = canonical;
  block.start = start;
}

void Compiler::Next() {
  const Token& at = Advance();
  const auto close = [this](const Token& where, const Token* name) {
    if (name) DropRejectedLoops(CanonicalName(name->text));
    const Block block = Innermost(BlockKind::For, where, "NEXT without FOR");
    ValueKind kind;
    if (name && VariableName(*name, false, &kind) != block.name) {
      blocks_.pop_back();  // closed all the same, so that one mistake makes one error
      Fail(*name, "NEXT " + name->text + " does not match FOR " + block.name);
    }
    const int32_t loop = code_->instructions[static_cast<std::size_t>(block.start)].b;
    const Op next_op = block.variable_kind == ValueKind::Integer ? Op::ForNextInteger
                       : block.variable_kind == ValueKind::Long  ? Op::ForNextLong
                                                        : Op::ForNext;
    builder_.Emit(next_op, block.variable, loop, block.start + 1);
    builder_.PatchJump(block.start, builder_.Here());
    for (int32_t exit : block.exits) builder_.PatchJump(exit, builder_.Here());
    blocks_.pop_back();
  };
  if (AtStatementEnd()) return close(at, nullptr);
  do {
    const Token& name = Expect(TokenKind::Name, "the loop's variable");
    close(name, &name);
  } while (Match(TokenKind::Comma));
}

// A NEXT naming another loop than one of a rejected line: that loop's own
// NEXT was in the part of its line never read.
void Compiler::DropRejectedLoops(const std::string& name) {
  while (blocks_.size() > block_floor_ && blocks_.back().rejected && blocks_.back().kind == BlockKind::For &&
         blocks_.back().name != name) {
    blocks_.pop_back();
  }
}

void Compiler::While() {
  const Token& at = Advance();
  const int32_t top = builder_.Here();
  NumberExpression();
  const int32_t pending = builder_.Emit(Op::JumpIfFalse);
  Block& block = OpenBlock(BlockKind::While, at);
  block.start = top;
  block.pending = pending;
}

void Compiler::Wend() {
  const Token& at = Advance();
  const Block block = Innermost(BlockKind::While, at, "WEND without WHILE");
  builder_.Emit(Op::Jump, block.start);
  builder_.PatchJump(block.pending, builder_.Here());
  for (int32_t exit : block.exits) builder_.PatchJump(exit, builder_.Here());
  blocks_.pop_back();
}

void Compiler::Do() {
  const Token& at = Advance();
  const int32_t top = builder_.Here();
  int32_t pending = -1;
  if (MatchKeyword(Keyword::While)) {
    NumberExpression();
    pending = builder_.Emit(Op::JumpIfFalse);
  } else if (MatchKeyword(Keyword::Until)) {
    NumberExpression();
    pending = builder_.Emit(Op::JumpIfTrue);
  }
  Block& block = OpenBlock(BlockKind::Do, at);
  block.start = top;
  block.pending = pending;
}

void Compiler::Loop() {
  const Token& at = Advance();
  const Block block = Innermost(BlockKind::Do, at, "LOOP without DO");
  if (MatchKeyword(Keyword::While)) {
    NumberExpression();
    builder_.Emit(Op::JumpIfTrue, block.start);
  } else if (MatchKeyword(Keyword::Until)) {
    NumberExpression();
    builder_.Emit(Op::JumpIfFalse, block.start);
  } else {
    builder_.Emit(Op::Jump, block.start);
  }
  if (block.pending >= 0) builder_.PatchJump(block.pending, builder_.Here());
  for (int32_t exit : block.exits) builder_.PatchJump(exit, builder_.Here());
  blocks_.pop_back();
}

void Compiler::Exit() {
  const Token& at = Advance();
  BlockKind kind;
  if (MatchKeyword(Keyword::For)) {
    kind = BlockKind::For;
  } else if (MatchKeyword(Keyword::Do)) {
    kind = BlockKind::Do;
  } else if (CheckKeyword(Keyword::Sub) || CheckKeyword(Keyword::Function) || CheckKeyword(Keyword::Def)) {
    return ExitProcedure(at);
  } else {
    Unexpected("FOR, DO, SUB, FUNCTION or DEF");
  }
  for (auto block = blocks_.rbegin(); block != blocks_.rend(); ++block) {
    if (block->kind != kind) continue;
    block->exits.push_back(builder_.Emit(Op::Jump));
    return;
  }
  Fail(at, std::string("EXIT ") + BlockName(kind) + " outside a " + BlockName(kind) + " loop");
}
