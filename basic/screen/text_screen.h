// The PC's text screen as its memory held it: rows of cells, each a
// character byte (code page 437) and an attribute byte (foreground 0-15 in
// bits 0-3, background 0-7 in bits 4-6, blink in bit 7), with the cursor,
// the attribute PRINT writes with, and VIEW PRINT's rows that scroll. The
// graphics modes keep their text in the same grid, the attribute byte
// holding the colour number.
//
// Plain data: drawing is text_screen_draw's. Every routine keeps the
// cursor inside the grid, whatever it is handed, and marks the cells it
// changes so that only they are drawn again.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

inline constexpr uint8_t DefaultTextAttribute = 0x07;  // light grey on black

struct TextGrid {
  int32_t columns = 80, rows = 25;
  std::vector<uint8_t> bytes;   // (row * columns + column) * 2: character, then attribute
  std::vector<bool> changed;    // a cell to draw again, by row * columns + column
  int32_t row = 0, column = 0;  // the cursor, from 0
  bool wrap_pending = false;    // the last column was written: the next character starts a new row
  int32_t top = 0, bottom = 24;  // VIEW PRINT's rows, from 0, both included
  uint8_t attribute = DefaultTextAttribute;
  bool cursor_shown = false;                   // LOCATE's third argument
  bool typing = false;                         // a line is being typed: the cursor shows
  int32_t cursor_start = -1, cursor_stop = -1;  // its scan lines; -1: the cell's last two
  int32_t cursor_drawn = -1;                   // the cell the cursor was drawn over, or -1
};

// The PC's text screen's pages, one after another in the adapter's 32 KB
// at &HB800, each in the room its cells round up to (2, 4 or 8 KB), at
// most 8: each page a grid of its own, with its own cursor. The program
// writes on the active page; the visible one is shown.
struct TextPages {
  std::vector<TextGrid> grids;  // by page; the active page's is lent to the screen while it is active
  int32_t active = 0, visible = 0;
};
int32_t TextPageBytes(int32_t columns, int32_t rows);
int32_t TextPageCount(int32_t columns, int32_t rows);

// A grid of blank cells in the default attribute, the cursor home, VIEW
// PRINT on every row. Columns and rows are brought to 1..255.
void TextGridStart(TextGrid* screen, int32_t columns, int32_t rows);
// Blanks rows first..last (from 0, held to the grid) in the current
// attribute.
void TextGridClearRows(TextGrid* screen, int32_t first, int32_t last);
// Writes bytes at the cursor: CR or LF (CR LF counting once) starts the
// next row, a tab moves to the next multiple of 8, BEL is silent, every
// other byte is a character. Past the last column the text goes on at the
// next row; past VIEW PRINT's bottom row the window scrolls up one row.
void TextGridWrite(TextGrid* screen, std::string_view bytes);
// The rows between top and bottom (from 0) become VIEW PRINT's window, and
// the cursor goes to its first row; false, changing nothing, when they are
// not rows of the grid in order.
bool TextGridView(TextGrid* screen, int32_t top, int32_t bottom);
// Moves the cursor to a cell (from 0), held to the grid.
void TextGridLocate(TextGrid* screen, int32_t row, int32_t column);

// A cell's character and attribute; 0 outside the grid.
uint8_t TextGridCharacter(const TextGrid& screen, int32_t row, int32_t column);
uint8_t TextGridAttribute(const TextGrid& screen, int32_t row, int32_t column);
// The attribute COLOR foreground (0-31, 16 and up blinking), background
// (0-7; 8-15 as 0-7) gives.
uint8_t TextAttribute(int32_t foreground, int32_t background);

// The cells as the PC's memory laid them out at &HB800: offset
// (row * columns + column) * 2 is the character, the next the attribute.
// Reads past the grid give 0; writes there are dropped.
uint8_t TextScreenReadByte(const TextGrid& screen, int64_t offset);
void TextScreenWriteByte(TextGrid* screen, int64_t offset, uint8_t value);
