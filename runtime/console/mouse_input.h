// The mouse over the window, for the words that read it (QB64's _MOUSEX,
// _MOUSEY, _MOUSEBUTTON and _MOUSEINPUT): each move or button change the
// window sees is a record of where the mouse is, in the window's client
// pixels, and which buttons are held. The program reads them in order, as
// _MOUSEINPUT steps through them, or the latest at once.
//
// Threads: the window thread puts the records, the program's thread takes
// them; a lock made on first use guards them.
#pragma once

#include <cstdint>

inline constexpr int32_t MouseInputCapacity = 256;

struct MouseRecord {
  int32_t x = 0, y = 0;  // client pixels
  uint8_t buttons = 0;   // 1 the left, 2 the right, 4 the middle
};

// Adds a record; when the ring is full, the oldest makes room.
void MouseInputPut(const MouseRecord& record);
// The oldest record not yet taken; false when there is none.
bool MouseInputTake(MouseRecord* record);
// The latest record put, taken or not; all zero before the first.
MouseRecord MouseInputLatest();
// Forgets every record (a new run).
void MouseInputClear();
