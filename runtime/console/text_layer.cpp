#include "runtime/console/text_layer.h"

#include <cstring>

#include "runtime/strings/strings.h"

TextScreenState TextScreen;
TextCursorState TextCursor;
uint32_t TextForeColor;
uint32_t TextBackColor;
int32_t CellWidth;
int32_t CellHeight;
InputLineState InputLine;

static constexpr uint32_t White = 0xFFFFFF;
static constexpr uint32_t Black = 0;

static void AllocateRow(int32_t row) {
  TextScreen.characters[row] = static_cast<char*>(MemAllocZero(TextColumns));
  TextScreen.foreground[row] = static_cast<uint32_t*>(MemAllocZero(TextColumns * sizeof(uint32_t)));
  TextScreen.background[row] = static_cast<uint32_t*>(MemAllocZero(TextColumns * sizeof(uint32_t)));
}

static void FreeRow(int32_t row) {
  MemFree(TextScreen.characters[row]);
  MemFree(TextScreen.foreground[row]);
  MemFree(TextScreen.background[row]);
}

void TextScreenSetUp() {
  for (int32_t row = 0; row < TextRows; ++row) AllocateRow(row);
  TextForeColor = White;
  TextBackColor = Black;
}

void TextScreenTearDown() {
  for (int32_t row = 0; row < TextRows; ++row) FreeRow(row);
}

template <typename T>
static void ShiftUp(T* (&table)[TextRows]) {
  std::memmove(&table[0], &table[1], (TextRows - 1) * sizeof(T*));
}

void TextScrollOneLine() {
  FreeRow(0);
  ShiftUp(TextScreen.characters);
  ShiftUp(TextScreen.foreground);
  ShiftUp(TextScreen.background);
  AllocateRow(TextRows - 1);
  TextCursor.row -= 1;
}

bool TextScrollToCursor(int32_t client_bottom) {
  bool scrolled = false;
  // Strictly below: a row whose bottom edge is the client's bottom stays.
  // Row 0 never scrolls away, however low the client area.
  while ((int64_t{TextCursor.row} + 1) * CellHeight > client_bottom && TextCursor.row > 0) {
    TextScrollOneLine();
    scrolled = true;
  }
  return scrolled;
}

int32_t TextRowLength(int32_t row) {
  const char* text = TextScreen.characters[row];
  const void* nul = std::memchr(text, 0, TextColumns);
  return nul == nullptr ? TextColumns : static_cast<int32_t>(static_cast<const char*>(nul) - text);
}

void TextClear() {
  for (int32_t row = 0; row < TextRows; ++row) std::memset(TextScreen.characters[row], 0, TextColumns);
  TextCursor = {0, 0};
}
