#include "basic/screen/view_flood.h"

#include <algorithm>
#include <vector>

#include "basic/screen/screen_pages.h"
#include "runtime/graphics/pixels.h"

namespace {

struct Area {
  int32_t left, top, width, height;
  std::size_t At(int32_t x, int32_t y) const {
    return static_cast<std::size_t>(y - top) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x - left);
  }
};

// Each pixel of the area: whether the flood may pass it (not the border),
// read once: from the active page, or on the runtime's own screen from
// the picture.
std::vector<uint8_t> Passable(const ScreenState& screen, const Area& area, uint8_t border) {
  const ScreenMode& mode = *screen.mode;
  std::vector<uint8_t> passable(static_cast<std::size_t>(area.width) * static_cast<std::size_t>(area.height));
  std::vector<uint8_t> row(static_cast<std::size_t>(area.width));
  for (int32_t y = area.top; y < area.top + area.height; ++y) {
    uint8_t* open = passable.data() + area.At(area.left, y);
    if (HasPages(screen)) {
      PagesRead(screen, area.left, y, area.width, 1, row.data());
      for (int32_t x = 0; x < area.width; ++x) open[x] = row[static_cast<std::size_t>(x)] != border;
      continue;
    }
    for (int32_t x = 0; x < area.width; ++x) {
      const int64_t colour = GfxPixelAt((area.left + x) * mode.scale_x, y * mode.scale_y);
      open[x] = colour != static_cast<int64_t>(screen.palette[border]);
    }
  }
  return passable;
}

// A run of a row in the paint: one fill, or the tile's numbers.
void PaintRun(ScreenState& screen, const PaintInk& paint, int32_t left, int32_t right, int32_t y) {
  if (paint.tile.empty()) return ScreenFillPixels(screen, {left, y}, {right, y}, paint.colour);
  const int32_t width = paint.tile_width;
  const int32_t rows = static_cast<int32_t>(paint.tile.size()) / width;
  const uint8_t* tile_row = paint.tile.data() + static_cast<std::size_t>(y % rows) * static_cast<std::size_t>(width);
  int32_t x = left;
  while (x <= right) {  // runs of one number, each one fill
    const uint8_t number = tile_row[x % width];
    int32_t end = x;
    while (end < right && tile_row[(end + 1) % width] == number) ++end;
    ScreenFillPixels(screen, {x, y}, {end, y}, number);
    x = end + 1;
  }
}

}  // namespace

void FloodWithin(ScreenState& screen, ViewPoint at, const PaintInk& paint, uint8_t border) {
  const ViewArea& view = screen.view;
  const Area area{view.x1, view.y1, view.x2 - view.x1 + 1, view.y2 - view.y1 + 1};
  std::vector<uint8_t> open = Passable(screen, area, border);
  if (!open[area.At(at.x, at.y)]) return;
  // A work list of points, each row's run filled whole once reached, and
  // one point for each open run beside it, above and below; a filled pixel
  // is no longer open, so each is filled once, whatever the paint puts
  // there.
  std::vector<ViewPoint> work{at};
  while (!work.empty()) {
    const ViewPoint p = work.back();
    work.pop_back();
    if (!open[area.At(p.x, p.y)]) continue;
    int32_t left = p.x, right = p.x;
    while (left > view.x1 && open[area.At(left - 1, p.y)]) --left;
    while (right < view.x2 && open[area.At(right + 1, p.y)]) ++right;
    std::fill_n(open.begin() + static_cast<std::ptrdiff_t>(area.At(left, p.y)), right - left + 1, 0);
    for (const int32_t y : {p.y - 1, p.y + 1}) {
      if (y < view.y1 || y > view.y2) continue;
      const uint8_t* row = open.data() + area.At(area.left, y);
      for (int32_t x = left; x <= right; ++x) {
        if (row[x - area.left] && (x == left || !row[x - 1 - area.left])) work.push_back({x, y});
      }
    }
    PaintRun(screen, paint, left, right, p.y);
  }
}
