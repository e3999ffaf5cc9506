// The mirrored drawing that LINE and CIRCLE share: one pen and one brush,
// selected into a window device context and into the back buffer, and
// deleted only once neither holds them. When the pen or the brush cannot be
// made (the process has no GDI handles left) the statement draws nothing at
// all, rather than draw with whatever the device contexts held; the next
// statement tries again.
#pragma once

#include <windows.h>

#include <cstdint>

struct Mirror {
  HDC window;
  HPEN pen;
  HBRUSH brush;
  bool brush_created;  // a solid brush is ours to delete; the stock one is not
  HGDIOBJ kept_pen;    // the back buffer's own, selected back at the end
  HGDIOBJ kept_brush;
  bool selected;       // pen and brush are in both device contexts
};

// A solid 1-pixel pen in the colour, and a solid brush in the fill colour
// when `filled`, the stock hollow brush otherwise.
void MirrorCreatePenAndBrush(Mirror* mirror, int32_t colour, bool filled, int32_t fill_colour);
void MirrorGetWindowDC(Mirror* mirror);
// Selects pen and brush into both device contexts and returns true; from
// here until MirrorEnd the caller holds the back buffer's lock and draws.
// False, selecting nothing, when the pen or the brush is missing: the
// caller draws nothing.
bool MirrorSelect(Mirror* mirror);
// Releases the window DC, restores the back buffer's objects and lets the
// lock go when they were selected, and deletes what the call created.
void MirrorEnd(Mirror* mirror);
