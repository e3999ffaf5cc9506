// The statements of the text screen, the keys and sound. WIDTH and KEY
// are accepted for the classic programs that start with them; this screen
// has no width to choose and no line of function keys to show or hide.
#include "basic/compiler/compiler.h"

// LOCATE [row] [, [column] [, [cursor] [, [start] [, stop]]]]: the
// cursor's shape is not this screen's to change.
void Compiler::Locate() {
  Advance();
  builder_.Emit(Op::Locate, OptionalArguments(5, 2));
}

// WIDTH [columns] [, rows]
void Compiler::Width() {
  Advance();
  OptionalArguments(2, 0);
}

// KEY ON, KEY OFF and KEY LIST show, hide and list the function keys'
// line. KEY(n) ON is an event trap, which this BASIC does not have.
void Compiler::KeyStatement() {
  const Token& key = Advance();
  if (Check(TokenKind::LeftParen)) Fail(key, "KEY(n) is not a statement of this BASIC");
  if (MatchKeyword(Keyword::On) || MatchKeyword(Keyword::List) || MatchWord("OFF")) return;
  Unexpected("ON, OFF or LIST");
}

// SOUND frequency, duration
void Compiler::Sound() {
  Advance();
  NumberExpression();
  Expect(TokenKind::Comma, "','");
  NumberExpression();
  builder_.Emit(Op::Sound);
}

// SLEEP ms, or SLEEP alone: until a key is pressed.
void Compiler::Sleep() {
  Advance();
  if (AtStatementEnd()) {
    builder_.Emit(Op::SleepForKey);
    return;
  }
  NumberExpression();
  builder_.Emit(Op::Sleep);
}
