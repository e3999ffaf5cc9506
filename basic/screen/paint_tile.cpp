#include "basic/screen/paint_tile.h"

namespace {

int32_t PlanesOf(const ScreenMode& mode) {
  switch (mode.number) {
    case 7: case 8: case 9: case 12: return 4;
    case 10: return 2;
    default: return 1;
  }
}

int32_t BitsPerPixel(const ScreenMode& mode) {
  switch (mode.number) {
    case 1: return 2;
    case 13: return 8;
    default: return 1;
  }
}

}  // namespace

bool DecodePaintTile(const ScreenMode& mode, std::string_view bytes, PaintInk* ink) {
  if (bytes.empty() || bytes.size() > MaxTileBytes) return false;
  const int32_t planes = PlanesOf(mode), bits = BitsPerPixel(mode);
  const auto length = static_cast<int32_t>(bytes.size());
  const int32_t rows = (length + planes - 1) / planes;
  ink->tile_width = 8 / bits;
  ink->tile.assign(static_cast<std::size_t>(rows * ink->tile_width), 0);
  for (int32_t row = 0; row < rows; ++row) {
    for (int32_t plane = 0; plane < planes; ++plane) {
      const int32_t at = row * planes + plane;
      const auto byte = at < length ? static_cast<uint8_t>(bytes[static_cast<std::size_t>(at)]) : uint8_t{0};
      for (int32_t pixel = 0; pixel < ink->tile_width; ++pixel) {
        const int32_t value = byte >> (8 - bits * (pixel + 1)) & ((1 << bits) - 1);
        ink->tile[static_cast<std::size_t>(row * ink->tile_width + pixel)] |= static_cast<uint8_t>(value << plane);
      }
    }
  }
  return true;
}
