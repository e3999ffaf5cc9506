// The window procedure: one small handler per message. Every call holds one
// temporary string, the EchoString, from entry to exit; only line input
// replaces it, and whatever it holds at the end is released.
#include <windows.h>

#include "runtime/console/console_internal.h"
#include "runtime/console/key_buffer.h"
#include "runtime/console/key_hits.h"
#include "runtime/console/mouse_input.h"
#include "runtime/console/prompt_queue.h"
#include "runtime/console/soft_key_texts.h"
#include "runtime/console/text_layer.h"
#include "runtime/console/window.h"
#include "runtime/strings/strings.h"
#include "runtime/system.h"

static void OnPaint(HWND window) {
  PAINTSTRUCT paint{};
  HDC dc = BeginPaint(window, &paint);
  BackBufferCopyTo(dc);
  TextRender(dc, -1, 0);
  CompositionPaint(dc);
  EndPaint(window, &paint);
  FirstPaintFlag.store(1);
}

// A window without its back buffer could show nothing: -1 makes the
// creation fail, and the window thread reports it. The back buffer is made
// once for the window's life: a second WM_CREATE, which only another program
// would send, must not wipe the picture.
static LRESULT OnCreate(HWND window) {
  if (BackBuffer.dc != nullptr) return 0;
  return BackBufferCreate(window) ? 0 : -1;
}

static void OnDestroy() {
  BackBufferDestroy();
  PostQuitMessage(0);
}

// Keys pressed while no line is being typed are the program's to read.
// A function key while a line is read types its soft key's text there, as
// its characters would: Enter in it ends the line, other control codes
// are left out.
static void TypeSoftKey(HWND window, int32_t index, RtString* echo) {
  char text[SoftKeyTextCapacity];
  const int32_t length = SoftKeyTextGet(index, text);
  for (int32_t i = 0; i < length && InputLine.length != -1; ++i) {
    const auto byte = static_cast<uint8_t>(text[i]);
    if (byte >= ' ' || byte == '\r') LineInputChar(window, byte, echo);
  }
}

static void OnKeyDown(HWND window, WPARAM key, RtString* echo) {
  if (InputLine.length != -1) {
    const int32_t soft_key = SoftKeyOfVirtualKey(static_cast<uint32_t>(key));
    if (soft_key >= 0) TypeSoftKey(window, soft_key, echo);
    return;
  }
  LastKey = static_cast<uint8_t>(key & 0xFF);
  KeyBufferPutKeyDown(static_cast<uint32_t>(key));
}

static void OnChar(HWND window, WPARAM code, RtString* echo) {
  if (InputLine.length == -1) KeyBufferPutChar(static_cast<uint8_t>(code & 0xFF));
  LineInputChar(window, code, echo);
}

// One queued request, taken over from its requester.
static void ServeRequest(HWND window, const PromptRequest& request) {
  switch (request.kind) {
    case PromptRequestKind::Print: TextPrint(request.text); break;
    case PromptRequestKind::ClearText: TextClear(); break;
    case PromptRequestKind::StartInput: LineInputStart(window, request.input); break;
    case PromptRequestKind::Locate: TextLocate(request.cursor); break;
  }
}

// The message's parameters are ignored: only the queue says what to do.
// Once its event is set, a request may be gone at any moment.
static LRESULT OnQueueMessage(HWND window) {
  LRESULT result = 0;
  while (PromptRequest* request = PromptQueueTake()) {
    const HANDLE served = request->served;
    ServeRequest(window, *request);
    if (request->detached) SysHeapFree(request);
    if (served != nullptr) SetEvent(served);
    result = PromptMessageTaken;
  }
  return result;
}

