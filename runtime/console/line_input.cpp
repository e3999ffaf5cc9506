// Line input in the window: focus, caret, composition window, typed and
// pasted characters, and the hand-over of a finished line. While no line
// input is active (length -1) typing changes nothing and no caret appears.
// The edits themselves are plain functions over the layer (line_edit.cpp);
// this file makes the calls into Windows around them.
#include <windows.h>

#include <imm.h>

#include <cstring>

#include "runtime/console/console_internal.h"
#include "runtime/console/text_layer.h"
#include "runtime/console/window.h"

// The INPUT waiting for the active line; null when nobody waits.
static LineInputRequest* LineInputWaiter;

static constexpr WPARAM Backspace = 8;
static constexpr WPARAM Enter = 13;
static constexpr WPARAM PasteKey = 22;  // Ctrl+V
static constexpr int CaretWidth = 9;
static constexpr int CaretHeight = 6;

static bool LineInputActive() { return InputLine.length != -1; }

// The input method composes at the top-left corner of the cursor's cell, in
// the console font.
static void PlaceCompositionWindow(HWND window) {
  HIMC context = ImmGetContext(window);
  if (context != nullptr) {
    COMPOSITIONFORM form{};
    form.dwStyle = CFS_POINT;
    form.ptCurrentPos = {TextCursor.column * CellWidth, TextCursor.row * CellHeight};
    ImmSetCompositionWindow(context, &form);
    ImmSetCompositionFontA(context, &PromptFont.logfont);
  }
  ImmReleaseContext(window, context);
}

// The caret covers the six pixel lines that end one line above the bottom
// of its cell: the cursor's, or the composition's cursor's while the window
// shows one.
static void MoveCaretTo(TextCursorState cell) {
  SetCaretPos(cell.column * CellWidth, (cell.row + 1) * CellHeight - 1 - CaretHeight);
}

static void ShowInputCaret(HWND window) {
  CreateCaret(window, nullptr, CaretWidth, CaretHeight);
  MoveCaretTo(CompositionCaretCell());
  ShowCaret(window);
}

void LineInputPlaceCaret(HWND window, bool cursor_moved) {
  if (cursor_moved) PlaceCompositionWindow(window);
  MoveCaretTo(CompositionCaretCell());
}

// A composition being shown follows the cursor (or goes, once the line
// has ended) before the caret is placed for it.
void LineInputSetFocus(HWND window) {
  CompositionFollowCursor(window);
  if (!LineInputActive()) return;
  PlaceCompositionWindow(window);
  ShowInputCaret(window);
}

void LineInputKillFocus(HWND window) {
  HideCaret(window);
  DestroyCaret();
}

// The length of the clipboard's text as far as the line can take it: the
// block comes from another program, so the search for its NUL stays inside
// the block and stops once the line would be full. Pasting megabytes costs
// no more than pasting a line.
static int32_t ClipboardTextLength(HANDLE data, const char* clip) {
  const SIZE_T block = GlobalSize(data);
  const SIZE_T wanted = static_cast<SIZE_T>(InputLineCapacity) + 1;
  const SIZE_T searched = block < wanted ? block : wanted;
  const void* nul = std::memchr(clip, 0, searched);
  return static_cast<int32_t>(nul == nullptr ? searched : static_cast<const char*>(nul) - clip);
}

// The clipboard's text added to the line; null when it holds no text, and
// then nothing is echoed either.
static RtString PasteClipboardText(HWND window) {
  if (!OpenClipboard(window)) return nullptr;
  HANDLE data = GetClipboardData(CF_TEXT);
  const char* clip = data == nullptr ? nullptr : static_cast<const char*>(GlobalLock(data));
  RtString echo = nullptr;
  if (clip != nullptr) {
    echo = LineEditPaste(clip, ClipboardTextLength(data, clip));
    GlobalUnlock(data);
  }
  CloseClipboard();
  return echo;
}

// The echo goes through the window's own focus handlers, so the caret is
// taken away while the text is written and set again at the new cursor.
static void Echo(HWND window, RtString echo) {
  SendMessageA(window, WM_KILLFOCUS, 0, 0);
  const int32_t length = StrLength(echo);
  RtString copy = StrNew(length);
  std::memmove(copy, echo, static_cast<std::size_t>(length));
  TextPrint(copy);
  SendMessageA(window, WM_SETFOCUS, 0, 0);
}

// Takes the ended line for the INPUT waiting for it, if any, and forgets
// that waiter: from here on the request is the waiting thread's again.
static LineInputRequest* TakeEndedLine() {
  LineInputRequest* waiter = LineInputWaiter;
  LineInputWaiter = nullptr;
  if (waiter != nullptr) waiter->line = LineEditTakeLine();
  return waiter;
}

// The edit for one character code; false when nothing was edited and no
// echo follows. A new echo replaces (and releases) the procedure's.
static bool EditLine(HWND window, WPARAM code, RtString* echo) {
  RtString replacement = nullptr;
  switch (code) {
    case Backspace: LineEditBackspace(); return true;
    case Enter: replacement = LineEditEnter(); break;
    case PasteKey: replacement = PasteClipboardText(window); break;
    default: replacement = LineEditAppend(static_cast<uint8_t>(code & 0xFF)); break;
  }
  if (replacement == nullptr) return false;
  StrRelease(*echo);
  *echo = replacement;
  return true;
}

void LineInputChar(HWND window, WPARAM code, RtString* echo) {
  if (!LineInputActive()) return;
  if (!EditLine(window, code, echo)) return;
  // An ended line is taken before the echo, so that nothing can start the
  // next line under it; its waiter wakes after the echo, with the cursor
  // already where the program's next output belongs. The waiter may return
  // the moment the event is set: nothing touches the request after that.
  LineInputRequest* ended = LineInputActive() ? nullptr : TakeEndedLine();
  Echo(window, *echo);
  if (ended != nullptr) SetEvent(ended->ended);
}

void LineInputStart(HWND window, LineInputRequest* request) {
  if (LineInputActive()) {
    SetEvent(request->ended);
    return;
  }
  LineInputWaiter = request;
  LineEditStart();
  if (GetFocus() == window) LineInputSetFocus(window);
}
