// The screens a program can choose with SCREEN: the runtime's own (0) and
// the classic PC modes, each drawn onto the 640 x 400 picture at a whole
// scale so that one of its pixels is a block of the picture's.
#pragma once

#include <cstdint>

#include "runtime/graphics/graphics.h"

struct ScreenMode {
  int32_t number;
  int32_t width, height;     // the program's pixels
  int32_t scale_x, scale_y;  // the picture's pixels for one of them
  int32_t colours;           // colour numbers 0 .. colours - 1
  double aspect;             // CIRCLE's default: its pixels were not square
  int32_t pages = 1;         // SCREEN's pages, drawn on and shown one at a time
};

// The mode SCREEN n chooses; null when there is none.
const ScreenMode* FindScreenMode(int32_t number);
// SCREEN 0: the runtime's own screen and its 8 colours.
const ScreenMode& RuntimeScreenMode();

// Colour n of the mode before any PALETTE (n below mode.colours).
Colour DefaultPaletteColour(const ScreenMode& mode, int32_t n);

// SCREEN 1's colour n (1 to 3) in COLOR's palette 0 (green, red, brown) or
// 1 (cyan, magenta, white), in their bright forms, as a VGA showed them.
Colour CgaPaletteColour(int32_t palette, int32_t n);
// The EGA's colour n, 0 to 15: SCREEN 1's choice of background.
Colour EgaColour(int32_t n);

// The colour PALETTE attr, value gives in the mode, from the value's own
// encoding there; false when the value is not one of the mode's colours.
bool PaletteValueColour(const ScreenMode& mode, double value, Colour* colour);
