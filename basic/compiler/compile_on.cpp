// ON n GOTO and ON n GOSUB: a choice among targets by number.
#include "basic/compiler/compiler.h"

// The choice is followed by one Jump per target; at run time it lands on
// the n-th of them, or past all of them when n is 0 or past the list. A
// GOSUB returns to the instruction after the list.
void Compiler::On() {
  const Token& on = Advance();
  RejectEventTrap(on);
  NumberExpression();
  Op op;
  if (MatchKeyword(Keyword::Goto)) {
    op = Op::OnGoto;
  } else if (MatchKeyword(Keyword::Gosub)) {
    op = Op::OnGosub;
  } else {
    Unexpected("GOTO or GOSUB");
  }
  const int32_t choice = builder_.Emit(op);
  int32_t count = 0;
  do {
    JumpStatement(Op::Jump);
    ++count;
  } while (Match(TokenKind::Comma));
  code_->instructions[static_cast<std::size_t>(choice)].a = count;
}
