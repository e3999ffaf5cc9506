// The classic screen modes on real GDI: a BASIC program's box, PAINT and
// PSET in every mode and colour, against the same figures drawn
// independently as GDI rectangles of the mode's blocks, in the back buffer
// and on the window.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "basic/basic.h"
#include "basic/screen/screen_modes.h"
#include "tests/support/window_harness.h"

namespace {

// A rectangle of the mode's pixels, both corners included, as picture
// pixels.
RECT Blocks(const ScreenMode& mode, int x1, int y1, int x2, int y2) {
  return {x1 * mode.scale_x, y1 * mode.scale_y, (x2 + 1) * mode.scale_x, (y2 + 1) * mode.scale_y};
}

void Fill(HDC dc, const RECT& r, Colour colour) {
  HBRUSH brush = CreateSolidBrush(colour);
  FillRect(dc, &r, brush);
  DeleteObject(brush);
}

// LINE (10, 10)-(40, 30), border, B: PAINT (20, 20), paint, border:
// PSET (60, 15), border.
Picture Reference(const ScreenMode& mode, int border, int paint, const RECT& area) {
  const Colour b = DefaultPaletteColour(mode, border), p = DefaultPaletteColour(mode, paint);
  return DrawOffscreen(area.right, area.bottom, 0, [&](HDC dc) {
    Fill(dc, Blocks(mode, 10, 10, 40, 30), b);
    Fill(dc, Blocks(mode, 11, 11, 39, 29), p);
    Fill(dc, Blocks(mode, 60, 15, 60, 15), b);
  });
}

void RunBasic(const std::string& source) {
  std::vector<BasicDiagnostic> errors;
  BasicProgramPtr program = BasicCompile(source, "screen.bas", &errors);
  ASSERT_TRUE(program) << source;
  const BasicRunResult result = BasicRun(program.get(), BasicRunOptions{});
  EXPECT_EQ(result.outcome, BasicOutcome::Ended) << result.message;
}

TEST(ScreenModes, BoxPaintAndPsetInEveryModeAndColour) {
  StartRuntimeOnce();
  for (const int number : {1, 2, 7, 8, 9, 12, 13}) {
    const ScreenMode& mode = *FindScreenMode(number);
    const RECT area{0, 0, 64 * mode.scale_x, 32 * mode.scale_y};
    // Colours 248-255 are black, like the background, which a PAINT would stop at.
    for (int border = 1; border < std::min(mode.colours, 248); border += mode.colours > 16 ? 23 : 1) {
      const int paint = (border + mode.colours / 2) % mode.colours;
      RunBasic("SCREEN " + std::to_string(number) + ": LINE (10, 10)-(40, 30), " + std::to_string(border) +
          ", B: PAINT (20, 20), " + std::to_string(paint) + ", " + std::to_string(border) + ": PSET (60, 15), " +
          std::to_string(border));
      const Picture expected = Reference(mode, border, paint, area);
      EXPECT_EQ(CaptureBackBuffer(area).pixels, expected.pixels) << "SCREEN " << number << ", colour " << border;
      RepaintNow(&area);
      EXPECT_EQ(CaptureWindow(area).pixels, expected.pixels) << "the window, SCREEN " << number;
    }
  }
}

// The lit blocks of a row or column of the mode's pixels, as their
// coordinates along it.
std::vector<int> LitAlong(const Picture& picture, const ScreenMode& mode, bool row, int at, int length) {
  std::vector<int> lit;
  for (int i = 0; i < length; ++i) {
    const int x = (row ? i : at) * mode.scale_x, y = (row ? at : i) * mode.scale_y;
    if (picture.At(x, y) != 0) lit.push_back(i);
  }
  return lit;
}

// A circle of radius 20 around (40, 40): its radius lies along x (the
// aspects are below 1, or 1), so its row through the centre is lit just at
// 20 and 60; its column at 40 -/+ 20 times the mode's aspect, give or take
// the rounding of one pixel; the window shows what the back buffer holds.
TEST(ScreenModes, CircleInEveryModeAtItsAspect) {
  StartRuntimeOnce();
  for (const int number : {1, 2, 7, 8, 9, 12, 13}) {
    const ScreenMode& mode = *FindScreenMode(number);
    const RECT area{0, 0, 81 * mode.scale_x, 81 * mode.scale_y};
    RunBasic("SCREEN " + std::to_string(number) + ": CIRCLE (40, 40), 20, 1");
    const Picture drawn = CaptureBackBuffer(area);
    EXPECT_EQ(LitAlong(drawn, mode, true, 40, 81), (std::vector<int>{20, 60})) << "SCREEN " << number;
    const std::vector<int> column = LitAlong(drawn, mode, false, 40, 81);
    const double ry = 20 * mode.aspect;
    ASSERT_EQ(column.size(), 2u) << "SCREEN " << number;
    EXPECT_NEAR(column[0], 40 - ry, 1) << "SCREEN " << number;
    EXPECT_NEAR(column[1], 40 + ry, 1) << "SCREEN " << number;
    RepaintNow(&area);
    EXPECT_EQ(CaptureWindow(area).pixels, drawn.pixels) << "the window, SCREEN " << number;
  }
}

// Mode 13's 256 colours, a PSET each, against the palette's colours.
TEST(ScreenModes, EveryColourOfMode13) {
  StartRuntimeOnce();
  const ScreenMode& mode = *FindScreenMode(13);
  RunBasic("SCREEN 13: FOR C = 0 TO 255: PSET (C MOD 32, C \\ 32), C: NEXT");
  const Picture drawn = CaptureBackBuffer(RECT{0, 0, 32 * mode.scale_x, 8 * mode.scale_y});
  for (int c = 0; c < 256; ++c) {
    EXPECT_EQ(drawn.At(c % 32 * mode.scale_x, c / 32 * mode.scale_y), DefaultPaletteColour(mode, c)) << "colour " << c;
  }
}

}  // namespace
