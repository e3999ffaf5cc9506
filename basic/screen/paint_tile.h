// PAINT's tile: a string whose bytes are rows of pixels, laid out as the
// mode kept its pixels. Two-colour modes (2, 11) have 8 pixels a byte;
// SCREEN 1 four, 2 bits each; the planar modes (7 to 10, 12) take a byte
// per plane for each row of 8 pixels; SCREEN 13 a byte per pixel, so its
// tile is one pixel wide. A byte's first pixel is its top bit; each row
// holds the screen's rows y where y MOD rows is its number.
#pragma once

#include <string_view>

#include "basic/screen/screen_draw.h"

inline constexpr std::size_t MaxTileBytes = 64;

// The tile as colour numbers; false when the string is empty or longer
// than MaxTileBytes. A planar row the string ends within has its missing
// planes 0.
bool DecodePaintTile(const ScreenMode& mode, std::string_view bytes, PaintInk* ink);
