#include "basic/keys_and_sound/compile_keys.h"

#include "basic/compiler/compile_expression.h"
#include "basic/compiler/compiler.h"

// KEY ON, KEY OFF and KEY LIST show, hide and list the function keys'
// line. KEY(n) ON is an event trap, which this BASIC does not have.
void CompileKey(Compiler& c) {
  const Token& key = c.Advance();
  if (c.Check(TokenKind::LeftParen)) c.Fail(key, "KEY(n) is not a statement of this BASIC");
  if (c.MatchKeyword(Keyword::On) || c.MatchKeyword(Keyword::List) || c.MatchWord("OFF")) return;
  c.Unexpected("ON, OFF or LIST");
}

// SLEEP seconds, or SLEEP alone: until a key is pressed.
void CompileSleep(Compiler& c) {
  c.Advance();
  const bool for_key = c.AtStatementEnd();
  if (!for_key) NumberExpression(c);
  c.builder.Emit(for_key ? Op::SleepForKey : Op::Sleep);
}
