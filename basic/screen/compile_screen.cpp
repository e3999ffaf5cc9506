#include "basic/screen/compile_screen.h"

#include "basic/compiler/compile_expression.h"
#include "basic/compiler/compiler.h"
#include "basic/screen/compile_graphics.h"

void EmitScreen(Compiler& c, ScreenOp op, int32_t written, int32_t taken, int32_t left) {
  const Instruction in = ScreenInstruction(op, written, taken, left);
  c.builder.Emit(in.op, in.a, in.b, in.c);
}

// SCREEN mode [, [colour switch] [, [active page] [, visible page]]]
void CompileScreen(Compiler& c) {
  c.Advance();
  NumberExpression(c);
  const int32_t written = 1 | OptionalArguments(c, 3, 3) << 1;
  EmitScreen(c, ScreenOp::Screen, written, 4);
}

// COLOR [foreground] [, [background] [, border]]
void CompileColor(Compiler& c) {
  c.Advance();
  const int32_t written = OptionalArguments(c, 3, 3);
  if (written == 0) c.Unexpected("a colour");
  EmitScreen(c, ScreenOp::Color, written, 3);
}

// PALETTE [attribute, colour]
void CompilePalette(Compiler& c) {
  c.Advance();
  if (c.AtStatementEnd()) {
    EmitScreen(c, ScreenOp::PaletteReset, 0, 0);
    return;
  }
  NumberExpression(c);
  c.Expect(TokenKind::Comma, "',' and the colour");
  NumberExpression(c);
  EmitScreen(c, ScreenOp::Palette, 3, 2);
}

// WINDOW [[SCREEN] (x1, y1)-(x2, y2)]; bit 4 is SCREEN.
void CompileWindow(Compiler& c) {
  c.Advance();
  if (c.AtStatementEnd()) {
    EmitScreen(c, ScreenOp::WindowReset, 0, 0);
    return;
  }
  const bool screen = c.MatchKeyword(Keyword::Screen);
  CompileCoordinates(c);
  c.Expect(TokenKind::Minus, "'-' before the second point");
  CompileCoordinates(c);
  EmitScreen(c, ScreenOp::Window, 15 | (screen ? 16 : 0), 4);
}

