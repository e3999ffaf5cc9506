// Pictures drawn straight with GDI into a bitmap like the back buffer, to
// compare the runtime's drawing against: each figure with its own pen and
// brush, nothing shared with the code under test.
#pragma once

#include <cstdint>
#include <vector>

#include "tests/support/window_harness.h"

struct ReferenceFigure {
  enum Kind { Box, Ellipse, Pixel } kind;
  int left, top, right, bottom;  // as Rectangle and Ellipse take them; a Pixel is at (left, top)
  uint32_t pen;                  // COLORREF of a solid 1-pixel pen
  bool filled;
  uint32_t brush;  // COLORREF of a solid brush when filled
};

Picture DrawReference(int width, int height, uint32_t background,
                      const std::vector<ReferenceFigure>& figures);
