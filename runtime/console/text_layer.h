// The console's character layer and its input line: plain data and the
// routines that change them, with no call into Windows.
//
// The layer has rows 0..100 of 255 cells. A cell is one byte of text (a
// double-byte character takes two cells) with a foreground and a background
// COLORREF of its own; a background of TransparentColor lets the picture
// show through. A row's text ends at its first NUL, and at 255 bytes when it
// has none. The cell in column x of row y is drawn with its top-left corner
// at client pixel (x * CellWidth, y * CellHeight).
//
// The window thread owns all of this: it sets the layer up before the window
// exists, writes it, draws it and frees it at the end.
#pragma once

#include <cstdint>

inline constexpr int32_t TextRows = 101;
inline constexpr int32_t TextColumns = 255;
inline constexpr uint32_t TransparentColor = 0xFFFFFFFF;

// Three tables of row blocks; scrolling moves these pointers, never cells.
struct TextScreenState {
  char* characters[TextRows];      // 255 bytes each
  uint32_t* foreground[TextRows];  // 255 COLORREFs each
  uint32_t* background[TextRows];  // 255 COLORREFs each
};
extern TextScreenState TextScreen;

// The cell where the next character goes.
struct TextCursorState {
  int32_t column;
  int32_t row;
};
extern TextCursorState TextCursor;

// Colours given to every character written: white on opaque black.
extern uint32_t TextForeColor;
extern uint32_t TextBackColor;

// Pixel size of a half-width cell, measured from the console font.
extern int32_t CellWidth;
extern int32_t CellHeight;

// The line being typed. A length of -1 means no line input is active; 0 to
// 255 is the number of bytes typed so far, with room for a NUL after them.
inline constexpr int32_t InputLineCapacity = 255;
struct InputLineState {
  char text[InputLineCapacity + 1];
  int32_t length;
};
extern InputLineState InputLine;

// Allocates every row zero-filled and sets the current colours.
void TextScreenSetUp();
// Frees the blocks the rows hold now, after any scrolling.
void TextScreenTearDown();
// Drops row 0, moves every row up one place and gives row 100 fresh blocks;
// the cursor moves up with the text.
void TextScrollOneLine();
// Scrolls until the cursor row's bottom edge lies within a client area
// client_bottom pixels high, or the cursor reaches row 0. Returns whether
// anything scrolled.
bool TextScrollToCursor(int32_t client_bottom);
// Bytes of row's text: up to its first NUL, never past its 255 cells.
int32_t TextRowLength(int32_t row);
// Empties the text of every row (colours stay) and homes the cursor.
void TextClear();
