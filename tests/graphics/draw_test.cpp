// CLS, LINE and CIRCLE on real GDI: pixels read back from the back buffer,
// which was filled with a sentinel colour first, and the window showing the
// same picture.
#include <gtest/gtest.h>

#include <cstring>

#include "runtime/console/text_layer.h"
#include "runtime/console/window.h"
#include "runtime/graphics/graphics.h"
#include "tests/support/reference_picture.h"
#include "tests/support/window_harness.h"

namespace {

constexpr uint32_t Sentinel = 0x808080;
constexpr uint32_t Black = 0x000000;
constexpr uint32_t Blue = 0xFF0000;
constexpr uint32_t Red = 0x0000FF;
constexpr uint32_t White = 0xFFFFFF;
const RECT Area{0, 0, 200, 160};

class Drawing : public testing::Test {
 protected:
  void SetUp() override { PaintCanvas(Sentinel); }

  static Picture BackBufferArea() { return CaptureBackBuffer(Area); }

  // The picture the figures make over the sentinel, drawn independently.
  static Picture Expected(const std::vector<ReferenceFigure>& figures) {
    return DrawReference(Area.right, Area.bottom, Sentinel, figures);
  }

  static void ExpectWindowShowsBackBuffer() {
    EXPECT_EQ(CaptureWindow(Area).pixels, BackBufferArea().pixels) << "window and back buffer differ";
  }
};

struct LineCase {
  int32_t x1, y1, step, x2, y2, colour, box, fill;
  std::vector<ReferenceFigure> figures;  // what must be covered
  LastPointState last;
  const char* why;
};

TEST_F(Drawing, LineFiguresAndTheLastPoint) {
  using F = ReferenceFigure;
  const LineCase cases[] = {
      // A 1-pixel-high box covers exactly the pixels of a horizontal line.
      {10, 10, 0, 20, 10, 2, 0, 0, {{F::Box, 10, 10, 21, 11, Red, false, 0}}, {20, 10},
       "a line includes both end points"},
      {20, 30, 0, 10, 30, 2, 0, 0, {{F::Box, 10, 30, 21, 31, Red, false, 0}}, {10, 30},
       "drawn backwards it still includes both"},
      {3, 4, 0, 3, 4, 7, 0, 0, {{F::Pixel, 3, 4, 0, 0, White, false, 0}}, {3, 4}, "a single pixel"},
      {10, 10, 0, 5, 5, 2, 1, 0, {{F::Box, 5, 5, 11, 11, Red, false, 0}}, {10, 10},
       "a box given backwards is put in order"},
      {10, 10, 1, -5, -5, 2, 1, 0, {{F::Box, 10, 10, 6, 6, Red, false, 0}}, {5, 5},
       "a STEP box is not put in order"},
      {20, 20, 0, 60, 50, 7, 2, 1, {{F::Box, 20, 20, 61, 51, White, true, Blue}}, {60, 50},
       "a white outline around a blue fill"},
      {0, 0, 0, 199, 159, 1, 2, 1, {{F::Box, 0, 0, 200, 160, Blue, true, Blue}}, {199, 159},
       "a filled box covers its last row and column"},
      {30, 30, 0, 40, 40, 9, 1, 0, {{F::Box, 30, 30, 41, 41, Black, false, 0}}, {40, 40},
       "a colour outside the palette draws black"},
  };
  for (const LineCase& c : cases) {
    SetUp();
    GfxLine(c.x1, c.y1, c.step, c.x2, c.y2, c.colour, c.box, c.fill);
    EXPECT_EQ(BackBufferArea().pixels, Expected(c.figures).pixels) << c.why;
    EXPECT_EQ(LastPoint.x, c.last.x) << c.why;
    EXPECT_EQ(LastPoint.y, c.last.y) << c.why;
    ExpectWindowShowsBackBuffer();
  }
}

TEST_F(Drawing, AnOmittedFirstPointStartsAtTheLastPoint) {
  LastPoint = {0, 0};
  GfxLine(OmittedCoordinate, OmittedCoordinate, 0, 30, 0, 2, 0, 0);   // from (0, 0)
  GfxLine(OmittedCoordinate, OmittedCoordinate, 1, 0, 20, 2, 0, 0);   // then STEP down
  using F = ReferenceFigure;
  EXPECT_EQ(BackBufferArea().pixels,
            Expected({{F::Box, 0, 0, 31, 1, Red, false, 0}, {F::Box, 30, 0, 31, 21, Red, false, 0}}).pixels);
  EXPECT_EQ(LastPoint.x, 30);
  EXPECT_EQ(LastPoint.y, 20);
}

TEST_F(Drawing, FilledEllipseIsIdenticalOnWindowAndBackBuffer) {
  GfxCircle(100, 80, 30, 7, 0, 0, 1, 1, 2);
  GfxCircle(60, 40, 20, 5, 0, 0, 0.5, 0, 0);  // flattened, not filled
  using F = ReferenceFigure;
  EXPECT_EQ(BackBufferArea().pixels, Expected({{F::Ellipse, 70, 50, 130, 110, White, true, Red},
                                               {F::Ellipse, 40, 30, 80, 50, 0xFFFF00, false, 0}})
                                         .pixels);
  ExpectWindowShowsBackBuffer();
  RepaintNow(nullptr);
  ExpectWindowShowsBackBuffer();
}

TEST_F(Drawing, ArcsAreNeverFilledAndPiesAre) {
  GfxCircle(50, 50, 30, 7, 0, 3.1416, 1, 1, 2);  // the upper half, an arc
  const Picture arc = BackBufferArea();
  EXPECT_EQ(CountColour(arc, Area, Red), 0) << "the brush is made but an arc fills nothing";
  EXPECT_GT(CountColour(arc, Area, White), 0);
  SetUp();
  GfxCircle(50, 50, 30, 7, -0.7854, -2.3562, 1, 1, 2);  // the upper wedge, a pie
  const Picture pie = BackBufferArea();
  EXPECT_GT(CountColour(pie, RECT{45, 25, 55, 45}, Red), 0) << "inside the upper wedge";
  EXPECT_EQ(CountColour(pie, RECT{20, 55, 80, 80}, Red), 0) << "nothing below the centre";
  ExpectWindowShowsBackBuffer();
}

TEST_F(Drawing, ClsOfGraphicsBlackensTheWholeBackBufferAndKeepsTheText) {
  std::memcpy(TextScreen.characters[3], "KEEP", 4);
  TextCursor = {4, 3};
  LastPoint = {17, 19};
  GfxCls(2);
  const RECT whole{0, 0, ScreenSize.width, ScreenSize.height};
  EXPECT_EQ(CountColour(CaptureBackBuffer(whole), whole, Black), ScreenSize.width * ScreenSize.height);
  EXPECT_EQ(TextRowLength(3), 4);
  EXPECT_EQ(TextCursor.column, 4);
  EXPECT_EQ(TextCursor.row, 3);
  EXPECT_EQ(LastPoint.x, 17) << "CLS leaves the last point alone";
  EXPECT_EQ(LastPoint.y, 19);
}

TEST_F(Drawing, ClsOfTextEmptiesTheLayerAndKeepsThePicture) {
  for (int32_t mode : {0, 1}) {
    std::memcpy(TextScreen.characters[3], "GONE", 4);
    TextScreen.foreground[3][0] = 0x123456;
    TextCursor = {4, 3};
    GfxCls(mode);
    AwaitPromptQueue();
    EXPECT_EQ(TextRowLength(3), 0) << "mode " << mode;
    EXPECT_EQ(TextScreen.foreground[3][0], 0x123456u) << "colours stay, mode " << mode;
    EXPECT_EQ(TextCursor.column, 0) << "mode " << mode;
    EXPECT_EQ(TextCursor.row, 0) << "mode " << mode;
    EXPECT_EQ(CountColour(BackBufferArea(), Area, Sentinel), Area.right * Area.bottom) << "mode " << mode;
  }
}

TEST_F(Drawing, ClsOutsideTheModesClearsNothingButStillRepaints) {
  std::memcpy(TextScreen.characters[3], "STAY", 4);
  FillBackBuffer(Area, Red);  // behind the window's back: shown only after a repaint
  GfxCls(4);
  EXPECT_EQ(TextRowLength(3), 4);
  EXPECT_EQ(CountColour(BackBufferArea(), Area, Red), Area.right * Area.bottom);
  const RECT sample{150, 100, 200, 160};  // away from the text
  int shown = 0;
  for (int tries = 0; tries < 100 && shown == 0; ++tries) {
    Sleep(20);
    shown = CountColour(CaptureWindow(Area), sample, Red);
  }
  EXPECT_EQ(shown, 50 * 60) << "the invalidated window was repainted from the back buffer";
}

}  // namespace
