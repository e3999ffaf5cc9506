// PRINT and INPUT for programs: text written into the console's character
// layer and lines typed into the console window.
//
// The layer, its cursor and the input line belong to the window thread, the
// one writer of them all; these routines hand their work to it with private
// window messages and may be called from any other thread. Each waits until
// the window thread has acted. When the window cannot take the message (the
// runtime is not started, or the window is gone), PRINT releases its string
// itself and INPUT gives an empty line.
#pragma once

#include <cstdint>

#include "runtime/strings/strings.h"

// PRINT: writes s at the cursor (tabs to every 8th column, CR LF to the next
// row) and shows it at once; takes ownership of s.
void PromptPrint(RtString s);

// INPUT: starts line input with the cursor where it stands, waits (blocked,
// not polling) until Enter has ended the line, and returns the line typed, a
// new string owned by the caller. The caret and composition window appear
// at once when the window has the focus. An empty line comes back at once
// when another line is already being typed, and when called on the window
// thread itself, which could never see its Enter. Closing the window while
// INPUT waits ends the process, as closing it always does.
RtString PromptInput();

// LOCATE, CSRLIN and POS: moves the character layer's cursor to row, column
// (from 0; -1 keeps that coordinate, and a place outside the layer is
// brought to its nearest cell) and returns where the cursor is then.
// Without a window the cursor is nowhere: (0, 0) comes back.
struct PromptCursorPlace {
  int32_t row;
  int32_t column;
};
PromptCursorPlace PromptLocate(int32_t row, int32_t column);

// _TITLE: the window's caption becomes the text's bytes (ANSI), at most
// PromptCaptionMax of them, and never more than length; a NUL ends it
// sooner. Set by the window thread; does nothing when there is no window.
// In a file of its own (prompt_caption.cpp), so that programs which never
// change the caption do not carry it.
inline constexpr int32_t PromptCaptionMax = 255;
void PromptSetCaption(const char* text, int32_t length);
