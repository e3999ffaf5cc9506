// The interpreter's screen: the mode SCREEN chose, its palette after
// PALETTE, COLOR's colours, WINDOW's mapping and the graphics last point,
// and the drawing of the classic modes, one of their pixels at a time as a
// block of the picture's.
//
// On the runtime's own screen (SCREEN 0) with no WINDOW, LINE, CIRCLE and
// PSET keep the runtime's own statements, so that its pictures stay as
// they are; everywhere else they are drawn here.
#pragma once

#include <cstdint>

#include "basic/screen/screen_modes.h"
#include "basic/screen/screen_pages.h"

// WINDOW's logical coordinates: x1 < x2 and y1 < y2. Without SCREEN, y
// grows upwards, as on paper.
struct WindowMapping {
  bool active = false;
  bool y_down = false;
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

// VIEW's part of the mode's pixels, corners included: the whole mode
// until VIEW sets one. Without SCREEN (relative) the program's coordinates
// start at its corner.
struct ViewArea {
  int32_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  bool relative = false;
  bool set = false;
};

struct ScreenState {
  const ScreenMode* mode;
  Colour palette[256];
  int32_t foreground;
  int32_t background;
  WindowMapping window;
  ViewArea view;
  double last_x = 0, last_y = 0;  // the last point, in the program's coordinates
  ScreenPages pages;               // the classic modes' pixels; none on the runtime's own screen
};

// The state SCREEN gives: the mode's own palette, white (or its highest
// colour) on black, no WINDOW, the last point at the middle, the mode's
// pages (none on the runtime's own screen) all 0. Draws nothing.
void ScreenStart(ScreenState* screen, const ScreenMode& mode);
// VIEW alone: the whole mode again.
void ScreenResetView(ScreenState* screen);
// PALETTE alone: the mode's own colours again.
void ScreenResetPalette(ScreenState* screen);

// Whether LINE, CIRCLE and PSET are drawn here rather than by the runtime.
bool DrawsItself(const ScreenState& screen);

// A point of the mode's pixels.
struct ViewPoint {
  int32_t x, y;
};
// A point of the program's coordinates (WINDOW's, when one is set, mapped
// onto VIEW's area; else from VIEW's corner, without SCREEN) in the mode's
// pixels; far away points land far outside, never wrap back in.
ViewPoint ToView(const ScreenState& screen, double x, double y);

// Whether the point of the mode's pixels lies where figures may draw:
// within VIEW's area.
bool InDrawingArea(const ScreenState& screen, ViewPoint point);

// And back: the program's coordinates of a point of the mode's pixels.
void FromView(const ScreenState& screen, ViewPoint point, double* x, double* y);

// A program's colour number as one of the mode's; false when the mode has
// no such colour.
bool ScreenColour(const ScreenState& screen, double number, uint8_t* colour);

// The runtime's own screen, as a run starts.
ScreenState StartingScreen();
