#include "basic/screen/screen.h"

#include <algorithm>
#include <cmath>

#include "runtime/graphics/pixels.h"
#include "runtime/numeric/numeric.h"

void ScreenResetPalette(ScreenState* screen) {
  const ScreenMode& mode = *screen->mode;
  for (int32_t n = 0; n < 256; ++n) screen->palette[n] = n < mode.colours ? DefaultPaletteColour(mode, n) : 0;
}

void ScreenStart(ScreenState* screen, const ScreenMode& mode) {
  screen->mode = &mode;
  ScreenResetPalette(screen);
  // White, or the highest colour where there are fewer than 16.
  screen->foreground = mode.colours > 16 ? 15 : mode.colours - 1;
  screen->background = 0;
  screen->window = WindowMapping{};
  // The runtime's own screen keeps its last point at (0, 0).
  screen->last_x = mode.number == 0 ? 0 : mode.width / 2;
  screen->last_y = mode.number == 0 ? 0 : mode.height / 2;
}

bool DrawsItself(const ScreenState& screen) { return screen.mode->number != 0 || screen.window.active; }

ViewPoint ToView(const ScreenState& screen, double x, double y) {
  const WindowMapping& w = screen.window;
  if (w.active) {
    const double right = screen.mode->width - 1;
    const double bottom = screen.mode->height - 1;
    x = (x - w.x1) * right / (w.x2 - w.x1);
    y = w.y_down ? (y - w.y1) * bottom / (w.y2 - w.y1) : (w.y2 - y) * bottom / (w.y2 - w.y1);
  }
  // Held within a billion pixels, so that a far point keeps its side of
  // the screen; NaN becomes INT32_MIN, far outside too.
  constexpr double Far = 1e9;
  return {NumToInt32(std::clamp(x, -Far, Far)), NumToInt32(std::clamp(y, -Far, Far))};
}

bool InDrawingArea(const ScreenState& screen, ViewPoint point) {
  return point.x >= 0 && point.y >= 0 && point.x < screen.mode->width && point.y < screen.mode->height;
}

void FromView(const ScreenState& screen, ViewPoint point, double* x, double* y) {
  const WindowMapping& w = screen.window;
  *x = point.x;
  *y = point.y;
  if (!w.active) return;
  const double right = screen.mode->width - 1;
  const double bottom = screen.mode->height - 1;
  *x = w.x1 + point.x * (w.x2 - w.x1) / right;
  *y = w.y_down ? w.y1 + point.y * (w.y2 - w.y1) / bottom : w.y2 - point.y * (w.y2 - w.y1) / bottom;
}

bool ScreenColour(const ScreenState& screen, double number, Colour* colour) {
  if (!(number >= 0 && number < screen.mode->colours)) return false;
  const int32_t n = NumToInt32(number);
  if (n >= screen.mode->colours) return false;  // rounded up past the last
  *colour = screen.palette[n];
  return true;
}

ScreenState StartingScreen() {
  ScreenState screen;
  ScreenStart(&screen, RuntimeScreenMode());
  return screen;
}
