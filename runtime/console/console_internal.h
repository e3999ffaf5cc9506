// Routines shared by the window thread's own files; not for other areas.
#pragma once

#include <windows.h>

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
// Line input's share of the window procedure. `echo` is the procedure's
// EchoString, which a typed character replaces.
void LineInputSetFocus(HWND window);
void LineInputKillFocus(HWND window);
void LineInputChar(HWND window, WPARAM code, RtString* echo);
// Starts a line for `request`; when a line is already being typed, ends the
// request at once with no line.
void LineInputStart(HWND window, LineInputRequest* request);
