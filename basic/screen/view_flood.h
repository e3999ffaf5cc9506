// PAINT's flood over the mode's pixels within VIEW's area (the whole mode
// when there is none): worked in memory from one reading of the area,
// through every colour number but the border's, each pixel once, drawn a
// row's run at a time in the paint's colour or its tile.
#pragma once

#include "basic/screen/screen.h"
#include "basic/screen/screen_draw.h"

// Nothing when the point lies on the border's colour; the point lies
// within the area.
void FloodWithin(ScreenState& screen, ViewPoint at, const PaintInk& paint, uint8_t border);
