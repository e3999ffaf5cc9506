#include "basic/screen/compile_text_screen.h"

#include "basic/compiler/compile_expression.h"
#include "basic/compiler/compiler.h"

// VIEW PRINT alone gives back every row; VIEW's graphics viewport is
// another statement's.
void CompileViewPrint(Compiler& c) {
  c.ExpectKeyword(Keyword::Print);
  if (c.AtStatementEnd()) {
    c.builder.EmitNumber(0);
    c.builder.EmitNumber(0);
    c.builder.Emit(Op::ViewPrint, 0);
    return;
  }
  NumberExpression(c);
  if (!c.MatchKeyword(Keyword::To)) c.Unexpected("TO and the last row");
  NumberExpression(c);
  c.builder.Emit(Op::ViewPrint, 1);
}

ValueKind CompileScreenFunction(Compiler& c) {
  c.Expect(TokenKind::LeftParen, "'(' and the row");
  NumberExpression(c);
  c.Expect(TokenKind::Comma, "',' and the column");
  NumberExpression(c);
  int32_t with_attribute = 0;
  if (c.Match(TokenKind::Comma)) {
    NumberExpression(c);
    with_attribute = 1;
  } else {
    c.builder.EmitNumber(0);
  }
  c.Expect(TokenKind::RightParen, "')'");
  c.builder.Emit(Op::ScreenCell, with_attribute);
  return ValueKind::Integer;
}
