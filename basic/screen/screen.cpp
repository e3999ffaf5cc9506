#include "basic/screen/screen.h"

#include <algorithm>
#include <cmath>

#include "runtime/graphics/pixels.h"
#include "runtime/numeric/numeric.h"

void ScreenResetPalette(ScreenState* screen) {
  const ScreenMode& mode = *screen->mode;
  for (int32_t n = 0; n < 256; ++n) screen->palette[n] = n < mode.colours ? DefaultPaletteColour(mode, n) : 0;
}

void ScreenResetView(ScreenState* screen) {
  screen->view = {0, 0, screen->mode->width - 1, screen->mode->height - 1, false, false};
}

void ScreenStart(ScreenState* screen, const ScreenMode& mode) {
  screen->mode = &mode;
  ScreenResetPalette(screen);
  // White, or the highest colour where there are fewer than 16.
  screen->foreground = mode.colours > 16 ? 15 : mode.colours - 1;
  screen->background = 0;
  screen->window = WindowMapping{};
  ScreenResetView(screen);
  // The runtime's own screen keeps its last point at (0, 0).
  screen->last_x = mode.number == 0 ? 0 : mode.width / 2;
  screen->last_y = mode.number == 0 ? 0 : mode.height / 2;
  // The text screens are drawn a cell at a time, not as pixels.
  PagesStart(screen, mode.number == 0 ? 0 : mode.pages);
}

bool DrawsItself(const ScreenState& screen) { return screen.mode->number != 0 || screen.window.active; }

ViewPoint ToView(const ScreenState& screen, double x, double y) {
  const WindowMapping& w = screen.window;
  const ViewArea& v = screen.view;
  if (w.active) {
    const double right = v.x2 - v.x1;
    const double bottom = v.y2 - v.y1;
    x = v.x1 + (x - w.x1) * right / (w.x2 - w.x1);
    y = v.y1 + (w.y_down ? (y - w.y1) * bottom / (w.y2 - w.y1) : (w.y2 - y) * bottom / (w.y2 - w.y1));
  } else if (v.relative) {
    x += v.x1;
    y += v.y1;
  }
  // Held within a billion pixels, so that a far point keeps its side of
  // the screen; NaN becomes INT32_MIN, far outside too.
  constexpr double Far = 1e9;
  return {NumToInt32(std::clamp(x, -Far, Far)), NumToInt32(std::clamp(y, -Far, Far))};
}

bool InDrawingArea(const ScreenState& screen, ViewPoint point) {
  const ViewArea& v = screen.view;
  return point.x >= v.x1 && point.y >= v.y1 && point.x <= v.x2 && point.y <= v.y2;
}

void FromView(const ScreenState& screen, ViewPoint point, double* x, double* y) {
  const WindowMapping& w = screen.window;
  const ViewArea& v = screen.view;
  const bool shifted = w.active || v.relative;
  *x = point.x - (shifted ? v.x1 : 0);
  *y = point.y - (shifted ? v.y1 : 0);
  if (!w.active) return;
  // A view one pixel across maps as if it were two, never dividing by 0.
  const double right = std::max(v.x2 - v.x1, 1);
  const double bottom = std::max(v.y2 - v.y1, 1);
  const double px = *x, py = *y;
  *x = w.x1 + px * (w.x2 - w.x1) / right;
  *y = w.y_down ? w.y1 + py * (w.y2 - w.y1) / bottom : w.y2 - py * (w.y2 - w.y1) / bottom;
}

bool ScreenColour(const ScreenState& screen, double number, uint8_t* colour) {
  if (!(number >= 0 && number < screen.mode->colours)) return false;
  const int32_t n = NumToInt32(number);
  if (n >= screen.mode->colours) return false;  // rounded up past the last
  *colour = static_cast<uint8_t>(n);
  return true;
}

ScreenState StartingScreen() {
  ScreenState screen;
  ScreenStart(&screen, RuntimeScreenMode());
  return screen;
}
