// The text screen's cells as a program pokes them at &HB800 (and &HB000):
// a character byte then an attribute byte per cell, row after row, 32 KB
// of them, as the colour adapter's pages were; a cleared screen (spaces,
// grey on black) until a byte is written.
//
// While the PC's text screen shows, its grid's bytes are its cells
// (memory_devices.cpp); these hold the rest, and all of it on other
// screens, where nothing shows them.
#pragma once

#include <cstdint>
#include <vector>

inline constexpr uint32_t TextCellsSize = 0x8000;

class TextCells {
 public:
  // The byte at an offset of the text screen's memory (below TextCellsSize).
  uint8_t ReadByte(uint32_t offset) const;
  void WriteByte(uint32_t offset, uint8_t byte);

 private:
  std::vector<uint8_t> bytes_;  // made on the first write
};
