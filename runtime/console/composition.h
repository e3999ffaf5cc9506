// The text an input method is composing while a line is typed, and where
// the window shows it: from the text cursor on, after the typed text, in
// cells like the layer's, flowing onto the next row at the visible right
// edge. It is never part of the input line or the layer's cells: the window
// draws it over them, and draws them again when it changes or ends.
//
// The input method marks each byte: the clause being converted is drawn
// with a thicker underline than the rest. Its cursor is a byte offset.
#pragma once

#include <cstdint>

#include "runtime/console/text_layer.h"

// As much as a line can take: more could never be committed into it.
inline constexpr int32_t CompositionCapacity = InputLineCapacity;

// Whether a byte begins a double-byte character in the program's code page.
using LeadBytePredicate = bool (*)(uint8_t byte);

struct CompositionText {
  char bytes[CompositionCapacity];
  uint8_t attributes[CompositionCapacity];
  int32_t length;  // 0 while nothing is being composed
  int32_t cursor;  // 0..length, on a character's first byte
};

// Takes what the input method reports, none of it trusted: at most
// CompositionCapacity bytes, whole characters only (a lead byte without its
// partner is left out); a byte with no attribute counts as plain input; the
// cursor is brought into the text and onto a character's first byte.
void CompositionSetText(CompositionText* text, const char* bytes, int32_t length, const uint8_t* attributes,
                        int32_t attribute_count, int32_t cursor, LeadBytePredicate is_lead);
void CompositionClear(CompositionText* text);

// One character of the composition, in the cells where it is drawn.
struct CompositionGlyph {
  int32_t offset;  // of its first byte
  int32_t bytes;   // 1, or 2 for a double-byte character (two cells)
  int32_t column;
  int32_t row;  // may lie below the layer's last row: it is only drawn
  bool converting;
};

struct CompositionLayout {
  CompositionGlyph glyphs[CompositionCapacity];
  int32_t count;
  TextCursorState caret;  // the cell of the composition's cursor
  int32_t last_row;       // the lowest row it covers, the caret's included
};

// Lays the text out from `start`, in rows `row_width` cells wide (the
// columns the window shows, at most the layer's; at least 2, so that a
// double-byte character always fits). A character that does not fit in
// what is left of a row begins the next row; a start at or past the edge
// begins there too.
void CompositionLayOut(const CompositionText& text, TextCursorState start, int32_t row_width,
                       LeadBytePredicate is_lead, CompositionLayout* layout);

// The cells the window shows across: at least 2, at most the layer's.
int32_t CompositionRowWidth(int32_t client_width);

// Scrolls the layer as a line break on its last row would, until a
// composition reaching `rows_below` rows under the cursor's lies within a
// client area client_bottom pixels high and within the layer, or the cursor
// reaches row 0. Returns whether anything scrolled.
bool CompositionScrollIntoView(int32_t rows_below, int32_t client_bottom);
