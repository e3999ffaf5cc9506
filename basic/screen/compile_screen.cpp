// SCREEN, COLOR, PALETTE, PAINT, WINDOW, PRESET and POINT. Every argument
// compiles to a number on the stack, an omitted one to 0, and the
// instruction says which were written.
#include "basic/compiler/compiler.h"
#include "basic/screen/screen_statements.h"

void Compiler::EmitScreen(ScreenOp op, int32_t written, int32_t taken, int32_t left) {
  const Instruction in = ScreenInstruction(op, written, taken, left);
  builder_.Emit(in.op, in.a, in.b, in.c);
}

// Up to `count` arguments after the statement's word, each optional,
// separated by commas; the first `kept` go to the executor, an omitted one
// as 0, and the others are evaluated and dropped. Gives the bits of the
// kept ones written.
int32_t Compiler::OptionalArguments(int32_t count, int32_t kept) {
  int32_t written = 0;
  bool more = true;
  for (int32_t i = 0; i < count; ++i) {
    more = more && (i == 0 || Match(TokenKind::Comma));
    const bool given = more && !Check(TokenKind::Comma) && !AtStatementEnd();
    if (given) NumberExpression();
    if (i >= kept) {
      if (given) builder_.Emit(Op::Pop);
      continue;
    }
    if (given) written |= 1 << i;
    else builder_.EmitNumber(0);
  }
  return written;
}

// SCREEN mode [, [colour switch] [, [active page] [, visible page]]]
void Compiler::Screen() {
  Advance();
  NumberExpression();
  const int32_t written = 1 | OptionalArguments(3, 3) << 1;
  EmitScreen(ScreenOp::Screen, written, 4);
}

// COLOR [foreground] [, [background] [, border]]
void Compiler::Color() {
  Advance();
  const int32_t written = OptionalArguments(3, 3);
  if (written == 0) Unexpected("a colour");
  EmitScreen(ScreenOp::Color, written, 3);
}

// PALETTE [attribute, colour]
void Compiler::Palette() {
  Advance();
  if (AtStatementEnd()) {
    EmitScreen(ScreenOp::PaletteReset, 0, 0);
    return;
  }
  NumberExpression();
  Expect(TokenKind::Comma, "',' and the colour");
  NumberExpression();
  EmitScreen(ScreenOp::Palette, 3, 2);
}

// PAINT [STEP] (x, y) [, [paint] [, border]]; bit 4 is STEP.
void Compiler::Paint() {
  Advance();
  const bool step = MatchKeyword(Keyword::Step);
  Point();
  int32_t written = 3;
  if (Match(TokenKind::Comma)) {
    written |= OptionalArguments(2, 2) << 2;
  } else {
    builder_.EmitNumber(0);
    builder_.EmitNumber(0);
  }
  EmitScreen(ScreenOp::Paint, written | (step ? 16 : 0), 4);
}

// WINDOW [[SCREEN] (x1, y1)-(x2, y2)]; bit 4 is SCREEN.
void Compiler::Window() {
  Advance();
  if (AtStatementEnd()) {
    EmitScreen(ScreenOp::WindowReset, 0, 0);
    return;
  }
  const bool screen = MatchKeyword(Keyword::Screen);
  Point();
  Expect(TokenKind::Minus, "'-' before the second point");
  Point();
  EmitScreen(ScreenOp::Window, 15 | (screen ? 16 : 0), 4);
}

// POINT(x, y)
ValueKind Compiler::PointFunction() {
  Point();
  EmitScreen(ScreenOp::Point, 3, 2, 1);
  return ValueKind::Number;
}
