// The text grid drawn: each changed cell as its glyph's pixels over its
// background, onto the picture on the PC's text screen, onto the active
// page in a graphics mode (so that its text is pixels like a figure's).
#pragma once

#include <cstdint>

#include "basic/screen/text_screen.h"
#include "runtime/graphics/graphics.h"

struct ScreenState;

// How the cells look: the glyphs' height, how many of the picture's pixels
// a glyph's pixel takes, and what the attribute byte means: on the PC's
// text screen its foreground and background (blink shown steady), in the
// graphics modes a colour number of the mode, over its colour 0.
struct TextLook {
  int32_t glyph_height;      // 8, 14 or 16
  int32_t scale_x, scale_y;  // the picture's pixels for one of a glyph's
  bool attributes;           // true on the PC's text screen
  const Colour* palette;     // 16 colours there; the mode's palette in a graphics mode
  int32_t colours;           // how many the palette holds
  ScreenState* pages;        // a graphics mode's screen, drawn in colour numbers; null on the text screen
};

// Draws every changed cell and forgets that it changed.
void DrawTextCells(TextGrid* screen, const TextLook& look);
// Draws every cell.
void DrawAllTextCells(TextGrid* screen, const TextLook& look);
// Draws the cursor over its cell, its scan lines from start to stop (held
// to the cell; wrapping round the cell's bottom when start is below stop),
// in the cell's foreground; remembers the cell.
void DrawTextCursor(TextGrid* screen, const TextLook& look);
// Draws a grid whose every cell is blank in the current attribute: one
// block of its background.
void DrawBlankTextGrid(TextGrid* screen, const TextLook& look);
