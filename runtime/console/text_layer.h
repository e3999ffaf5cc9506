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
// Bounds: text is clipped, never wrapped. A byte for a column past 254 is
// dropped and the cursor column stops at 255, "past the end of the row"; a
// tab fills only up to column 254. A line break on row 100 scrolls the layer
// one line, so the cursor row never passes 100. Every write checks the cell
// it writes, so nothing lands outside the row blocks whatever the cursor
// holds.
//
// The window thread owns all of this: it sets the layer up before the window
// exists, writes it, draws it and frees it at the end.
#pragma once

#include <cstdint>

#include "runtime/strings/strings.h"

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
// Moves the cursor to *place (-1 keeps a coordinate), brought into the
// layer's cells, and then puts where the cursor is into *place. When the
// cursor moves past the end of its row's text, the cells before it become
// transparent spaces, so that what is written there is shown.
void TextLocate(TextCursorState* place);

inline bool TextCellInLayer(int32_t column, int32_t row) {
  return 0 <= column && column < TextColumns && 0 <= row && row < TextRows;
}

// Rows a print touched, from..to inclusive; from is -1 when the layer
// scrolled on the way, so that every row must be drawn again.
struct TextRowSpan {
  int32_t from;
  int32_t to;
};
// Writes the bytes of s at the cursor in the current colours, up to its
// first NUL whatever its length field says: a tab fills with spaces up to
// the next multiple of 8, CR LF starts the next row, and any other byte
// (a lone CR or LF, either half of a double-byte character) takes one cell.
// s stays the caller's; nothing is drawn.
TextRowSpan TextPrintWalk(RtString s);

// The edits typing makes on an active input line and on the cells under the
// cursor. Bytes past the line's 255 are dropped, and a dropped byte is not
// echoed. The routines that return a string return the text to echo at the
// cursor, a new string owned by the caller.

// Starts a line: empty, active; the cursor stays where the echo will begin.
void LineEditStart();
// Removes the line's last byte and clears the cell left of the cursor,
// moving the cursor onto it; in column 0 only the byte goes.
void LineEditBackspace();
// Ends the line: NUL after its text, input inactive; echoes CR LF.
RtString LineEditEnter();
// Adds one typed byte (control bytes included).
RtString LineEditAppend(uint8_t byte);
// Adds the first `length` bytes of clip as they are, CR LF and tabs included.
RtString LineEditPaste(const char* clip, int32_t length);
// The ended line, up to its first NUL, as a new string.
RtString LineEditTakeLine();
