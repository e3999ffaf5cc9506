// The recording runtime's picture: the colour layer's calls paint a
// 640 x 480 array of COLORREFs, so that tests read back what a program
// drew and POINT and PAINT work as on the window.
#include <algorithm>
#include <vector>

#include "runtime/graphics/flood_fill.h"
#include "runtime/graphics/pixels.h"
#include "tests/basic/recording_runtime.h"

namespace {

std::vector<uint32_t>& Picture() {
  static std::vector<uint32_t> picture(static_cast<std::size_t>(RecordedWidth * RecordedHeight), 0);
  return picture;
}

bool Inside(int64_t x, int64_t y) { return x >= 0 && y >= 0 && x < RecordedWidth && y < RecordedHeight; }

}  // namespace

void ClearRecordedPicture() { std::fill(Picture().begin(), Picture().end(), 0u); }

Colour RecordedPixel(int32_t x, int32_t y) {
  return Inside(x, y) ? Picture()[static_cast<std::size_t>(y * RecordedWidth + x)] : 0;
}

void GfxFillRgb(int32_t x, int32_t y, int32_t width, int32_t height, Colour colour) {
  ++TheRecording.fills;
  for (int64_t row = y; row < int64_t{y} + height; ++row) {
    for (int64_t column = x; column < int64_t{x} + width; ++column) {
      if (Inside(column, row)) Picture()[static_cast<std::size_t>(row * RecordedWidth + column)] = colour;
    }
  }
}

void GfxPset(int32_t x, int32_t y, int32_t colour) {
  TheRecording.calls.push_back("PSET " + std::to_string(x) + " " + std::to_string(y) + " " + std::to_string(colour));
  GfxFillRgb(x, y, 1, 1, ColorFromCode(colour));
  LastPoint = {x, y};
}

void GfxShowPending() { ++TheRecording.shows; }

int64_t GfxPixelAt(int32_t x, int32_t y) { return Inside(x, y) ? RecordedPixel(x, y) : PixelOutside; }

bool GfxReadRgb(int32_t x, int32_t y, int32_t width, int32_t height, Colour* pixels) {
  if (width <= 0 || height <= 0 || !Inside(x, y) || !Inside(int64_t{x} + width - 1, int64_t{y} + height - 1)) return false;
  ++TheRecording.block_reads;
  for (int32_t row = 0; row < height; ++row) {
    for (int32_t column = 0; column < width; ++column) *pixels++ = RecordedPixel(x + column, y + row);
  }
  return true;
}

void GfxWriteRgb(int32_t x, int32_t y, int32_t width, int32_t height, const Colour* pixels) {
  ++TheRecording.block_writes;
  for (int64_t row = y; row < int64_t{y} + height; ++row) {
    for (int64_t column = x; column < int64_t{x} + width; ++column, ++pixels) {
      if (Inside(column, row)) Picture()[static_cast<std::size_t>(row * RecordedWidth + column)] = *pixels;
    }
  }
}

void GfxFloodFill(int32_t x, int32_t y, int32_t width, int32_t height, Colour paint, Colour border) {
  // Fills within the area as the window's does: a copy of it, painted and
  // copied back.
  width = std::clamp(width, 0, RecordedWidth);
  height = std::clamp(height, 0, RecordedHeight);
  std::vector<uint32_t> area(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
  for (int32_t row = 0; row < height; ++row) {
    for (int32_t column = 0; column < width; ++column) {
      area[static_cast<std::size_t>(row * width + column)] = RecordedPixel(column, row);
    }
  }
  FloodFill({area.data(), width, height}, x, y, paint, border);
  for (int32_t row = 0; row < height; ++row) {
    for (int32_t column = 0; column < width; ++column) {
      Picture()[static_cast<std::size_t>(row * RecordedWidth + column)] = area[static_cast<std::size_t>(row * width + column)];
    }
  }
}
