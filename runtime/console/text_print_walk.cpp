// The walk of a text print over the character layer: where each byte goes
// and how the cursor moves. Drawing the touched rows is the caller's.
#include <cstdint>
#include <cstring>

#include "runtime/console/text_layer.h"
#include "runtime/strings/strings.h"

static constexpr int32_t TabWidth = 8;

// The byte a tab fills with: the first byte of a fresh one-space string.
static char TabFillByte() {
  RtString space = StrNew(1);
  std::memcpy(space, " ", 1);
  return static_cast<char>(StrFirstByte(space));
}

// Moves the cursor right, but never further than just past the last column.
static void AdvanceCursor(int32_t columns) {
  const int32_t column = TextCursor.column + columns;
  TextCursor.column = column > TextColumns ? TextColumns : column;
}

static void PutByte(char byte) {
  const int32_t row = TextCursor.row;
  const int32_t column = TextCursor.column;
  if (TextCellInLayer(column, row)) {
    TextScreen.characters[row][column] = byte;
    TextScreen.foreground[row][column] = TextForeColor;
    TextScreen.background[row][column] = TextBackColor;
  }
  AdvanceCursor(1);
}

// Fills up to the next tab stop; the colour cells keep what they held.
static void PutTab() {
  const int32_t row = TextCursor.row;
  const int32_t stop = TabWidth - TextCursor.column % TabWidth;
  const char fill = TabFillByte();
  for (int32_t column = TextCursor.column; column < TextCursor.column + stop; ++column) {
    if (TextCellInLayer(column, row)) TextScreen.characters[row][column] = fill;
  }
  AdvanceCursor(stop);
}

// Column 0 of the next row. Below row 100 there is none: the layer scrolls
// a line and the cursor stays on row 100. Returns whether it scrolled.
static bool BreakLine() {
  TextCursor.column = 0;
  const bool scroll = TextCursor.row == TextRows - 1;
  if (scroll) TextScrollOneLine();  // moves the cursor up with the text
  TextCursor.row += 1;
  return scroll;
}

// A cursor left outside the layer by anything else comes back to the
// nearest place the walk can write from.
static void KeepCursorInLayer() {
  TextCursor.column = TextCursor.column < 0 ? 0 : TextCursor.column > TextColumns ? TextColumns : TextCursor.column;
  TextCursor.row = TextCursor.row < 0 ? 0 : TextCursor.row > TextRows - 1 ? TextRows - 1 : TextCursor.row;
}

TextRowSpan TextPrintWalk(RtString s) {
  KeepCursorInLayer();
  TextRowSpan span{TextCursor.row, TextCursor.row};
  for (const char* p = s; *p != 0;) {
    if (*p == '\t') {
      PutTab();
      p += 1;
    } else if (*p == '\r' && p[1] == '\n') {
      if (BreakLine()) span.from = -1;
      p += 2;
    } else {
      PutByte(*p);
      p += 1;
    }
  }
  span.to = TextCursor.row;
  return span;
}
