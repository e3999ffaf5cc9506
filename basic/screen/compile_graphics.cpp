#include "basic/screen/compile_graphics.h"

#include "basic/compiler/compile_expression.h"
#include "basic/compiler/compiler.h"
#include "basic/screen/figure_flags.h"
#include "runtime/graphics/graphics.h"

namespace {

// The argument, or its default when it is left out.
void OptionalNumber(Compiler& c, double default_value) {
  if (c.Check(TokenKind::Comma) || c.AtStatementEnd()) {
    c.builder.EmitNumber(default_value);
  } else {
    NumberExpression(c);
  }
}

}  // namespace

void CompileCoordinates(Compiler& c) {
  c.Expect(TokenKind::LeftParen, "'('");
  NumberExpression(c);
  c.Expect(TokenKind::Comma, "','");
  NumberExpression(c);
  c.Expect(TokenKind::RightParen, "')'");
}

void CompileCls(Compiler& c) {
  c.Advance();
  if (c.AtStatementEnd()) {
    c.builder.EmitNumber(3);
  } else {
    NumberExpression(c);
  }
  c.builder.Emit(Op::Cls);
}

// LINE [(x1, y1)]-[STEP](x2, y2) [, [colour] [, [B | BF] [, fill]]]
void CompileLine(Compiler& c) {
  c.Advance();
  if (c.Check(TokenKind::LeftParen)) {
    CompileCoordinates(c);
  } else {
    c.builder.EmitNumber(OmittedCoordinate);
    c.builder.EmitNumber(OmittedCoordinate);
  }
  c.Expect(TokenKind::Minus, "'-' before the second point");
  const bool step = c.MatchKeyword(Keyword::Step);
  CompileCoordinates(c);
  int32_t box = 0;
  bool fill = false;
  bool colour_omitted = true;
  if (c.Match(TokenKind::Comma)) {
    colour_omitted = c.Check(TokenKind::Comma) || c.AtStatementEnd();
    OptionalNumber(c, 7);
    if (c.Match(TokenKind::Comma)) {
      if (c.Check(TokenKind::Name) && (c.Peek().text == "B" || c.Peek().text == "BF")) {
        box = c.Advance().text == "B" ? 1 : 2;
      } else if (!c.Check(TokenKind::Comma) && !c.AtStatementEnd()) {
        c.Unexpected("B or BF");
      }
      if (c.Match(TokenKind::Comma) && !c.AtStatementEnd()) {
        NumberExpression(c);
        fill = true;
      }
    }
  } else {
    c.builder.EmitNumber(7);
  }
  c.builder.Emit(Op::Line, step, box | (colour_omitted ? LineColourOmitted : 0), fill ? 0 : 1);
}

// CIRCLE [STEP] (x, y), r [, [colour] [, [start] [, [end] [, [aspect] [, [F] [, fill]]]]]]
void CompileCircle(Compiler& c) {
  c.Advance();
  const bool step = c.MatchKeyword(Keyword::Step);
  CompileCoordinates(c);
  c.Expect(TokenKind::Comma, "',' and the radius");
  NumberExpression(c);
  bool more = true;
  int32_t omitted = step ? CircleStep : 0;
  const int32_t omitted_flags[] = {CircleColourOmitted, 0, 0, CircleAspectOmitted};
  int32_t argument = 0;
  for (const double default_value : {7.0, 0.0, 0.0, 1.0}) {
    more = more && c.Match(TokenKind::Comma);
    if (!more || c.Check(TokenKind::Comma) || c.AtStatementEnd()) omitted |= omitted_flags[argument];
    ++argument;
    if (more) {
      OptionalNumber(c, default_value);
    } else {
      c.builder.EmitNumber(default_value);
    }
  }
  bool filled = false;
  bool fill = false;
  if (more && c.Match(TokenKind::Comma)) {
    if (c.Check(TokenKind::Name) && c.Peek().text == "F") {
      c.Advance();
      filled = true;
    } else if (!c.Check(TokenKind::Comma) && !c.AtStatementEnd()) {
      c.Unexpected("F");
    }
    if (c.Match(TokenKind::Comma) && !c.AtStatementEnd()) {
      NumberExpression(c);
      fill = true;
    }
  }
  c.builder.Emit(Op::Circle, filled, omitted, fill ? 0 : 1);
}

// PSET | PRESET [STEP] (x, y) [, colour]
void CompilePset(Compiler& c) {
  const bool preset = c.Advance().keyword == Keyword::Preset;
  const bool step = c.MatchKeyword(Keyword::Step);
  CompileCoordinates(c);
  const bool colour = c.Match(TokenKind::Comma);
  if (colour) {
    NumberExpression(c);
  } else {
    c.builder.EmitNumber(7);
  }
  c.builder.Emit(Op::Pset, colour ? 0 : PsetColourOmitted, preset ? 1 : 0, step ? 1 : 0);
}

// DRAW string: the string is read when the statement runs, since the
// commands and the variables they name may be made while the program runs.
void CompileDraw(Compiler& c) {
  c.Advance();
  StringExpression(c);
  c.builder.Emit(Op::Draw);
}

namespace {

// PAINT's border after a tile, and the background tile (an empty string
// when left out).
void CompilePaintTile(Compiler& c, bool step) {
  int32_t written = 3;
  if (c.Match(TokenKind::Comma)) {
    written |= OptionalArguments(c, 1, 1) << 3;
  } else {
    c.builder.EmitNumber(0);
  }
  if (c.Match(TokenKind::Comma) && !c.AtStatementEnd()) {
    StringExpression(c);
  } else {
    c.builder.EmitString("");
  }
  c.builder.Emit(Op::PaintTile, written | (step ? PaintStep : 0));
}

}  // namespace

// PAINT [STEP] (x, y) [, [paint] [, [border] [, background]]]: a paint
// that is a string is a tile.
void CompilePaint(Compiler& c) {
  c.Advance();
  const bool step = c.MatchKeyword(Keyword::Step);
  CompileCoordinates(c);
  int32_t written = 3;
  if (c.Match(TokenKind::Comma)) {
    if (!c.Check(TokenKind::Comma) && !c.AtStatementEnd()) {
      if (Expression(c) == ValueKind::String) return CompilePaintTile(c, step);
      written |= 4;
    } else {
      c.builder.EmitNumber(0);
    }
    if (c.Match(TokenKind::Comma)) {
      written |= OptionalArguments(c, 1, 1) << 3;
    } else {
      c.builder.EmitNumber(0);
    }
  } else {
    c.builder.EmitNumber(0);
    c.builder.EmitNumber(0);
  }
  c.builder.Emit(Op::Paint, written | (step ? PaintStep : 0));
}

// POINT(x, y), or POINT(n): the last point's coordinates.
ValueKind CompilePointFunction(Compiler& c) {
  c.Expect(TokenKind::LeftParen, "'('");
  NumberExpression(c);
  if (c.Match(TokenKind::RightParen)) {
    c.builder.Emit(Op::PointOf);
    return ValueKind::Single;
  }
  c.Expect(TokenKind::Comma, "','");
  NumberExpression(c);
  c.Expect(TokenKind::RightParen, "')'");
  c.builder.Emit(Op::Point);
  return ValueKind::Integer;
}
