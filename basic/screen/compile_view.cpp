#include "basic/screen/compile_view.h"

#include "basic/screen/compile_text_screen.h"

#include "basic/compiler/compile_expression.h"
#include "basic/compiler/compiler.h"
#include "basic/screen/compile_graphics.h"

void CompileView(Compiler& c) {
  c.Advance();
  if (c.AtStatementEnd()) {
    c.builder.Emit(Op::ViewReset);
    return;
  }
  if (c.CheckKeyword(Keyword::Print)) return CompileViewPrint(c);
  const bool screen = c.MatchKeyword(Keyword::Screen);
  CompileCoordinates(c);
  c.Expect(TokenKind::Minus, "'-' before the second corner");
  CompileCoordinates(c);
  int32_t written = 0;
  if (c.Match(TokenKind::Comma)) {
    written = OptionalArguments(c, 2, 2);
  } else {
    c.builder.EmitNumber(0);
    c.builder.EmitNumber(0);
  }
  c.builder.Emit(Op::View, screen, written);
}

// PMAP(coordinate, n): the two numbers as a point's.
ValueKind CompilePmapFunction(Compiler& c) {
  CompileCoordinates(c);
  c.builder.Emit(Op::Pmap);
  return ValueKind::Single;
}
