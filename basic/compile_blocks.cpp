// Blocks: IF (one-line and block form), FOR/NEXT, WHILE/WEND, DO/LOOP,
// EXIT. Open blocks wait on a stack; each closer must meet the block it
// closes on top, so blocks nest properly, and whatever is still open at the
// end of the text is an error.
#include "basic/compiler.h"

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
  if (MatchKeyword(Keyword::Goto)) {
    const Token& target = Peek();
    AddJump(builder_.Emit(Op::JumpIfTrue), target, Target());
    if (!MatchKeyword(Keyword::Else)) return;
    OneLineBranch();
    return;
  }
  ExpectKeyword(Keyword::Then);
  if (Check(TokenKind::EndOfLine) || CheckKeyword(Keyword::Rem)) {
    const int32_t pending = builder_.Emit(Op::JumpIfFalse);
    OpenBlock(BlockKind::If, at).pending = pending;
    return;
  }
  const int32_t skip = builder_.Emit(Op::JumpIfFalse);
  OneLineBranch();
  if (MatchKeyword(Keyword::Else)) {
    const int32_t end = builder_.Emit(Op::Jump);
    builder_.PatchJump(skip, builder_.Here());
    OneLineBranch();
    builder_.PatchJump(end, builder_.Here());
  } else {
    builder_.PatchJump(skip, builder_.Here());
  }
}

// THEN or ELSE of a one-line IF: a line number to jump to, or statements
// up to ELSE or the end of the line, whose blocks must close there too.
void Compiler::OneLineBranch() {
  if (Check(TokenKind::Number) && Peek().digits_only) {
    const Token& at = Peek();
    AddJump(builder_.Emit(Op::Jump), at, Target());
    return;
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
  const std::string canonical = Declared(CanonicalName(name.text));
  const ValueKind kind = KindOfName(canonical);
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
  const bool integer = kind == ValueKind::Integer;
  const int32_t start = builder_.Emit(integer ? Op::ForStartInteger : Op::ForStart, slot, builder_.NewLoop());
  Block& block = OpenBlock(BlockKind::For, at);
  block.variable = slot;
  block.integer = integer;
  block.name = canonical;
  block.start = start;
}

void Compiler::Next() {
  const Token& at = Advance();
  const auto close = [this](const Token& where, const Token* name) {
    const Block block = Innermost(BlockKind::For, where, "NEXT without FOR");
    if (name && CanonicalName(name->text) != block.name) {
      blocks_.pop_back();  // closed all the same, so that one mistake makes one error
      Fail(*name, "NEXT " + name->text + " does not match FOR " + block.name);
    }
    const int32_t loop = code_->instructions[static_cast<std::size_t>(block.start)].b;
    builder_.Emit(block.integer ? Op::ForNextInteger : Op::ForNext, block.variable, loop, block.start + 1);
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
