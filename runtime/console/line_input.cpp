// Line input in the window: focus, caret and typed characters. While no line
// input is active (length -1) typing changes nothing and no caret appears.
#include <windows.h>

#include "runtime/console/console_internal.h"
#include "runtime/console/text_layer.h"

static bool LineInputActive() { return InputLine.length != -1; }

void LineInputSetFocus(HWND) {
  if (!LineInputActive()) return;
}

void LineInputKillFocus(HWND window) {
  HideCaret(window);
  DestroyCaret();
}

void LineInputChar(HWND, WPARAM, RtString*) {
  if (!LineInputActive()) return;
}
