// A graphics GET's image as the classic BASICs laid it out in an array's
// bytes: a 2-byte width in bits (the pixels times the bits per pixel of a
// plane), a 2-byte height in pixels, then the rows from the top, each row
// every plane's bits in turn (plane 0 first: the colour number's bit 0),
// each plane's bits padded to a whole byte, pixels from the byte's top bit.
//
//   SCREEN 1        2 bits per pixel, 1 plane
//   SCREEN 2        1 bit, 1 plane
//   SCREEN 7 to 12  1 bit, 4 planes
//   SCREEN 13       8 bits, 1 plane: a byte per pixel
//
// Pure functions of colour numbers (one byte each, row by row) and bytes.
#pragma once

#include <cstdint>
#include <vector>

#include "basic/screen/screen_modes.h"

struct SpriteShape {
  int32_t bits;    // per pixel in one plane
  int32_t planes;
};

// The mode's shape; false for the runtime's own screen, which has none.
bool SpriteShapeOf(const ScreenMode& mode, SpriteShape* shape);

// The bytes of one row (every plane) of an image that many pixels wide, and
// of the whole image with its 4 bytes of sizes.
int64_t SpriteRowBytes(SpriteShape shape, int64_t width);
int64_t SpriteBytes(SpriteShape shape, int64_t width, int64_t height);

// The image's bytes, sizes first: width x height colour numbers, row by
// row; width * bits and height at most 65535.
std::vector<uint8_t> EncodeSprite(SpriteShape shape, int32_t width, int32_t height, const std::vector<uint8_t>& colours);

// The sizes an image's first 4 bytes give: its width in pixels (the bits
// divided by the bits per pixel, a part pixel dropped) and height.
void SpriteSizes(SpriteShape shape, const uint8_t* header, int32_t* width, int32_t* height);
// The colour numbers of the image whose rows (after the 4 bytes of sizes)
// are `rows`: SpriteRowBytes(width) * height of them.
std::vector<uint8_t> DecodeSprite(SpriteShape shape, int32_t width, int32_t height, const uint8_t* rows);
