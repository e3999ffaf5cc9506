// The statements of the text screen, the keys and sound. WIDTH and KEY
// are accepted for the classic programs that start with them; this screen
// has no width to choose and no line of function keys to show or hide.
#include "basic/compiler.h"

// Up to `most` arguments, each of which may be left out ("LOCATE , 5").
// The first `kept` go to the executor, a bit in *given for each one
// written; the others are evaluated and dropped.
void Compiler::OptionalArguments(int32_t most, int32_t kept, int32_t* given) {
  *given = 0;
  for (int32_t place = 0; place < most; ++place) {
    if (place > 0 && !Match(TokenKind::Comma)) return;
    if (Check(TokenKind::Comma) || AtStatementEnd()) continue;
    NumberExpression();
    if (place < kept) {
      *given |= 1 << place;
    } else {
      builder_.Emit(Op::Pop);
    }
  }
}

// LOCATE [row] [, [column] [, [cursor] [, [start] [, stop]]]]: the
// cursor's shape is not this screen's to change.
void Compiler::Locate() {
  Advance();
  int32_t given = 0;
  OptionalArguments(5, 2, &given);
  builder_.Emit(Op::Locate, given);
}

// WIDTH [columns] [, rows]
void Compiler::Width() {
  Advance();
  int32_t given = 0;
  OptionalArguments(2, 0, &given);
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
