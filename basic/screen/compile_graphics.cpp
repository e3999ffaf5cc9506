// The graphics statements. An omitted argument compiles to its default as a
// constant, so that the executor always finds the same operands; only the
// fill colour's default, the colour itself, is left to the executor.
#include "basic/compiler/compiler.h"
#include "basic/screen/screen_statements.h"
#include "runtime/graphics/graphics.h"

void Compiler::OptionalNumber(double default_value) {
  if (Check(TokenKind::Comma) || AtStatementEnd()) {
    builder_.EmitNumber(default_value);
  } else {
    NumberExpression();
  }
}

void Compiler::Point() {
  Expect(TokenKind::LeftParen, "'('");
  NumberExpression();
  Expect(TokenKind::Comma, "','");
  NumberExpression();
  Expect(TokenKind::RightParen, "')'");
}

void Compiler::Cls() {
  Advance();
  if (AtStatementEnd()) {
    builder_.EmitNumber(3);
  } else {
    NumberExpression();
  }
  builder_.Emit(Op::Cls);
}

// LINE [(x1, y1)]-[STEP](x2, y2) [, [colour] [, [B | BF] [, fill]]]
void Compiler::Line() {
  Advance();
  if (Check(TokenKind::LeftParen)) {
    Point();
  } else {
    builder_.EmitNumber(OmittedCoordinate);
    builder_.EmitNumber(OmittedCoordinate);
  }
  Expect(TokenKind::Minus, "'-' before the second point");
  const bool step = MatchKeyword(Keyword::Step);
  Point();
  int32_t box = 0;
  bool fill = false;
  bool colour_omitted = true;
  if (Match(TokenKind::Comma)) {
    colour_omitted = Check(TokenKind::Comma) || AtStatementEnd();
    OptionalNumber(7);
    if (Match(TokenKind::Comma)) {
      if (Check(TokenKind::Name) && (Peek().text == "B" || Peek().text == "BF")) {
        box = Advance().text == "B" ? 1 : 2;
      } else if (!Check(TokenKind::Comma) && !AtStatementEnd()) {
        Unexpected("B or BF");
      }
      if (Match(TokenKind::Comma) && !AtStatementEnd()) {
        NumberExpression();
        fill = true;
      }
    }
  } else {
    builder_.EmitNumber(7);
  }
  builder_.Emit(Op::Line, step, box | (colour_omitted ? LineColourOmitted : 0), fill ? 0 : 1);
}

// CIRCLE (x, y), r [, [colour] [, [start] [, [end] [, [aspect] [, [F] [, fill]]]]]]
void Compiler::Circle() {
  Advance();
  Point();
  Expect(TokenKind::Comma, "',' and the radius");
  NumberExpression();
  bool more = true;
  int32_t omitted = 0;
  const int32_t omitted_flags[] = {CircleColourOmitted, 0, 0, CircleAspectOmitted};
  int32_t argument = 0;
  for (const double default_value : {7.0, 0.0, 0.0, 1.0}) {
    more = more && Match(TokenKind::Comma);
    if (!more || Check(TokenKind::Comma) || AtStatementEnd()) omitted |= omitted_flags[argument];
    ++argument;
    if (more) {
      OptionalNumber(default_value);
    } else {
      builder_.EmitNumber(default_value);
    }
  }
  bool filled = false;
  bool fill = false;
  if (more && Match(TokenKind::Comma)) {
    if (Check(TokenKind::Name) && Peek().text == "F") {
      Advance();
      filled = true;
    } else if (!Check(TokenKind::Comma) && !AtStatementEnd()) {
      Unexpected("F");
    }
    if (Match(TokenKind::Comma) && !AtStatementEnd()) {
      NumberExpression();
      fill = true;
    }
  }
  builder_.Emit(Op::Circle, filled, omitted, fill ? 0 : 1);
}

// PSET | PRESET [STEP] (x, y) [, colour]
void Compiler::Pset() {
  const bool preset = Advance().keyword == Keyword::Preset;
  const bool step = MatchKeyword(Keyword::Step);
  Point();
  const bool colour = Match(TokenKind::Comma);
  if (colour) {
    NumberExpression();
  } else {
    builder_.EmitNumber(7);
  }
  builder_.Emit(Op::Pset, colour ? 0 : PsetColourOmitted, preset ? 1 : 0, step ? 1 : 0);
}

// DRAW string: the string is read when the statement runs, since the
// commands and the variables they name may be made while the program runs.
void Compiler::Draw() {
  Advance();
  StringExpression();
  builder_.Emit(Op::Draw);
}
