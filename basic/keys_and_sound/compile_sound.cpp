#include "basic/keys_and_sound/compile_sound.h"

#include "basic/compiler/compile_expression.h"
#include "basic/compiler/compiler.h"

// SOUND frequency, duration. SOUND ON and SOUND OFF, which turned the
// advanced BASIC's sound chip on and off, are accepted and do nothing.
void CompileSound(Compiler& c) {
  c.Advance();
  if (c.MatchKeyword(Keyword::On) || c.MatchWord("OFF")) return;
  NumberExpression(c);
  c.Expect(TokenKind::Comma, "','");
  NumberExpression(c);
  c.builder.Emit(Op::Sound);
}

void CompilePlay(Compiler& c) {
  c.Advance();
  StringExpression(c);
  c.builder.Emit(Op::Play);
}

// PLAY(n): n is read and ignored, as the classic BASICs did.
ValueKind CompilePlayFunction(Compiler& c) {
  c.Expect(TokenKind::LeftParen, "'('");
  NumberExpression(c);
  c.Expect(TokenKind::RightParen, "')'");
  c.builder.Emit(Op::PlayQueued);
  return ValueKind::Integer;
}
