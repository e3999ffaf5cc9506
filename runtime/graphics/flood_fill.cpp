#include "runtime/graphics/flood_fill.h"

#include <algorithm>
#include <vector>

namespace {

constexpr uint32_t ColourBits = 0xFFFFFF;

struct Seed {
  int32_t x, y;
};

class Filler {
 public:
  Filler(PixelArea area, uint32_t paint, uint32_t border)
      : area_(area),
        paint_(paint),
        border_(border & ColourBits),
        done_(static_cast<std::size_t>(area.width) * static_cast<std::size_t>(area.height)) {}

  FillBounds Run(int32_t x, int32_t y) {
    work_.push_back({x, y});
    while (!work_.empty()) {
      const Seed seed = work_.back();
      work_.pop_back();
      if (Open(seed.x, seed.y)) FillSpan(seed);
    }
    return bounds_;
  }

 private:
  std::size_t Index(int32_t x, int32_t y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(area_.width) + static_cast<std::size_t>(x);
  }

  // Not yet painted by this fill, and not the border. A pixel painted here
  // is never looked at again, so a paint colour already in the area, or
  // equal to the border's, cannot make the fill go round forever.
  bool Open(int32_t x, int32_t y) const {
    const std::size_t i = Index(x, y);
    return !done_[i] && (area_.pixels[i] & ColourBits) != border_;
  }

  // The run of open pixels through the seed, painted; then a seed for
  // each open run touching it in the rows above and below.
  void FillSpan(Seed seed) {
    int32_t left = seed.x;
    int32_t right = seed.x;
    while (left > 0 && Open(left - 1, seed.y)) --left;
    while (right + 1 < area_.width && Open(right + 1, seed.y)) ++right;
    for (int32_t x = left; x <= right; ++x) {
      done_[Index(x, seed.y)] = true;
      area_.pixels[Index(x, seed.y)] = paint_;
    }
    Grow(left, seed.y, right + 1, seed.y + 1);
    if (seed.y > 0) SeedRow(left, right, seed.y - 1);
    if (seed.y + 1 < area_.height) SeedRow(left, right, seed.y + 1);
  }

  void SeedRow(int32_t left, int32_t right, int32_t y) {
    bool in_run = false;
    for (int32_t x = left; x <= right; ++x) {
      const bool open = Open(x, y);
      if (open && !in_run) work_.push_back({x, y});
      in_run = open;
    }
  }

  void Grow(int32_t left, int32_t top, int32_t right, int32_t bottom) {
    if (bounds_.left == bounds_.right) {
      bounds_ = {left, top, right, bottom};
      return;
    }
    bounds_ = {std::min(bounds_.left, left), std::min(bounds_.top, top), std::max(bounds_.right, right),
               std::max(bounds_.bottom, bottom)};
  }

  PixelArea area_;
  uint32_t paint_;
  uint32_t border_;
  std::vector<bool> done_;
  std::vector<Seed> work_;
  FillBounds bounds_{0, 0, 0, 0};
};

}  // namespace

FillBounds FloodFill(PixelArea area, int32_t x, int32_t y, uint32_t paint, uint32_t border) {
  if (area.pixels == nullptr || x < 0 || y < 0 || x >= area.width || y >= area.height) return {0, 0, 0, 0};
  return Filler(area, paint, border).Run(x, y);
}
