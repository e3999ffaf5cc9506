#include "basic/screen/video_memory.h"

#include "basic/screen/screen_draw.h"

namespace {

// The first pixel a byte holds, and how many it holds at how many bits.
struct ByteSpan {
  bool inside;
  ViewPoint first;
  int32_t pixels, bits;
};

ByteSpan SpanOf(const ScreenMode& mode, int64_t offset) {
  if (offset < 0) return {false, {0, 0}, 0, 0};
  switch (mode.number) {
    case 13:
      return {offset < 64000, {static_cast<int32_t>(offset % 320), static_cast<int32_t>(offset / 320)}, 1, 8};
    case 1: case 2: {
      // The CGA's two banks of 8 KB, each 100 rows of 80 bytes.
      const int64_t bank = offset / 0x2000, within = offset % 0x2000;
      const auto row = static_cast<int32_t>(2 * (within / 80) + bank);
      const int32_t per_byte = mode.number == 1 ? 4 : 8;
      const auto x = static_cast<int32_t>(within % 80 * per_byte);
      return {bank < 2 && row < mode.height, {x, row}, per_byte, 8 / per_byte};
    }
    case 0: return {false, {0, 0}, 0, 0};
    default: {
      const int64_t across = mode.width / 8;
      return {offset < across * mode.height,
              {static_cast<int32_t>(offset % across * 8), static_cast<int32_t>(offset / across)}, 8, 1};
    }
  }
}

// Of a planar mode's byte, the planes each pixel's bit is kept in.
bool Planar(const ScreenMode& mode) { return mode.number >= 7 && mode.number <= 12; }

int32_t NumberAt(const ScreenState& screen, ViewPoint at) {
  const int32_t number = ScreenPixelNumber(screen, at);
  return number < 0 ? 0 : number;
}

}  // namespace

int32_t VideoSegment(const ScreenMode& mode) {
  switch (mode.number) {
    case 0: return 0;
    case 1: case 2: return 0xB800;
    default: return 0xA000;
  }
}

uint8_t ReadVideoByte(const ScreenState& screen, int64_t offset, int32_t plane) {
  const ByteSpan span = SpanOf(*screen.mode, offset);
  if (!span.inside) return 0;
  const bool planar = Planar(*screen.mode);
  const int32_t mask = (1 << span.bits) - 1;
  uint32_t value = 0;
  for (int32_t i = 0; i < span.pixels; ++i) {
    const int32_t number = NumberAt(screen, {span.first.x + i, span.first.y});
    const int32_t bits = planar ? number >> plane & 1 : number & mask;
    value = value << span.bits | static_cast<uint32_t>(bits);
  }
  return static_cast<uint8_t>(value);
}

void WriteVideoByte(ScreenState& screen, int64_t offset, uint8_t value, int32_t plane_mask) {
  const ByteSpan span = SpanOf(*screen.mode, offset);
  if (!span.inside) return;
  const bool planar = Planar(*screen.mode);
  const int32_t mask = (1 << span.bits) - 1;
  for (int32_t i = 0; i < span.pixels; ++i) {
    const ViewPoint at{span.first.x + i, span.first.y};
    const int32_t bits = value >> ((span.pixels - 1 - i) * span.bits) & mask;
    int32_t number = bits;
    if (planar) {
      number = NumberAt(screen, at);
      number = bits ? number | plane_mask : number & ~plane_mask;
      number &= 15;
    }
    ScreenFillPixels(screen, at, at, static_cast<uint8_t>(number));
  }
}
