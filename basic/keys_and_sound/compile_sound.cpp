#include "basic/keys_and_sound/compile_sound.h"

#include "basic/compiler/compile_expression.h"
#include "basic/compiler/compiler.h"

// SOUND frequency, duration
void CompileSound(Compiler& c) {
  c.Advance();
  NumberExpression(c);
  c.Expect(TokenKind::Comma, "','");
  NumberExpression(c);
  c.builder.Emit(Op::Sound);
}
