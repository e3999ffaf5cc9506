#include "basic/compiler/compile_blocks.h"

#include "basic/compiler/compile_expression.h"
#include "basic/compiler/compile_jumps.h"
#include "basic/compiler/compile_statement.h"
#include "basic/compiler/compiler.h"
#include "basic/procedures/compile_procedures.h"
#include "basic/procedures/compile_shared_names.h"
#include "basic/variables/compile_constants.h"
#include "basic/variables/compile_variables.h"

Block& OpenBlock(Compiler& c, BlockKind kind, const Token& at) {
  Block block;
  block.kind = kind;
  block.line = c.current_line;
  block.column = at.column;
  c.blocks.push_back(std::move(block));
  return c.blocks.back();
}

const char* BlockName(BlockKind kind) {
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

Block& Innermost(Compiler& c, BlockKind kind, const Token& at, const char* message) {
  // A block of a rejected line may have been closed in its unread part.
  while (c.blocks.size() > c.block_floor && c.blocks.back().rejected && c.blocks.back().kind != kind) c.blocks.pop_back();
  if (c.blocks.size() <= c.block_floor) c.Fail(at, message);
  Block& top = c.blocks.back();
  if (top.kind != kind) {
    c.Fail(at, std::string(message) + ": the " + BlockName(top.kind) + " of line " +
                 std::to_string(c.ReportedLine(top.line)) + " is still open");
  }
  return top;
}

namespace {

// The FOR and NEXT instructions of a loop variable's kind.
struct LoopInstructions {
  Op start, next;
};
LoopInstructions LoopOps(ValueKind kind) {
  switch (kind) {
    case ValueKind::Integer: return {Op::ForStartInteger, Op::ForNextInteger};
    case ValueKind::Long: return {Op::ForStartLong, Op::ForNextLong};
    case ValueKind::Single: return {Op::ForStartSingle, Op::ForNextSingle};
    default: return {Op::ForStartDouble, Op::ForNextDouble};
  }
}

// THEN or ELSE of a one-line IF: statements up to ELSE or the end of the
// line, whose blocks must close there too. A line number may come first
// (and after GOTO, a label): the jump taken, the statements after it on the
// line are never reached, as in the classic BASICs, where everything after
// THEN belongs to the IF.
void CompileOneLineBranch(Compiler& c, bool target_first = false) {
  if (target_first || (c.Check(TokenKind::Number) && c.Peek().digits_only)) {
    const Token& at = c.Peek();
    AddJump(c, c.builder.Emit(Op::Jump), at, ReadTarget(c));
    if (!c.AtStatementEnd()) c.Unexpected("':' or end of line");
  }
  Compiler::NestingGuard guard(c);
  const std::size_t outer_floor = c.block_floor;
  const std::size_t depth = c.blocks.size();
  c.block_floor = depth;
  CompileStatementList(c, true);
  c.block_floor = outer_floor;
  if (c.blocks.size() != depth) {
    const Block open = c.blocks.back();
    c.blocks.resize(depth);
    c.Fail(c.Peek(), std::string(BlockName(open.kind)) + " opened in a one-line IF must close on the same line");
  }
}

// A NEXT naming another loop than one of a rejected line: that loop's own
// NEXT was in the part of its line never read.
void DropRejectedLoops(Compiler& c, const std::string& name) {
  while (c.blocks.size() > c.block_floor && c.blocks.back().rejected && c.blocks.back().kind == BlockKind::For &&
         c.blocks.back().name != name) {
    c.blocks.pop_back();
  }
}

}  // namespace

void CompileIf(Compiler& c) {
  const Token& at = c.Advance();
  NumberExpression(c);
  const bool goto_form = c.MatchKeyword(Keyword::Goto);
  if (!goto_form) c.ExpectKeyword(Keyword::Then);
  const bool target_first = goto_form || (c.Check(TokenKind::Number) && c.Peek().digits_only);
  const Token& after = c.Peek(1);
  if (target_first && (after.kind == TokenKind::EndOfLine ||
                       (after.kind == TokenKind::Keyword && after.keyword == Keyword::Rem))) {
    // The target alone on the rest of the line: one conditional jump.
    const Token& target = c.Peek();
    AddJump(c, c.builder.Emit(Op::JumpIfTrue), target, ReadTarget(c));
    return;
  }
  if (!goto_form && (c.Check(TokenKind::EndOfLine) || c.CheckKeyword(Keyword::Rem))) {
    const int32_t pending = c.builder.Emit(Op::JumpIfFalse);
    OpenBlock(c, BlockKind::If, at).pending = pending;
    return;
  }
  const int32_t skip = c.builder.Emit(Op::JumpIfFalse);
  CompileOneLineBranch(c, goto_form);
  if (c.MatchKeyword(Keyword::Else)) {
    const int32_t end = c.builder.Emit(Op::Jump);
    c.builder.PatchJump(skip, c.builder.Here());
    CompileOneLineBranch(c);
    c.builder.PatchJump(end, c.builder.Here());
  } else {
    c.builder.PatchJump(skip, c.builder.Here());
  }
}

void CompileElseIf(Compiler& c) {
  const Token& at = c.Advance();
  Block& block = Innermost(c, BlockKind::If, at, "ELSEIF without IF");
  if (block.seen_else) c.Fail(at, "ELSEIF after ELSE");
  block.exits.push_back(c.builder.Emit(Op::Jump));
  c.builder.PatchJump(block.pending, c.builder.Here());
  NumberExpression(c);
  c.ExpectKeyword(Keyword::Then);
  block.pending = c.builder.Emit(Op::JumpIfFalse);
}

void CompileElse(Compiler& c) {
  const Token& at = c.Advance();
  Block& block = Innermost(c, BlockKind::If, at, "ELSE without IF");
  if (block.seen_else) c.Fail(at, "a second ELSE in one IF");
  block.exits.push_back(c.builder.Emit(Op::Jump));
  c.builder.PatchJump(block.pending, c.builder.Here());
  block.pending = -1;
  block.seen_else = true;
}

void CompileEndIf(Compiler& c) {
  const Token& at = c.Advance();
  c.ExpectKeyword(Keyword::If);
  Block& block = Innermost(c, BlockKind::If, at, "END IF without IF");
  if (block.pending >= 0) c.builder.PatchJump(block.pending, c.builder.Here());
  for (int32_t exit : block.exits) c.builder.PatchJump(exit, c.builder.Here());
  c.blocks.pop_back();
}

void CompileFor(Compiler& c) {
  const Token& at = c.Advance();
  const Token& name = c.Expect(TokenKind::Name, "the loop's variable");
  if (ConstantNamed(c, name)) c.Fail(name, name.text + " is a constant");
  ValueKind kind;
  const std::string canonical = DeclaredName(c, VariableName(c, name, false, &kind));
  kind = KindOfName(canonical);
  if (kind == ValueKind::String) c.Fail(name, "FOR needs a numeric variable");
  if (c.Check(TokenKind::LeftParen)) c.Fail(c.Peek(), "FOR needs a simple variable, not an array element");
  const int32_t slot = c.variables->NumberSlot(canonical);
  c.Expect(TokenKind::Equal, "'='");
  NumberExpression(c);
  c.ExpectKeyword(Keyword::To);
  NumberExpression(c);
  if (c.MatchKeyword(Keyword::Step)) {
    NumberExpression(c);
  } else {
    c.builder.EmitNumber(1);
  }
  const int32_t start = c.builder.Emit(LoopOps(kind).start, slot, c.builder.NewLoop());
  Block& block = OpenBlock(c, BlockKind::For, at);
  block.variable = slot;
  block.variable_kind = kind;
  block.name = canonical;
  block.start = start;
}

void CompileNext(Compiler& c) {
  const Token& at = c.Advance();
  const auto close = [&c](const Token& where, const Token* name) {
    if (name) DropRejectedLoops(c, CanonicalName(name->text));
    const Block block = Innermost(c, BlockKind::For, where, "NEXT without FOR");
    ValueKind kind;
    if (name && VariableName(c, *name, false, &kind) != block.name) {
      c.blocks.pop_back();  // closed all the same, so that one mistake makes one error
      c.Fail(*name, "NEXT " + name->text + " does not match FOR " + block.name);
    }
    const int32_t loop = c.code->instructions[static_cast<std::size_t>(block.start)].b;
    c.builder.Emit(LoopOps(block.variable_kind).next, block.variable, loop, block.start + 1);
    c.builder.PatchJump(block.start, c.builder.Here());
    for (int32_t exit : block.exits) c.builder.PatchJump(exit, c.builder.Here());
    c.blocks.pop_back();
  };
  if (c.AtStatementEnd()) return close(at, nullptr);
  do {
    const Token& name = c.Expect(TokenKind::Name, "the loop's variable");
    close(name, &name);
  } while (c.Match(TokenKind::Comma));
}

void CompileWhile(Compiler& c) {
  const Token& at = c.Advance();
  const int32_t top = c.builder.Here();
  NumberExpression(c);
  const int32_t pending = c.builder.Emit(Op::JumpIfFalse);
  Block& block = OpenBlock(c, BlockKind::While, at);
  block.start = top;
  block.pending = pending;
}

void CompileWend(Compiler& c) {
  const Token& at = c.Advance();
  const Block block = Innermost(c, BlockKind::While, at, "WEND without WHILE");
  c.builder.Emit(Op::Jump, block.start);
  c.builder.PatchJump(block.pending, c.builder.Here());
  for (int32_t exit : block.exits) c.builder.PatchJump(exit, c.builder.Here());
  c.blocks.pop_back();
}

void CompileDo(Compiler& c) {
  const Token& at = c.Advance();
  const int32_t top = c.builder.Here();
  int32_t pending = -1;
  if (c.MatchKeyword(Keyword::While)) {
    NumberExpression(c);
    pending = c.builder.Emit(Op::JumpIfFalse);
  } else if (c.MatchKeyword(Keyword::Until)) {
    NumberExpression(c);
    pending = c.builder.Emit(Op::JumpIfTrue);
  }
  Block& block = OpenBlock(c, BlockKind::Do, at);
  block.start = top;
  block.pending = pending;
}

void CompileLoop(Compiler& c) {
  const Token& at = c.Advance();
  const Block block = Innermost(c, BlockKind::Do, at, "LOOP without DO");
  if (c.MatchKeyword(Keyword::While)) {
    NumberExpression(c);
    c.builder.Emit(Op::JumpIfTrue, block.start);
  } else if (c.MatchKeyword(Keyword::Until)) {
    NumberExpression(c);
    c.builder.Emit(Op::JumpIfFalse, block.start);
  } else {
    c.builder.Emit(Op::Jump, block.start);
  }
  if (block.pending >= 0) c.builder.PatchJump(block.pending, c.builder.Here());
  for (int32_t exit : block.exits) c.builder.PatchJump(exit, c.builder.Here());
  c.blocks.pop_back();
}

void CompileExit(Compiler& c) {
  const Token& at = c.Advance();
  BlockKind kind;
  if (c.MatchKeyword(Keyword::For)) {
    kind = BlockKind::For;
  } else if (c.MatchKeyword(Keyword::Do)) {
    kind = BlockKind::Do;
  } else if (c.CheckKeyword(Keyword::Sub) || c.CheckKeyword(Keyword::Function) || c.CheckKeyword(Keyword::Def)) {
    return CompileExitProcedure(c, at);
  } else {
    c.Unexpected("FOR, DO, SUB, FUNCTION or DEF");
  }
  for (auto block = c.blocks.rbegin(); block != c.blocks.rend(); ++block) {
    if (block->kind != kind) continue;
    block->exits.push_back(c.builder.Emit(Op::Jump));
    return;
  }
  c.Fail(at, std::string("EXIT ") + BlockName(kind) + " outside a " + BlockName(kind) + " loop");
}
