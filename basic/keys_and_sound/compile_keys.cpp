#include "basic/keys_and_sound/compile_keys.h"

#include "basic/compiler/compile_expression.h"
#include "basic/compiler/compiler.h"
#include "basic/keys_and_sound/compile_events.h"

// KEY ON, KEY OFF and KEY LIST show, hide and list the function keys'
// texts; KEY n, text$ sets one (or, for 15 to 25, a key to trap); KEY(n)
// switches a key's trap.
void CompileKey(Compiler& c) {
  c.Advance();
  if (c.Check(TokenKind::LeftParen)) return CompileKeySwitch(c);
  if (c.MatchKeyword(Keyword::On)) {
    c.builder.Emit(Op::KeyShow, 1);
    return;
  }
  if (c.MatchWord("OFF")) {
    c.builder.Emit(Op::KeyShow, 0);
    return;
  }
  if (c.MatchKeyword(Keyword::List)) {
    c.builder.Emit(Op::KeyList);
    return;
  }
  if (c.AtStatementEnd()) c.Unexpected("ON, OFF, LIST or a key's number");
  NumberExpression(c);
  c.Expect(TokenKind::Comma, "','");
  StringExpression(c);
  c.builder.Emit(Op::KeyDefine);
}

// SLEEP seconds, or SLEEP alone: until a key is pressed.
void CompileSleep(Compiler& c) {
  c.Advance();
  const bool for_key = c.AtStatementEnd();
  if (!for_key) NumberExpression(c);
  c.builder.Emit(for_key ? Op::SleepForKey : Op::Sleep);
}
