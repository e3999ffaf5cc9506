#include "basic/compiler/compile_jumps.h"

#include "basic/compiler/compile_classic.h"
#include "basic/compiler/compile_expression.h"
#include "basic/compiler/compile_traps.h"
#include "basic/compiler/compiler.h"
#include "basic/keys_and_sound/compile_events.h"

void CompileJump(Compiler& c, Op op) {
  const Token& at = c.Peek();
  std::string label = ReadTarget(c);
  AddJump(c, c.builder.Emit(op), at, std::move(label));
}

// A line number or a label name.
std::string ReadTarget(Compiler& c) {
  const Token& token = c.Peek();
  if (token.kind == TokenKind::Number && token.digits_only) {
    c.Advance();
    if (token.number > 65529) c.Fail(token, "line number must be 0 to 65529");
    return std::to_string(static_cast<int32_t>(token.number));
  }
  if (token.kind == TokenKind::Name) return c.Advance().text;
  c.Unexpected("a line number or label");
}

void AddJump(Compiler& c, int32_t position, const Token& at, std::string label) {
  c.jumps.push_back(PendingJump{position, std::move(label), c.current_line, at.column});
}

// The choice is followed by one Jump per target; at run time it lands on
// the n-th of them, or past all of them when n is 0 or past the list. A
// GOSUB returns to the instruction after the list.
void CompileOn(Compiler& c) {
  const Token& on = c.Advance();
  if (c.CheckKeyword(Keyword::Error)) return CompileOnError(c);
  if (CompileOnEvent(c)) return;
  RejectEventTrap(c, on);
  NumberExpression(c);
  Op op;
  if (c.MatchKeyword(Keyword::Goto)) {
    op = Op::OnGoto;
  } else if (c.MatchKeyword(Keyword::Gosub)) {
    op = Op::OnGosub;
  } else {
    c.Unexpected("GOTO or GOSUB");
  }
  const int32_t choice = c.builder.Emit(op);
  int32_t count = 0;
  do {
    CompileJump(c, Op::Jump);
    ++count;
  } while (c.Match(TokenKind::Comma));
  c.code->instructions[static_cast<std::size_t>(choice)].a = count;
}
