// PAINT within a VIEW: a flood over the mode's pixels of the area alone,
// through every colour but the border's, worked in memory from one reading
// of the area and drawn a row's run at a time.
#pragma once

#include "basic/screen/screen.h"
#include "basic/screen/screen_draw.h"

// Nothing when the point lies on the border's colour; the point lies
// within the area.
void FloodWithin(const ScreenMode& mode, const ViewArea& view, ViewPoint at, Colour paint, Colour border);
