#include "basic/screen/screen_draw.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "basic/screen/view_flood.h"
#include "runtime/graphics/pixels.h"

namespace {

constexpr double Pi = 3.14159265358979323846;

// Fills the pixels from (x1, y1) to (x2, y2), both included, in any
// order, that lie within the area: on the active page, or on the runtime's
// own screen straight onto the picture.
void FillWithin(ScreenState& screen, const ViewArea& area, int64_t x1, int64_t y1, int64_t x2, int64_t y2,
                uint8_t colour) {
  const int64_t left = std::max<int64_t>(std::min(x1, x2), area.x1);
  const int64_t right = std::min<int64_t>(std::max(x1, x2), area.x2);
  const int64_t top = std::max<int64_t>(std::min(y1, y2), area.y1);
  const int64_t bottom = std::min<int64_t>(std::max(y1, y2), area.y2);
  if (left > right || top > bottom) return;
  const int32_t x = static_cast<int32_t>(left), y = static_cast<int32_t>(top);
  const int32_t width = static_cast<int32_t>(right - left + 1), height = static_cast<int32_t>(bottom - top + 1);
  if (HasPages(screen)) return PagesFill(screen, x, y, width, height, colour);
  const ScreenMode& mode = *screen.mode;
  GfxFillRgb(x * mode.scale_x, y * mode.scale_y, width * mode.scale_x, height * mode.scale_y, screen.palette[colour]);
}

// The figures' fill: within VIEW's area.
void FillBlock(ScreenState& screen, int64_t x1, int64_t y1, int64_t x2, int64_t y2, uint8_t colour) {
  FillWithin(screen, screen.view, x1, y1, x2, y2, colour);
}

// Cuts the line to VIEW's area (Liang and Barsky); false when none of it
// is inside.
bool ClipLine(const ViewArea& area, double* x1, double* y1, double* x2, double* y2) {
  const double dx = *x2 - *x1, dy = *y2 - *y1;
  double t0 = 0, t1 = 1;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {*x1 - area.x1, area.x2 - *x1, *y1 - area.y1, area.y2 - *y1};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return false;
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0) t0 = std::max(t0, t);
    else t1 = std::min(t1, t);
  }
  if (t0 > t1) return false;
  const double sx = *x1, sy = *y1;
  *x1 = std::round(sx + t0 * dx);
  *y1 = std::round(sy + t0 * dy);
  *x2 = std::round(sx + t1 * dx);
  *y2 = std::round(sy + t1 * dy);
  return true;
}

// The ellipse's points in one quadrant, (x, y) with y upwards, each once,
// found by the midpoint rule.
template <typename Visit>
void QuadrantPoints(int64_t rx, int64_t ry, Visit visit) {
  if (rx == 0 || ry == 0) {
    for (int64_t x = 0; x <= rx; ++x) visit(x, int64_t{0});
    for (int64_t y = 1; y <= ry; ++y) visit(int64_t{0}, y);
    return;
  }
  const double rx2 = static_cast<double>(rx * rx), ry2 = static_cast<double>(ry * ry);
  int64_t x = 0, y = ry;
  double p = ry2 - rx2 * static_cast<double>(ry) + rx2 / 4;
  while (ry2 * static_cast<double>(x) < rx2 * static_cast<double>(y)) {
    visit(x, y);
    ++x;
    if (p < 0) {
      p += ry2 * static_cast<double>(2 * x + 1);
    } else {
      --y;
      p += ry2 * static_cast<double>(2 * x + 1) - rx2 * static_cast<double>(2 * y);
    }
  }
  p = ry2 * (static_cast<double>(x) + 0.5) * (static_cast<double>(x) + 0.5) +
      rx2 * static_cast<double>((y - 1) * (y - 1)) - rx2 * ry2;
  while (y >= 0) {
    visit(x, y);
    --y;
    if (p > 0) {
      p += rx2 * static_cast<double>(1 - 2 * y);
    } else {
      ++x;
      p += ry2 * static_cast<double>(2 * x) + rx2 * static_cast<double>(1 - 2 * y);
    }
  }
}

