// The graphics statements: the 8-colour palette, CLS, LINE and CIRCLE.
//
// Coordinates are window client pixels, 32-bit signed, x to the right and y
// downwards; the arithmetic on them wraps like 32-bit two's complement.
// Angles are radians, counterclockwise from 3 o'clock. Colours are palette
// codes 0-7; any other value draws black. No statement reports an error.
//
// LINE and CIRCLE draw each figure twice, on the window and into the back
// buffer, with one pen and brush made for the call and deleted once they are
// selected nowhere, so a repaint restores every figure. CLS draws nothing
// itself: it clears and asks for a repaint. All of them run on the main
// thread, after the window has painted once.
#pragma once

#include <cstdint>

// A COLORREF: 0x00BBGGRR.
using Colour = uint32_t;

// The graphics last point: supplies LINE's omitted first point and follows
// each LINE's second point; (0, 0) at start.
struct LastPointState {
  int32_t x;
  int32_t y;
};
extern LastPointState LastPoint;

// LINE's first point is omitted when both of its coordinates are this.
inline constexpr int32_t OmittedCoordinate = INT32_MIN;

// Exact match of 0.0 ... 7.0 against the palette; anything else is black.
Colour ColorFromCode(double code);

// CLS: 1 clears the text layer, 2 the graphics, 3 both, 0 acts as 1, any
// other mode clears nothing; every mode then invalidates the whole window.
void GfxCls(int32_t mode);

// LINE (x1,y1)-(x2,y2): box 0 a line with both end points, 1 (or any other
// non-zero, non-2 value) a box outline, 2 a box filled with fill_colour.
// step non-zero makes (x2, y2) an offset from the first point, and such a box
// is not put in order.
void GfxLine(int32_t x1, int32_t y1, int32_t step, int32_t x2, int32_t y2, int32_t colour,
             int32_t box, int32_t fill_colour);

// CIRCLE: an ellipse squeezed by aspect (vertical over horizontal radius);
// start and end 0 draw the whole ellipse, other angles an arc, and a negative
// angle a pie. fill non-zero fills it with fill_colour.
void GfxCircle(int32_t x, int32_t y, int32_t radius, int32_t colour, double start, double end,
               double aspect, int32_t fill, int32_t fill_colour);
