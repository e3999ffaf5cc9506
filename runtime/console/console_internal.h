// Routines shared by the window thread's own files; not for other areas.
#pragma once

#include <windows.h>

#include "runtime/console/window.h"
#include "runtime/strings/strings.h"

void BackBufferCreate(HWND window);
void BackBufferCopyTo(HDC dc);
void BackBufferDestroy();

// Line input's share of the window procedure. `echo` is the procedure's
// EchoString, which a typed character replaces.
void LineInputSetFocus(HWND window);
void LineInputKillFocus(HWND window);
void LineInputChar(HWND window, WPARAM code, RtString* echo);
// Starts a line for `request`; PromptMessageTaken, or 0 when a line is
// already active and the request is left alone.
LRESULT LineInputStart(HWND window, LineInputRequest* request);