// Whether the angle (0 to 2 pi) lies on the arc from start to end,
// counterclockwise, through 0 when end is below start.
bool OnArc(const CircleArc& arc, double angle) {
  if (arc.whole) return true;
  if (arc.start <= arc.end) return angle >= arc.start && angle <= arc.end;
  return angle >= arc.start || angle <= arc.end;
}

void Outline(ScreenState& screen, ViewPoint c, int32_t rx, int32_t ry, const CircleArc& arc, uint8_t colour) {
  QuadrantPoints(rx, ry, [&](int64_t x, int64_t y) {
    for (const int64_t flip_x : {1, -1}) {
      for (const int64_t flip_y : {1, -1}) {
        if ((flip_x < 0 && x == 0) || (flip_y < 0 && y == 0)) continue;  // the axes' points once
        const int64_t sx = x * flip_x, sy = y * flip_y;
        double angle = std::atan2(static_cast<double>(sy) * rx, static_cast<double>(sx) * ry);
        if (angle < 0) angle += 2 * Pi;
        if (OnArc(arc, angle)) FillBlock(screen, c.x + sx, c.y - sy, c.x + sx, c.y - sy, colour);
      }
    }
  });
}

void Filled(ScreenState& screen, ViewPoint c, int32_t rx, int32_t ry, uint8_t colour) {
  // Each row from the outline's own widest point, so that fill and
  // outline agree.
  std::vector<int64_t> half(static_cast<std::size_t>(ry) + 1, 0);
  QuadrantPoints(rx, ry, [&](int64_t x, int64_t y) { half[static_cast<std::size_t>(y)] = std::max(half[static_cast<std::size_t>(y)], x); });
  for (int64_t y = -ry; y <= ry; ++y) {
    const int64_t h = half[static_cast<std::size_t>(y < 0 ? -y : y)];
    FillBlock(screen, c.x - h, c.y + y, c.x + h, c.y + y, colour);
  }
}

ViewPoint OnEllipse(ViewPoint c, int32_t rx, int32_t ry, double angle) {
  return {static_cast<int32_t>(c.x + std::lround(rx * std::cos(angle))),
          static_cast<int32_t>(c.y - std::lround(ry * std::sin(angle)))};
}

}  // namespace

void ScreenLine(ScreenState& screen, ViewPoint from, ViewPoint to, uint8_t colour) {
  ScreenStyledLine(screen, from, to, colour, AllPixels);
}

void ScreenStyledLine(ScreenState& screen, ViewPoint from, ViewPoint to, uint8_t colour, uint16_t style) {
  double x1 = from.x, y1 = from.y, x2 = to.x, y2 = to.y;
  if (!ClipLine(screen.view, &x1, &y1, &x2, &y2)) return;
  int64_t x = static_cast<int64_t>(x1), y = static_cast<int64_t>(y1);
  // The style's place: a step a pixel from the first point, also over the
  // part cut off.
  int64_t place = std::max(x > from.x ? x - from.x : from.x - x, y > from.y ? y - from.y : from.y - y);
  const int64_t ex = static_cast<int64_t>(x2), ey = static_cast<int64_t>(y2);
  const int64_t dx = ex > x ? ex - x : x - ex, dy = ey > y ? ey - y : y - ey;
  const int64_t step_x = ex > x ? 1 : -1, step_y = ey > y ? 1 : -1;
  int64_t error = dx - dy;
  for (;; ++place) {
    if ((style >> (15 - place % 16) & 1) != 0) FillBlock(screen, x, y, x, y, colour);
    if (x == ex && y == ey) break;
    const int64_t twice = 2 * error;
    if (twice > -dy) { error -= dy; x += step_x; }
    if (twice < dx) { error += dx; y += step_y; }
  }
}