// The shift keys and locks as the PC's BIOS kept them at 0:&H417 and
// 0:&H418, for a program that reads them there.
static uint16_t ShiftFlagsNow() {
  const auto down = [](int key) { return (GetKeyState(key) & 0x8000) != 0; };
  const auto on = [](int key) { return (GetKeyState(key) & 1) != 0; };
  uint16_t flags = 0;
  flags |= down(VK_RSHIFT) ? 0x01 : 0;
  flags |= down(VK_LSHIFT) ? 0x02 : 0;
  flags |= down(VK_CONTROL) ? 0x04 : 0;
  flags |= down(VK_MENU) ? 0x08 : 0;
  flags |= on(VK_SCROLL) ? 0x10 : 0;
  flags |= on(VK_NUMLOCK) ? 0x20 : 0;
  flags |= on(VK_CAPITAL) ? 0x40 : 0;
  flags |= on(VK_INSERT) ? 0x80 : 0;
  flags |= down(VK_LCONTROL) ? 0x0100 : 0;
  flags |= down(VK_LMENU) ? 0x0200 : 0;
  flags |= down(VK_SCROLL) ? 0x1000 : 0;
  flags |= down(VK_NUMLOCK) ? 0x2000 : 0;
  flags |= down(VK_CAPITAL) ? 0x4000 : 0;
  flags |= down(VK_INSERT) ? 0x8000 : 0;
  return flags;
}

static bool ChangesShiftFlags(UINT message) {
  return message == WM_KEYDOWN || message == WM_KEYUP || message == WM_SYSKEYDOWN || message == WM_SYSKEYUP ||
         message == WM_SETFOCUS;
}

// Keys going down and up, and the mouse, noted for the words that ask which
// keys are held and where the mouse is; the messages go on as before.
static void NoteKeysAndMouse(UINT message, WPARAM wparam, LPARAM lparam) {
  const auto key = static_cast<uint32_t>(wparam);
  switch (message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
      const auto scan_code = static_cast<uint32_t>((lparam >> 16) & 0xFF);
      KeyHitDown(key, KeyHitCodeOf(key, scan_code, ((lparam >> 24) & 1) != 0));
      return;
    }
    case WM_KEYUP:
    case WM_SYSKEYUP: KeyHitUp(key); return;
    case WM_CHAR: KeyHitChar(static_cast<uint8_t>(wparam & 0xFF)); return;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN: case WM_LBUTTONUP:
    case WM_RBUTTONDOWN: case WM_RBUTTONUP:
    case WM_MBUTTONDOWN: case WM_MBUTTONUP: {
      MouseRecord record;
      record.x = static_cast<int16_t>(lparam & 0xFFFF);
      record.y = static_cast<int16_t>((lparam >> 16) & 0xFFFF);
      record.buttons = static_cast<uint8_t>(((wparam & MK_LBUTTON) ? 1 : 0) | ((wparam & MK_RBUTTON) ? 2 : 0) |
                                            ((wparam & MK_MBUTTON) ? 4 : 0));
      MouseInputPut(record);
      return;
    }
    default: return;
  }
}

LRESULT CALLBACK PromptWndProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (ChangesShiftFlags(message)) KeyBufferSetShiftFlags(ShiftFlagsNow());
  NoteKeysAndMouse(message, wparam, lparam);
  RtString echo = StrNew(0);
  LRESULT result = 0;
  switch (message) {
    case WM_CREATE: result = OnCreate(window); break;
    case WM_PAINT: OnPaint(window); break;
    case WM_DESTROY: OnDestroy(); break;
    case WM_KEYDOWN: OnKeyDown(window, wparam, &echo); break;
    case WM_SETFOCUS: LineInputSetFocus(window); break;
    case WM_KILLFOCUS: LineInputKillFocus(window); break;
    case WM_CHAR: OnChar(window, wparam, &echo); break;
    case WM_IME_STARTCOMPOSITION:
    case WM_IME_COMPOSITION:
    case WM_IME_ENDCOMPOSITION:
      if (CompositionMessage(window, message, lparam)) result = DefWindowProcA(window, message, wparam, lparam);
      break;
    case PromptQueueMessage: result = OnQueueMessage(window); break;
    default: result = DefWindowProcA(window, message, wparam, lparam); break;
  }
  StrRelease(echo);
  return result;
}
