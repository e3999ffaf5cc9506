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

// Line input's share of the window procedure. `echo` is the procedure's
// EchoString, which a typed character replaces.
void LineInputSetFocus(HWND window);
void LineInputKillFocus(HWND window);
void LineInputChar(HWND window, WPARAM code, RtString* echo);
// Starts a line for `request`; when a line is already being typed, ends the
// request at once with no line.
void LineInputStart(HWND window, LineInputRequest* request);
