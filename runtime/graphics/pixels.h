// The colour layer under the interpreter's screen modes: pixels of any
// COLORREF written straight into the back buffer, read back from it, and a
// flood fill there. What the calls change reaches the window at its next
// paint: they gather it into one rectangle, invalidated at most every
// ShowInterval ms (one invalidation per dot would keep the window thread
// repainting), and at once by GfxShowPending.
//
// Coordinates are back buffer pixels; whatever lies outside the back
// buffer is left alone, and reads there give PixelOutside. All of these run
// on the main thread, after the window has painted once.
#pragma once

#include <cstdint>

#include "runtime/graphics/graphics.h"

inline constexpr int64_t PixelOutside = -1;
inline constexpr uint32_t ShowInterval = 15;

// Invalidates what the calls changed and have not yet shown. A program
// calls it before it waits (SLEEP, INPUT, PRINT, its end), so that its
// picture is on the window while it waits.
void GfxShowPending();

// Fills width x height pixels from (x, y) with the colour.
void GfxFillRgb(int32_t x, int32_t y, int32_t width, int32_t height, Colour colour);

// PSET on the runtime's own screen: one pixel in the colour code (0-7,
// anything else black, as LINE draws it), and the last point moves there.
void GfxPset(int32_t x, int32_t y, int32_t colour);

// The colour at (x, y), or PixelOutside.
int64_t GfxPixelAt(int32_t x, int32_t y);

// A block of width x height pixels from (x, y), row after row, in one
// call each way: read, false (and nothing read) unless the whole block
// lies in the back buffer; written, the parts outside left alone.
bool GfxReadRgb(int32_t x, int32_t y, int32_t width, int32_t height, Colour* pixels);
void GfxWriteRgb(int32_t x, int32_t y, int32_t width, int32_t height, const Colour* pixels);

// Paints in `paint` every pixel 4-connected to (x, y) through pixels that
// are not `border`, within the area from (0, 0) of width x height. Nothing
// when (x, y) lies outside the area or on the border colour.
void GfxFloodFill(int32_t x, int32_t y, int32_t width, int32_t height, Colour paint, Colour border);
