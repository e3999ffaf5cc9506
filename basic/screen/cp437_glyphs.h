// The PC's character set, code page 437, as bitmaps: one byte per row of
// 8 pixels, the leftmost pixel in the top bit, in cells 8, 14 and 16 rows
// high. The tables are made at build time by tools/cp437_glyphs.cmake from
// Debian's console-setup-linux VGA fonts.
#pragma once

#include <cstdint>

extern const uint8_t Cp437Glyphs8[256][8];
extern const uint8_t Cp437Glyphs14[256][14];
extern const uint8_t Cp437Glyphs16[256][16];

// The rows of a character in cells `height` rows high (8, 14 or 16; any
// other height gets the 8-row glyphs).
inline const uint8_t* Cp437Glyph(int32_t height, uint8_t code) {
  if (height == 16) return Cp437Glyphs16[code];
  if (height == 14) return Cp437Glyphs14[code];
  return Cp437Glyphs8[code];
}
