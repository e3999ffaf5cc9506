// The console window: a top-level window of class "PROMPT", caption
// "BASIC PROMPT", served by a thread of its own.
//
// The picture lives in the BackBuffer, a memory bitmap as large as the whole
// primary screen (ScreenSize, taken once when the window thread starts).
// Every drawing statement draws on the window and into the back buffer; every
// WM_PAINT copies the back buffer to the window and draws the character layer
// over it, so the picture survives covering, resizing and minimising.
//
// Threads: the window thread creates everything here before the first paint
// and alone runs the window procedure. The main thread only draws, after it
// has seen FirstPaintFlag set; a program's text output, line input and CLS
// of the text reach the window thread through a request queue (below), so
// that the character layer, its cursor and the input line have one writer.
// A device context serves one thread at a time, so every use of the back
// buffer's device context, on either thread, holds BackBufferLock for
// exactly the span of its calls on it and never while waiting for the other
// thread.
//
// When the window is destroyed, the window thread frees the character layer
// and ends the process with WindowClosedExitCode, 0 unless set.
#pragma once

#include <windows.h>

#include <atomic>
#include <cstdint>

#include "runtime/strings/strings.h"

extern HWND PromptWindow;

struct BackBufferState {
  HDC dc;          // memory device context, the bitmap selected for life
  HBITMAP bitmap;  // ScreenSize large
};
extern BackBufferState BackBuffer;

struct ScreenSizeState {
  int32_t width;
  int32_t height;
};
extern ScreenSizeState ScreenSize;

struct PromptFontState {
  LOGFONTA logfont;  // also handed to the input method
  HFONT handle;
};
extern PromptFontState PromptFont;

// 0 until a WM_PAINT has been handled, then 1 for good.
extern std::atomic<int32_t> FirstPaintFlag;
// The exit code when the user closes the window: a program that ended with
// an error, and left its window open to show it, ends with the error's code.
extern std::atomic<int32_t> WindowClosedExitCode;
// Low byte of the last key pressed while line input was inactive.
extern uint8_t LastKey;

// The one private message: "look at the request queue" (prompt_queue.h).
// Its parameters mean nothing, since anyone may send it; it returns
// PromptMessageTaken when it found requests and carried them out, and 0 when
// the queue was empty.
inline constexpr UINT PromptQueueMessage = WM_APP + 1;
inline constexpr LRESULT PromptMessageTaken = 1;

// An INPUT waiting for its line. The window thread fills in the line (null
// when the request was refused because a line is being typed already), then
// sets the event, and touches the request no more.
struct LineInputRequest {
  HANDLE ended;   // manual-reset event, set once the line has ended
  RtString line;  // the line typed, a new string for the requester
};

// CLS's clearing of the text: has the window thread, the character layer's
// only writer, empty the layer and home its cursor, after every PRINT and
// INPUT asked for before, and returns without waiting for it. Does nothing
// when there is no window.
void PromptClearText();

// When the window thread cannot create the window (no display, say) or its
// back buffer, it sends WindowUnavailableMessage to the debugger and ends
// the process with this exit code instead of leaving the hand-shake waiting.
inline constexpr int WindowUnavailableExitCode = 4;
inline constexpr char WindowUnavailableMessage[] =
    "BASIC PROMPT: the console window or its back buffer cannot be created\r\n";

void BackBufferLockEnter();
void BackBufferLockLeave();

DWORD WINAPI WindowThreadMain(LPVOID unused);
LRESULT CALLBACK PromptWndProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

// Draws the character layer on dc, scrolling it first while the cursor row
// lies below the client area. from = -1 draws every row the client area
// shows; otherwise rows from..to inclusive (every row after a scroll).
void TextRender(HDC dc, int32_t from, int32_t to);
// Writes s at the cursor, redraws on the window the rows that it touched
// (every row when the layer scrolled) and releases s. Window thread only.
void TextPrint(RtString s);
