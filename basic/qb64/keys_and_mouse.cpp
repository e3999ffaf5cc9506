// QB64's words for the keys held and the mouse: _KEYHIT, _KEYDOWN,
// _MOUSEINPUT, _MOUSEX, _MOUSEY and _MOUSEBUTTON, read from what the window
// noted (runtime/console/key_hits.h and mouse_input.h).
#include <algorithm>

#include "basic/builtins/builtins.h"
#include "basic/executor/machine.h"
#include "basic/screen/run_text_screen.h"
#include "runtime/console/key_hits.h"
#include "runtime/console/mouse_input.h"
#include "runtime/numeric/numeric.h"

namespace {

// The window's client area: the picture, 640 x 400.
constexpr int32_t PictureWidth = 640, PictureHeight = 400;

// The record the program reads: the one _MOUSEINPUT last stepped to, or,
// in a program that never steps, where the mouse is now.
MouseRecord Current(const Machine& machine) {
  return machine.mouse_stepped ? machine.mouse : MouseInputLatest();
}

// The mouse's place in the screen's own units: a text cell (from 1) on the
// PC's text screen, a pixel of the mode (from 0) elsewhere.
int32_t Place(const Machine& machine, int32_t pixel, bool across) {
  const int32_t extent = across ? PictureWidth : PictureHeight;
  pixel = std::clamp(pixel, 0, extent - 1);
  if (ShowsPcText(machine.screen)) {
    const int32_t cells = across ? machine.text.columns : machine.text.rows;
    return pixel * cells / extent + 1;
  }
  const ScreenMode& mode = *machine.screen.mode;
  return pixel / (across ? mode.scale_x : mode.scale_y);
}

}  // namespace

RunFault FnQbKeyHit(BuiltinCall& call) {
  int32_t code = 0;
  call.number = KeyHitTake(&code) ? code : 0;
  return {};
}

RunFault FnQbKeyDown(BuiltinCall& call) {
  const double code = call.numbers[0];
  call.number = code >= 1 && code <= 0x7FFFFFFF && KeyHitIsDown(static_cast<int32_t>(code)) ? -1 : 0;
  return {};
}

// Steps to the next record the window noted: -1 when there was one.
RunFault FnQbMouseInput(BuiltinCall& call) {
  MouseRecord record;
  const bool any = MouseInputTake(&record);
  if (any) {
    call.machine->mouse = record;
    call.machine->mouse_stepped = true;
  }
  call.number = any ? -1 : 0;
  return {};
}

RunFault FnQbMouseX(BuiltinCall& call) {
  call.number = Place(*call.machine, Current(*call.machine).x, true);
  return {};
}

RunFault FnQbMouseY(BuiltinCall& call) {
  call.number = Place(*call.machine, Current(*call.machine).y, false);
  return {};
}

// _MOUSEBUTTON(1) the left, 2 the right, 3 the middle: -1 while held.
RunFault FnQbMouseButton(BuiltinCall& call) {
  const int32_t button = NumToInt32(call.numbers[0]);
  if (button < 1 || button > 3) return IllegalCall("_MOUSEBUTTON takes 1 (left), 2 (right) or 3 (middle)");
  const uint8_t mask = button == 1 ? 1 : button == 2 ? 2 : 4;
  call.number = (Current(*call.machine).buttons & mask) != 0 ? -1 : 0;
  return {};
}
