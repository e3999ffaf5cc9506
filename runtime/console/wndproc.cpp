// The window procedure: one small handler per message. Every call holds one
// temporary string, the EchoString, from entry to exit; only line input
// replaces it, and whatever it holds at the end is released.
#include <windows.h>

#include "runtime/console/console_internal.h"
#include "runtime/console/text_layer.h"
#include "runtime/console/window.h"
#include "runtime/strings/strings.h"

static void OnPaint(HWND window) {
  PAINTSTRUCT paint{};
  HDC dc = BeginPaint(window, &paint);
  BackBufferCopyTo(dc);
  TextRender(dc, -1, 0);
  EndPaint(window, &paint);
  FirstPaintFlag.store(1);
}

static void OnDestroy() {
  BackBufferDestroy();
  PostQuitMessage(0);
}

static void OnKeyDown(WPARAM key) {
  if (InputLine.length == -1) LastKey = static_cast<uint8_t>(key & 0xFF);
}

// PRINT's string, handed over by a program's thread.
static LRESULT OnPrintText(WPARAM text) {
  if (text == 0) return 0;
  TextPrint(reinterpret_cast<RtString>(text));
  return PromptMessageTaken;
}

LRESULT CALLBACK PromptWndProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  RtString echo = StrNew(0);
  LRESULT result = 0;
  switch (message) {
    case WM_CREATE: BackBufferCreate(window); break;
    case WM_PAINT: OnPaint(window); break;
    case WM_DESTROY: OnDestroy(); break;
    case WM_KEYDOWN: OnKeyDown(wparam); break;
    case WM_SETFOCUS: LineInputSetFocus(window); break;
    case WM_KILLFOCUS: LineInputKillFocus(window); break;
    case WM_CHAR: LineInputChar(window, wparam, &echo); break;
    case PromptClearText: TextClear(); break;
    case PromptPrintText: result = OnPrintText(wparam); break;
    case PromptStartInput: result = LineInputStart(window, reinterpret_cast<LineInputRequest*>(lparam)); break;
    default: result = DefWindowProcA(window, message, wparam, lparam); break;
  }
  StrRelease(echo);
  return result;
}
