// PAINT's flood fill over a plain array of pixels: a scanline fill driven
// by an explicit work list, so that a maze of one-pixel corridors costs
// memory in proportion to its pixels and never the C++ stack.
#pragma once

#include <cstdint>

// Rows of `width` pixels, `height` of them; only the low 24 bits of a
// pixel count.
struct PixelArea {
  uint32_t* pixels;
  int32_t width;
  int32_t height;
};

// The rectangle that the fill changed, right and bottom exclusive; empty
// (left == right) when it changed nothing.
struct FillBounds {
  int32_t left, top, right, bottom;
};

// Paints with `paint` every pixel 4-connected to (x, y) through pixels
// whose colour is not `border`. Nothing when (x, y) is outside the area or
// is the border colour.
FillBounds FloodFill(PixelArea area, int32_t x, int32_t y, uint32_t paint, uint32_t border);
