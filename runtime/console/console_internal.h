// Routines shared by the window thread's own files; not for other areas.
#pragma once

#include <windows.h>

#include "runtime/console/text_layer.h"
#include "runtime/console/window.h"
#include "runtime/strings/strings.h"

// False when the bitmap or its device context cannot be made; then
// nothing of the back buffer is left.
bool BackBufferCreate(HWND window);
void BackBufferCopyTo(HDC dc);
void BackBufferDestroy();

// Whether the console font draws no ink for '_': a face standing in for the
// console's (under wine, one of the IPA faces) may lose its one-pixel-thin
// underscore when rasterised at this size. The layer then draws the line
// itself, along the cell's bottom row, where the glyph's box stands.
extern bool UnderscoreStandIn;
// Text in `foreground` on `background`, which may be TransparentColor.
void SelectTextColours(HDC dc, uint32_t foreground, uint32_t background);
// Line input's share of the window procedure. `echo` is the procedure's
// EchoString, which a typed character replaces.
void LineInputSetFocus(HWND window);
// Moves the caret to CompositionCaretCell(), and the composition window to
// the text cursor when that has moved (after a scroll).
void LineInputPlaceCaret(HWND window, bool cursor_moved);
void LineInputKillFocus(HWND window);
void LineInputChar(HWND window, WPARAM code, RtString* echo);
// Starts a line for `request`; when a line is already being typed, ends the
// request at once with no line.
void LineInputStart(HWND window, LineInputRequest* request);

// The input method's composition, which the window draws at the text cursor
// while a line is typed (composition_window.cpp). CompositionMessage takes
// WM_IME_STARTCOMPOSITION, WM_IME_COMPOSITION and WM_IME_ENDCOMPOSITION and
// says whether the message must still go to the default procedure.
bool CompositionMessage(HWND window, UINT message, LPARAM lparam);
// Draws the composition over the layer; part of every paint.
void CompositionPaint(HDC dc);
// The cell of the composition's cursor while one is shown, else the cursor's.
TextCursorState CompositionCaretCell();
// Draws a composition again after the cursor moved under it, and takes it
// away once the line has ended.
void CompositionFollowCursor(HWND window);
