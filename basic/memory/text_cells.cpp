#include "basic/memory/text_cells.h"

namespace {

// A cleared screen's cell: a space, grey on black.
uint8_t ClearedByte(uint32_t offset) { return offset % 2 == 0 ? ' ' : 0x07; }

}  // namespace

uint8_t TextCells::ReadByte(uint32_t offset) const {
  if (offset >= TextCellsSize) return 0;
  return bytes_.empty() ? ClearedByte(offset) : bytes_[offset];
}

void TextCells::WriteByte(uint32_t offset, uint8_t byte) {
  if (offset >= TextCellsSize) return;
  if (bytes_.empty()) {
    bytes_.resize(TextCellsSize);
    for (uint32_t i = 0; i < TextCellsSize; ++i) bytes_[i] = ClearedByte(i);
  }
  bytes_[offset] = byte;
}
