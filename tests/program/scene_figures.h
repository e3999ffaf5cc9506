// The scene's 2502 figures, computed here from scratch (the generator in
// plain integer arithmetic, floors and roundings from the C library), for
// comparing the program's picture against.
#pragma once

#include <cmath>
#include <cstdint>
#include <vector>

#include "tests/support/reference_picture.h"

class IndependentRnd {
 public:
  double Next() {
    const int64_t a = Step(), b = Step();
    return static_cast<double>((a * b) % 100000) / 100000.0;
  }

 private:
  // The upper half of the new state, rounded half to even, modulo 32768.
  int64_t Step() {
    state_ = state_ * 1103515245u + 12345u;
    const uint32_t high = state_ >> 16, low = state_ & 0xFFFF;
    const bool up = low > 0x8000 || (low == 0x8000 && (high & 1) != 0);
    return (high + (up ? 1 : 0)) % 32768;
  }
  uint32_t state_ = 1;
};

inline std::vector<ReferenceFigure> SceneFigures() {
  constexpr uint32_t Black = 0x000000, Blue = 0xFF0000, Cyan = 0xFFFF00, White = 0xFFFFFF;
  std::vector<ReferenceFigure> figures = {
      {ReferenceFigure::Box, 0, 0, 640, 400, White, true, White},
      {ReferenceFigure::Box, 0, 280, 640, 400, Blue, true, Blue},
  };
  IndependentRnd rnd;
  auto circle = [&](double cx, double cy, int r, int ry, uint32_t colour) {
    const int x = static_cast<int>(std::nearbyint(cx)), y = static_cast<int>(std::nearbyint(cy));
    figures.push_back({ReferenceFigure::Ellipse, x - r, y - ry, x + r, y + ry, colour, true, colour});
  };
  for (int ball = 0; ball < 500; ++ball) {
    const double x = std::floor(rnd.Next() * 600) + 20;
    const double y = std::floor(rnd.Next() * 220) + 40;
    const int r = static_cast<int>(std::floor(rnd.Next() * 30)) + 20;
    circle(x - 2, y / 5 + 300, r, static_cast<int>(std::nearbyint(r * 0.2)), Black);
    circle(x - 2, y - 8, r, r, Black);
    circle(x - 5, y - 10, r - 3, r - 3, Blue);
    circle(x - 10, y - 12, r - 7, r - 7, Cyan);
    circle(x - 15, y - 16, r - 19, r - 19, White);
  }
  return figures;
}
