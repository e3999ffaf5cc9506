// Drawing under load: no statement leaves a pen or brush behind, and
// repaints running all the time on the window thread lose no figure.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "runtime/console/window.h"
#include "runtime/graphics/graphics.h"
#include "tests/support/reference_picture.h"
#include "tests/support/window_harness.h"

namespace {

constexpr uint32_t Sentinel = 0x808080;
const RECT Area{0, 0, 200, 160};

class Stress : public testing::Test {
 protected:
  void SetUp() override { PaintCanvas(Sentinel); }
};

// wine's GDI handle table holds about 65 000 objects: if any kind of call
// leaked its pen or brush, the table would be full before the end, and the
// last figure could not be drawn.
TEST_F(Stress, SeventyThousandStatementsLeaveNoObjectBehind) {
  constexpr int Calls = 70000;
  for (int i = 0; i < Calls; ++i) {
    const int32_t colour = i % 8;
    switch (i % 7) {
      case 0: GfxLine(1, 1, 0, 5, 5, colour, 0, 0); break;            // line
      case 1: GfxLine(1, 1, 0, 5, 5, colour, 1, 3); break;            // outline
      case 2: GfxLine(1, 1, 1, 4, 4, colour, 2, 3); break;            // filled box
      case 3: GfxCircle(8, 8, 4, colour, 0, 0, 1, 0, 0); break;       // ellipse
      case 4: GfxCircle(8, 8, 4, colour, 0, 0, 0.5, 1, 2); break;     // filled ellipse
      case 5: GfxCircle(8, 8, 4, colour, 0, 2, 1, 1, 2); break;       // arc with a brush
      case 6: GfxCircle(8, 8, 4, colour, -1, -2, 1, 1, 2); break;     // filled pie
    }
  }
  FillBackBuffer(Area, Sentinel);
  GfxCircle(100, 80, 30, 7, 0, 0, 1, 1, 2);
  GfxLine(10, 10, 0, 40, 30, 6, 2, 4);
  using F = ReferenceFigure;
  const Picture expected = DrawReference(Area.right, Area.bottom, Sentinel,
                                         {{F::Ellipse, 70, 50, 130, 110, 0xFFFFFF, true, 0x0000FF},
                                          {F::Box, 10, 10, 41, 31, 0x00FFFF, true, 0x00FF00}});
  EXPECT_EQ(CaptureBackBuffer(Area).pixels, expected.pixels);
}

TEST_F(Stress, RepaintsDuringDrawingLoseNoFigure) {
  std::atomic<bool> drawing{true};
  std::atomic<int> repaints{0};
  std::thread painter([&] {
    while (drawing.load()) {
      RepaintNow(nullptr);
      repaints += 1;
    }
  });
  std::vector<ReferenceFigure> figures;
  for (int i = 0; i < 1500; ++i) {
    const int x = 20 + (i * 37) % 160, y = 20 + (i * 53) % 120, r = 3 + i % 15;
    const Colour pen = ColorFromCode(i % 8), brush = ColorFromCode((i + 3) % 8);
    figures.push_back({ReferenceFigure::Ellipse, x - r, y - r, x + r, y + r, pen, true, brush});
  }
  // Drawing the same figures again leaves the same picture, so the passes go
  // on until the painter has repainted many times while they ran.
  for (int pass = 0; pass < 100 && (pass == 0 || repaints.load() < 30); ++pass) {
    for (int i = 0; i < 1500; ++i) {
      const ReferenceFigure& f = figures[static_cast<size_t>(i)];
      GfxCircle((f.left + f.right) / 2, (f.top + f.bottom) / 2, (f.right - f.left) / 2, i % 8, 0, 0, 1, 1,
                (i + 3) % 8);
    }
  }
  drawing = false;
  painter.join();
  EXPECT_GE(repaints.load(), 30) << "the window kept repainting";
  const Picture expected = DrawReference(Area.right, Area.bottom, Sentinel, figures);
  EXPECT_EQ(CaptureBackBuffer(Area).pixels, expected.pixels) << "every figure reached the back buffer";
  RepaintNow(nullptr);
  EXPECT_EQ(CaptureWindow(Area).pixels, expected.pixels) << "and the window shows it";
}

}  // namespace
