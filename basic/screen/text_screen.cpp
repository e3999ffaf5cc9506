#include "basic/screen/text_screen.h"

#include <algorithm>
#include <cstring>

namespace {

std::size_t CellIndex(const TextGrid& screen, int32_t row, int32_t column) {
  return static_cast<std::size_t>(row) * static_cast<std::size_t>(screen.columns) + static_cast<std::size_t>(column);
}

bool InGrid(const TextGrid& screen, int32_t row, int32_t column) {
  return row >= 0 && row < screen.rows && column >= 0 && column < screen.columns;
}

void PutCell(TextGrid* screen, int32_t row, int32_t column, uint8_t character, uint8_t attribute) {
  const std::size_t cell = CellIndex(*screen, row, column);
  screen->bytes[cell * 2] = character;
  screen->bytes[cell * 2 + 1] = attribute;
  screen->changed[cell] = true;
}

// Moves VIEW PRINT's rows up one, the new bottom row blank.
void ScrollView(TextGrid* screen) {
  const std::size_t row_bytes = static_cast<std::size_t>(screen->columns) * 2;
  uint8_t* first = screen->bytes.data() + static_cast<std::size_t>(screen->top) * row_bytes;
  std::memmove(first, first + row_bytes, static_cast<std::size_t>(screen->bottom - screen->top) * row_bytes);
  const auto begin = screen->changed.begin() + static_cast<std::ptrdiff_t>(CellIndex(*screen, screen->top, 0));
  std::fill(begin, begin + static_cast<std::ptrdiff_t>((screen->bottom - screen->top + 1) * screen->columns), true);
  TextGridClearRows(screen, screen->bottom, screen->bottom);
}

// The next row, scrolling at the window's bottom. Below the window (where
// LOCATE may put the cursor) the cursor stays on its row, as the PC's did.
void NewRow(TextGrid* screen) {
  screen->column = 0;
  screen->wrap_pending = false;
  if (screen->row == screen->bottom) {
    ScrollView(screen);
  } else if (screen->row < screen->rows - 1) {
    ++screen->row;
  }
}

void PutCharacter(TextGrid* screen, uint8_t character) {
  if (screen->wrap_pending) NewRow(screen);
  PutCell(screen, screen->row, screen->column, character, screen->attribute);
  if (screen->column + 1 < screen->columns) {
    ++screen->column;
  } else {
    screen->wrap_pending = true;
  }
}

}  // namespace

int32_t TextPageBytes(int32_t columns, int32_t rows) {
  int32_t bytes = 2048;
  while (bytes < columns * rows * 2) bytes *= 2;
  return bytes;
}

int32_t TextPageCount(int32_t columns, int32_t rows) {
  constexpr int32_t AdapterBytes = 32768, MostPages = 8;
  return std::clamp(AdapterBytes / TextPageBytes(columns, rows), 1, MostPages);
}

void TextGridStart(TextGrid* screen, int32_t columns, int32_t rows) {
  screen->columns = std::clamp(columns, 1, 255);
  screen->rows = std::clamp(rows, 1, 255);
  const std::size_t cells = CellIndex(*screen, screen->rows, 0);
  screen->bytes.assign(cells * 2, 0);
  screen->changed.assign(cells, true);
  screen->cursor_drawn = -1;
  screen->attribute = DefaultTextAttribute;
  screen->top = 0;
  screen->bottom = screen->rows - 1;
  TextGridClearRows(screen, 0, screen->rows - 1);
  TextGridLocate(screen, 0, 0);
}

void TextGridClearRows(TextGrid* screen, int32_t first, int32_t last) {
  first = std::max(first, 0);
  last = std::min(last, screen->rows - 1);
  for (int32_t row = first; row <= last; ++row) {
    for (int32_t column = 0; column < screen->columns; ++column) PutCell(screen, row, column, ' ', screen->attribute);
  }
}

void TextGridWrite(TextGrid* screen, std::string_view bytes) {
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const auto byte = static_cast<uint8_t>(bytes[i]);
    if (byte == '\r' || byte == '\n') {
      if (byte == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
      NewRow(screen);
    } else if (byte == '\t') {
      do PutCharacter(screen, ' ');
      while (screen->column % 8 != 0 && !screen->wrap_pending);
    } else if (byte != 7) {
      PutCharacter(screen, byte);
    }
  }
}

bool TextGridView(TextGrid* screen, int32_t top, int32_t bottom) {
  if (top < 0 || bottom >= screen->rows || top > bottom) return false;
  screen->top = top;
  screen->bottom = bottom;
  TextGridLocate(screen, top, 0);
  return true;
}

void TextGridLocate(TextGrid* screen, int32_t row, int32_t column) {
  screen->row = std::clamp(row, 0, screen->rows - 1);
  screen->column = std::clamp(column, 0, screen->columns - 1);
  screen->wrap_pending = false;
}

uint8_t TextGridCharacter(const TextGrid& screen, int32_t row, int32_t column) {
  return InGrid(screen, row, column) ? screen.bytes[CellIndex(screen, row, column) * 2] : 0;
}

uint8_t TextGridAttribute(const TextGrid& screen, int32_t row, int32_t column) {
  return InGrid(screen, row, column) ? screen.bytes[CellIndex(screen, row, column) * 2 + 1] : 0;
}

uint8_t TextAttribute(int32_t foreground, int32_t background) {
  return static_cast<uint8_t>((foreground & 15) | (background & 7) << 4 | (foreground & 16) << 3);
}

uint8_t TextScreenReadByte(const TextGrid& screen, int64_t offset) {
  if (offset < 0 || offset >= static_cast<int64_t>(screen.bytes.size())) return 0;
  return screen.bytes[static_cast<std::size_t>(offset)];
}

void TextScreenWriteByte(TextGrid* screen, int64_t offset, uint8_t value) {
  if (offset < 0 || offset >= static_cast<int64_t>(screen->bytes.size())) return;
  screen->bytes[static_cast<std::size_t>(offset)] = value;
  screen->changed[static_cast<std::size_t>(offset / 2)] = true;
}
