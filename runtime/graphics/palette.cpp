#include "runtime/graphics/graphics.h"

static constexpr Colour Palette[8] = {
    0x000000,  // 0 black
    0xFF0000,  // 1 blue
    0x0000FF,  // 2 red
    0xFF00FF,  // 3 magenta
    0x00FF00,  // 4 green
    0xFFFF00,  // 5 cyan
    0x00FFFF,  // 6 yellow
    0xFFFFFF,  // 7 white
};

Colour ColorFromCode(double code) {
  // Exact comparison: 1.5, -1, 8 and NaN match nothing and give black.
  for (int index = 0; index < 8; ++index) {
    if (code == static_cast<double>(index)) return Palette[index];
  }
  return 0x000000;
}
