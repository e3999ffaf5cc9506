// The classic modes' figures, worked out in the mode's pixels and drawn
// in colour numbers on the active page (screen_pages.h), clipped to the
// mode first so that a figure far outside costs nothing; and the pixels
// read back. On the runtime's own screen, which has no pages, they are
// drawn straight onto the picture in the palette's colours.
#pragma once

#include <cstdint>
#include <vector>

#include "basic/screen/screen.h"

// A line between two points, both ends included; also DRAW's.
void ScreenLine(ScreenState& screen, ViewPoint from, ViewPoint to, uint8_t colour);
// A box, outlined or filled.
void ScreenBox(ScreenState& screen, ViewPoint a, ViewPoint b, uint8_t colour, bool filled);
// LINE's style: a 16-bit mask, its top bit for the first point, repeating
// along the line; a 0 bit leaves its pixel as it is. A box outline draws
// each side from a's end towards b's, each from the mask's top bit.
inline constexpr uint16_t AllPixels = 0xFFFF;
void ScreenStyledLine(ScreenState& screen, ViewPoint from, ViewPoint to, uint8_t colour, uint16_t style);
void ScreenStyledBox(ScreenState& screen, ViewPoint a, ViewPoint b, uint8_t colour, uint16_t style);
// An ellipse of radii rx, ry around the centre, outlined or filled; with
// angles (radians, 0 to 2 * pi, counterclockwise from 3 o'clock) only the
// arc between them, and a line to the centre from each end whose angle was
// given negative. Radii beyond MaxRadius draw nothing.
struct CircleArc {
  bool whole;
  double start, end;
  bool start_radius, end_radius;
};
inline constexpr int32_t MaxRadius = 4096;
void ScreenEllipse(ScreenState& screen, ViewPoint centre, int32_t rx, int32_t ry, const CircleArc& arc,
                   uint8_t colour, bool filled);
// The block of the mode's pixels from a to b, both included, clipped to the
// mode alone: for the images PUT and BLOAD put where the program was
// allowed to.
void ScreenFillPixels(ScreenState& screen, ViewPoint a, ViewPoint b, uint8_t colour);
// PAINT's paint: a colour, or a tile of colour numbers `tile_width` wide,
// row after row, repeating across the screen from its corner.
struct PaintInk {
  uint8_t colour = 0;
  std::vector<uint8_t> tile;  // empty: the colour alone
  int32_t tile_width = 8;
};
// PAINT: floods from the point through every colour number but the
// border's, each pixel once.
void ScreenPaint(ScreenState& screen, ViewPoint at, const PaintInk& paint, uint8_t border);
// POINT: the colour number there, the lowest that the palette maps to its
// colour, else the lowest of the mode's own palette; -1 outside VIEW's
// area, or for a colour neither holds.
int32_t ScreenPoint(const ScreenState& screen, ViewPoint at);
// The same anywhere on the screen, VIEW or not: -1 outside the mode.
int32_t ScreenPixelNumber(const ScreenState& screen, ViewPoint at);
// A colour as a colour number: the lowest the palette gives it, else the
// lowest of the mode's own palette; -1 for a colour neither holds.
int32_t ColourNumberOf(const ScreenState& screen, Colour colour);
// CLS within a VIEW: its area in the background colour.
void ScreenClearView(ScreenState& screen);
