// LINE and CIRCLE when the process has no GDI handles left: the statement
// draws nothing (not with whatever pen and brush the device contexts held),
// nothing crashes, and drawing resumes once handles are free again.
#include <gtest/gtest.h>

#include "runtime/graphics/graphics.h"
#include "tests/support/reference_picture.h"
#include "tests/support/window_harness.h"

namespace {

constexpr uint32_t Sentinel = 0x808080;
const RECT Area{0, 0, 200, 160};

// One statement of each kind, each of which would cover some of Area.
void DrawEveryKind() {
  GfxLine(10, 10, 0, 60, 40, 7, 0, 0);          // line
  GfxLine(70, 10, 0, 100, 40, 2, 1, 0);         // box outline
  GfxLine(110, 10, 0, 150, 40, 7, 2, 1);        // filled box
  GfxCircle(40, 100, 20, 7, 0, 0, 1, 0, 0);     // ellipse
  GfxCircle(100, 100, 20, 2, 0, 0, 0.5, 1, 4);  // filled ellipse
  GfxCircle(160, 100, 20, 7, 0, 3, 1, 1, 4);    // arc, brush made but unused
  GfxCircle(160, 140, 15, 7, -1, -2, 1, 1, 3);  // filled pie
}

TEST(GdiExhaustion, StatementsDrawNothingWithoutHandlesAndResumeAfterwards) {
  PaintCanvas(Sentinel);
  const Picture canvas = CaptureBackBuffer(Area);
  const int held = ExhaustGdiHandles();
  ASSERT_GT(held, 0);
  LastPoint = {0, 0};
  DrawEveryKind();
  const LastPointState last = LastPoint;
  // Pictures are read with handles of their own, so only once they are back.
  FreeGdiHandles();
  EXPECT_EQ(last.x, 150) << "LINE's last point follows the statement, drawn or not";
  EXPECT_EQ(last.y, 40);
  EXPECT_EQ(CaptureBackBuffer(Area).pixels, canvas.pixels) << "nothing reached the back buffer";
  EXPECT_EQ(CaptureWindow(Area).pixels, canvas.pixels) << "nor the window";

  DrawEveryKind();
  PaintCanvas(Sentinel);
  DrawEveryKind();
  const Picture drawn = CaptureBackBuffer(Area);
  EXPECT_NE(drawn.pixels, canvas.pixels) << "drawing resumed";
  FillBackBuffer(Area, Sentinel);
  DrawEveryKind();
  EXPECT_EQ(CaptureBackBuffer(Area).pixels, drawn.pixels) << "and draws the same each time";
  EXPECT_EQ(CaptureWindow(Area).pixels, drawn.pixels) << "on the window as well";
  std::printf("took %d handles\n", held);
}

}  // namespace
