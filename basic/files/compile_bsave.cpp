#include "basic/files/compile_bsave.h"

#include "basic/compiler/compile_expression.h"
#include "basic/compiler/compiler.h"

void CompileBsave(Compiler& c) {
  c.Advance();
  StringExpression(c);
  c.Expect(TokenKind::Comma, "',' and the offset");
  NumberExpression(c);
  c.Expect(TokenKind::Comma, "',' and the length");
  NumberExpression(c);
  c.builder.Emit(Op::Bsave);
}

void CompileBload(Compiler& c) {
  c.Advance();
  StringExpression(c);
  const bool offset = c.Match(TokenKind::Comma);
  if (offset) NumberExpression(c);
  c.builder.Emit(Op::Bload, offset);
}