void ScreenBox(ScreenState& screen, ViewPoint a, ViewPoint b, uint8_t colour, bool filled) {
  if (filled) {
    FillBlock(screen, a.x, a.y, b.x, b.y, colour);
    return;
  }
  FillBlock(screen, a.x, a.y, b.x, a.y, colour);
  FillBlock(screen, a.x, b.y, b.x, b.y, colour);
  FillBlock(screen, a.x, a.y, a.x, b.y, colour);
  FillBlock(screen, b.x, a.y, b.x, b.y, colour);
}

void ScreenStyledBox(ScreenState& screen, ViewPoint a, ViewPoint b, uint8_t colour, uint16_t style) {
  if (style == AllPixels) {
    ScreenBox(screen, a, b, colour, false);
    return;
  }
  ScreenStyledLine(screen, a, {b.x, a.y}, colour, style);
  ScreenStyledLine(screen, {a.x, b.y}, b, colour, style);
  ScreenStyledLine(screen, a, {a.x, b.y}, colour, style);
  ScreenStyledLine(screen, {b.x, a.y}, b, colour, style);
}

void ScreenEllipse(ScreenState& screen, ViewPoint centre, int32_t rx, int32_t ry, const CircleArc& arc,
                   uint8_t colour, bool filled) {
  if (rx < 0 || ry < 0 || rx > MaxRadius || ry > MaxRadius) return;
  if (filled && arc.whole) {
    Filled(screen, centre, rx, ry, colour);
    return;
  }
  Outline(screen, centre, rx, ry, arc, colour);
  if (arc.start_radius) ScreenLine(screen, centre, OnEllipse(centre, rx, ry, arc.start), colour);
  if (arc.end_radius) ScreenLine(screen, centre, OnEllipse(centre, rx, ry, arc.end), colour);
}

void ScreenFillPixels(ScreenState& screen, ViewPoint a, ViewPoint b, uint8_t colour) {
  const ScreenMode& mode = *screen.mode;
  FillWithin(screen, {0, 0, mode.width - 1, mode.height - 1, false}, a.x, a.y, b.x, b.y, colour);
}

void ScreenPaint(ScreenState& screen, ViewPoint at, const PaintInk& paint, uint8_t border) {
  if (!InDrawingArea(screen, at)) return;
  if (HasPages(screen) || screen.view.set || !paint.tile.empty()) {
    FloodWithin(screen, at, paint, border);
    return;
  }
  // The runtime's own screen, where the picture holds whole blocks, so a
  // flood over its pixels paints whole blocks too.
  const ScreenMode& mode = *screen.mode;
  GfxFloodFill(at.x * mode.scale_x, at.y * mode.scale_y, mode.width * mode.scale_x, mode.height * mode.scale_y,
               screen.palette[paint.colour], screen.palette[border]);
}

int32_t ScreenPoint(const ScreenState& screen, ViewPoint at) {
  return InDrawingArea(screen, at) ? ScreenPixelNumber(screen, at) : -1;
}

void ScreenClearView(ScreenState& screen) {
  const ViewArea& v = screen.view;
  ScreenFillPixels(screen, {v.x1, v.y1}, {v.x2, v.y2}, static_cast<uint8_t>(screen.background));
}

int32_t ScreenPixelNumber(const ScreenState& screen, ViewPoint at) {
  const ScreenMode& mode = *screen.mode;
  if (at.x < 0 || at.y < 0 || at.x >= mode.width || at.y >= mode.height) return -1;
  if (HasPages(screen)) return PagesNumberAt(screen, at.x, at.y);
  const int64_t colour = GfxPixelAt(at.x * mode.scale_x, at.y * mode.scale_y);
  return colour == PixelOutside ? -1 : ColourNumberOf(screen, static_cast<Colour>(colour));
}

int32_t ColourNumberOf(const ScreenState& screen, Colour colour) {
  const ScreenMode& mode = *screen.mode;
  // A pixel drawn before a PALETTE may hold a colour the palette no longer
  // has: it reads as the colour number it was drawn with.
  for (int32_t n = 0; n < mode.colours; ++n) {
    if (screen.palette[n] == colour) return n;
  }
  for (int32_t n = 0; n < mode.colours; ++n) {
    if (DefaultPaletteColour(mode, n) == colour) return n;
  }
  return -1;
}
