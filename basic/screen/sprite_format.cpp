#include "basic/screen/sprite_format.h"

#include <algorithm>

namespace {

// The bits of plane p of the colour number, as they sit in a row.
uint32_t PlaneBits(SpriteShape shape, uint8_t colour, int32_t plane) {
  if (shape.planes == 1) return colour & ((1u << shape.bits) - 1);
  return colour >> plane & 1u;
}

}  // namespace

bool SpriteShapeOf(const ScreenMode& mode, SpriteShape* shape) {
  switch (mode.number) {
    case 1: *shape = {2, 1}; return true;
    case 2: case 11: *shape = {1, 1}; return true;
    case 10: *shape = {1, 2}; return true;
    case 13: *shape = {8, 1}; return true;
    case 7: case 8: case 9: case 12: *shape = {1, 4}; return true;
    default: return false;
  }
}

int64_t SpriteRowBytes(SpriteShape shape, int64_t width) { return (width * shape.bits + 7) / 8 * shape.planes; }

int64_t SpriteBytes(SpriteShape shape, int64_t width, int64_t height) {
  return 4 + SpriteRowBytes(shape, width) * height;
}

std::vector<uint8_t> EncodeSprite(SpriteShape shape, int32_t width, int32_t height, const std::vector<uint8_t>& colours) {
  std::vector<uint8_t> bytes(static_cast<std::size_t>(SpriteBytes(shape, width, height)), 0);
  const uint32_t bits_across = static_cast<uint32_t>(width * shape.bits);
  bytes[0] = static_cast<uint8_t>(bits_across);
  bytes[1] = static_cast<uint8_t>(bits_across >> 8);
  bytes[2] = static_cast<uint8_t>(height);
  bytes[3] = static_cast<uint8_t>(height >> 8);
  const int64_t plane_bytes = SpriteRowBytes(shape, width) / shape.planes;
  std::size_t at = 4;
  for (int32_t y = 0; y < height; ++y) {
    for (int32_t plane = 0; plane < shape.planes; ++plane) {
      for (int32_t x = 0; x < width; ++x) {
        const int64_t bit = int64_t{x} * shape.bits;  // from the row's first byte's top bit
        const uint8_t colour = colours[static_cast<std::size_t>(int64_t{y} * width + x)];
        const int shift = static_cast<int>(8 - shape.bits - bit % 8);
        bytes[at + static_cast<std::size_t>(bit / 8)] |= static_cast<uint8_t>(PlaneBits(shape, colour, plane) << shift);
      }
      at += static_cast<std::size_t>(plane_bytes);
    }
  }
  return bytes;
}

void SpriteSizes(SpriteShape shape, const uint8_t* header, int32_t* width, int32_t* height) {
  *width = (header[0] | header[1] << 8) / shape.bits;
  *height = header[2] | header[3] << 8;
}

std::vector<uint8_t> DecodeSprite(SpriteShape shape, int32_t width, int32_t height, const uint8_t* rows) {
  std::vector<uint8_t> colours(static_cast<std::size_t>(int64_t{width} * height), 0);
  if (shape.bits == 8) {  // a byte a pixel: the rows are the colours
    std::copy_n(rows, colours.size(), colours.begin());
    return colours;
  }
  const int64_t plane_bytes = SpriteRowBytes(shape, width) / shape.planes;
  const uint32_t mask = (1u << shape.bits) - 1;
  for (int32_t y = 0; y < height; ++y) {
    for (int32_t plane = 0; plane < shape.planes; ++plane) {
      for (int32_t x = 0; x < width; ++x) {
        const int64_t bit = int64_t{x} * shape.bits;
        const int shift = static_cast<int>(8 - shape.bits - bit % 8);
        const uint32_t value = rows[bit / 8] >> shift & mask;
        colours[static_cast<std::size_t>(int64_t{y} * width + x)] |= static_cast<uint8_t>(shape.planes == 1 ? value : value << plane);
      }
      rows += plane_bytes;
    }
  }
  return colours;
}
