// VIEW, PMAP and POINT(n) at run time. VIEW's area (screen.h) clips every
// figure and, without SCREEN, moves the program's origin to its corner;
// WINDOW's coordinates map onto it.
#include <cmath>

#include "basic/executor/machine.h"
#include "basic/executor/statements.h"
#include "basic/screen/figure_flags.h"
#include "basic/screen/run_screen.h"
#include "basic/screen/screen.h"
#include "basic/screen/screen_draw.h"
#include "runtime/numeric/numeric.h"

namespace {

// A corner of VIEW: a pixel of the mode's, given in absolute pixels.
bool Corner(const ScreenMode& mode, double x, double y, ViewPoint* point) {
  if (!(x > -0.5 && x < mode.width - 0.5 && y > -0.5 && y < mode.height - 0.5)) return false;
  *point = {NumToInt32(x), NumToInt32(y)};
  return true;
}

// The program's coordinates without WINDOW of a point of the mode's pixels.
double Physical(const ScreenState& screen, ViewPoint point, bool y) {
  const ViewArea& view = screen.view;
  if (y) return point.y - (view.relative ? view.y1 : 0);
  return point.x - (view.relative ? view.x1 : 0);
}

// And back: a physical coordinate as a pixel of the mode's, held within a
// billion so that the conversion is defined.
int32_t Absolute(const ScreenState& screen, double physical, bool y) {
  const ViewArea& view = screen.view;
  const double held = std::fmax(-1e9, std::fmin(1e9, std::isnan(physical) ? 0 : physical));
  return NumToInt32(held) + (view.relative ? (y ? view.y1 : view.x1) : 0);
}

}  // namespace

// VIEW [SCREEN] (x1, y1)-(x2, y2), fill, border: a is 1 for SCREEN, b a bit
// for each of fill and border written.
RunFault RunView(Machine& machine, const Instruction& in, double*& sp) {
  sp -= 6;
  ScreenState& screen = machine.screen;
  const ScreenMode& mode = *screen.mode;
  if (mode.number == 0) return IllegalCall("VIEW works only in the classic screen modes (SCREEN 1 to 13)");
  ViewPoint a, b;
  if (!Corner(mode, sp[0], sp[1], &a) || !Corner(mode, sp[2], sp[3], &b)) {
    return IllegalCall("VIEW's corners must lie on the screen");
  }
  const ViewArea area{std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y), in.a == 0, true};
  uint8_t fill = 0, border = 0;
  if ((in.b & 1) != 0) {
    if (const RunFault fault = ProgramColour(machine, sp[4], &fill)) return fault;
  }
  if ((in.b & 2) != 0) {
    if (const RunFault fault = ProgramColour(machine, sp[5], &border)) return fault;
  }
  screen.view = area;
  if ((in.b & 1) != 0) ScreenFillPixels(screen, {area.x1, area.y1}, {area.x2, area.y2}, fill);
  if ((in.b & 2) != 0) {
    // One pixel outside the area, where the screen has room.
    ScreenFillPixels(screen, {area.x1 - 1, area.y1 - 1}, {area.x2 + 1, area.y1 - 1}, border);
    ScreenFillPixels(screen, {area.x1 - 1, area.y2 + 1}, {area.x2 + 1, area.y2 + 1}, border);
    ScreenFillPixels(screen, {area.x1 - 1, area.y1}, {area.x1 - 1, area.y2}, border);
    ScreenFillPixels(screen, {area.x2 + 1, area.y1}, {area.x2 + 1, area.y2}, border);
  }
  return {};
}

RunFault RunViewReset(Machine& machine, const Instruction&, double*&) {
  ScreenResetView(&machine.screen);
  return {};
}

// PMAP(c, n): 0 and 1 a WINDOW x or y as the physical one, 2 and 3 back.
RunFault RunPmap(Machine& machine, const Instruction&, double*& sp) {
  --sp;
  const ScreenState& screen = machine.screen;
  if (screen.mode->number == 0) return IllegalCall("PMAP works only in the classic screen modes (SCREEN 1 to 13)");
  const double c = sp[-1];
  double x = 0, y = 0;
  switch (sp[0] >= 0 && sp[0] < 4 ? NumToInt32(sp[0]) : -1) {
    case 0: sp[-1] = Physical(screen, ToView(screen, c, 0), false); return {};
    case 1: sp[-1] = Physical(screen, ToView(screen, 0, c), true); return {};
    case 2: FromView(screen, {Absolute(screen, c, false), 0}, &x, &y); sp[-1] = x; return {};
    case 3: FromView(screen, {0, Absolute(screen, c, true)}, &x, &y); sp[-1] = y; return {};
    default: return IllegalCall("PMAP's second argument is 0, 1, 2 or 3");
  }
}

// POINT(n): the last point, 0 and 1 its physical x and y, 2 and 3 its
// WINDOW coordinates (the physical ones without WINDOW).
RunFault RunPointOf(Machine& machine, const Instruction&, double*& sp) {
  const ScreenState& screen = machine.screen;
  const double n = sp[-1];
  const ViewPoint at = ToView(screen, screen.last_x, screen.last_y);
  const bool window = screen.window.active;
  switch (n >= 0 && n < 4 ? NumToInt32(n) : -1) {
    case 0: sp[-1] = Physical(screen, at, false); return {};
    case 1: sp[-1] = Physical(screen, at, true); return {};
    case 2: sp[-1] = window ? screen.last_x : Physical(screen, at, false); return {};
    case 3: sp[-1] = window ? screen.last_y : Physical(screen, at, true); return {};
    default: return IllegalCall("POINT's one argument is 0, 1, 2 or 3");
  }
}
