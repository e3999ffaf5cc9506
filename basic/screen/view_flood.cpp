#include "basic/screen/view_flood.h"

#include <vector>

#include "runtime/graphics/pixels.h"

namespace {

struct Area {
  int32_t left, top, width, height;
  std::size_t At(int32_t x, int32_t y) const {
    return static_cast<std::size_t>(y - top) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x - left);
  }
};

// Each pixel of the area: whether the flood may pass it (not the border),
// read once from the picture.
std::vector<uint8_t> Passable(const ScreenMode& mode, const Area& area, Colour border) {
  std::vector<uint8_t> passable(static_cast<std::size_t>(area.width) * static_cast<std::size_t>(area.height));
  for (int32_t y = area.top; y < area.top + area.height; ++y) {
    for (int32_t x = area.left; x < area.left + area.width; ++x) {
      const int64_t colour = GfxPixelAt(x * mode.scale_x, y * mode.scale_y);
      passable[area.At(x, y)] = colour != static_cast<int64_t>(border);
    }
  }
  return passable;
}

}  // namespace

void FloodWithin(const ScreenMode& mode, const ViewArea& view, ViewPoint at, Colour paint, Colour border) {
  const Area area{view.x1, view.y1, view.x2 - view.x1 + 1, view.y2 - view.y1 + 1};
  std::vector<uint8_t> open = Passable(mode, area, border);
  if (!open[area.At(at.x, at.y)]) return;
  // A work list of points, each row's run filled whole once reached; a
  // filled pixel is no longer open, so each is filled once.
  std::vector<ViewPoint> work{at};
  while (!work.empty()) {
    const ViewPoint p = work.back();
    work.pop_back();
    if (!open[area.At(p.x, p.y)]) continue;
    int32_t left = p.x, right = p.x;
    while (left > view.x1 && open[area.At(left - 1, p.y)]) --left;
    while (right < view.x2 && open[area.At(right + 1, p.y)]) ++right;
    for (int32_t x = left; x <= right; ++x) {
      open[area.At(x, p.y)] = 0;
      for (const int32_t y : {p.y - 1, p.y + 1}) {
        if (y >= view.y1 && y <= view.y2 && open[area.At(x, y)]) work.push_back({x, y});
      }
    }
    ScreenFillPixels(mode, {left, p.y}, {right, p.y}, paint);
  }
}
