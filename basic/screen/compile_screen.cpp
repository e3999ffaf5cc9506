#include "basic/screen/compile_screen.h"

#include "basic/compiler/compile_expression.h"
#include "basic/compiler/compiler.h"
#include "basic/screen/compile_graphics.h"
#include "basic/screen/compile_sprites.h"

// SCREEN [mode] [, [colour switch] [, [active page] [, visible page]]]:
// without a mode, the pages of the one there is.
void CompileScreen(Compiler& c) {
  c.Advance();
  const int32_t written = OptionalArguments(c, 4, 4);
  if (written == 0) c.Unexpected("a screen mode");
  c.builder.Emit(Op::Screen, written);
}

void CompilePcopy(Compiler& c) {
  c.Advance();
  NumberExpression(c);
  c.Expect(TokenKind::Comma, "',' and the page copied onto");
  NumberExpression(c);
  c.builder.Emit(Op::Pcopy);
}

// COLOR [foreground] [, [background] [, border]]
void CompileColor(Compiler& c) {
  c.Advance();
  const int32_t written = OptionalArguments(c, 3, 3);
  if (written == 0) c.Unexpected("a colour");
  c.builder.Emit(Op::Color, written);
}

// PALETTE [attribute, colour], PALETTE USING array[(subscripts)]
void CompilePalette(Compiler& c) {
  c.Advance();
  if (c.AtStatementEnd()) {
    c.builder.Emit(Op::PaletteReset);
    return;
  }
  if (c.MatchKeyword(Keyword::Using)) {
    int32_t slot, subscripts;
    NumericArrayArgument(c, "PALETTE USING needs", &slot, &subscripts);
    c.builder.Emit(Op::PaletteUsing, slot, subscripts);
    return;
  }
  NumberExpression(c);
  c.Expect(TokenKind::Comma, "',' and the colour");
  NumberExpression(c);
  c.builder.Emit(Op::Palette);
}

// WINDOW [[SCREEN] (x1, y1)-(x2, y2)]
void CompileWindow(Compiler& c) {
  c.Advance();
  if (c.AtStatementEnd()) {
    c.builder.Emit(Op::WindowReset);
    return;
  }
  const bool screen = c.MatchKeyword(Keyword::Screen);
  CompileCoordinates(c);
  c.Expect(TokenKind::Minus, "'-' before the second point");
  CompileCoordinates(c);
  c.builder.Emit(Op::Window, screen ? 1 : 0);
}

