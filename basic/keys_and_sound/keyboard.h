// The keys a program reads with INKEY$, INPUT$ and SLEEP: typed into the
// window (the runtime's key buffer), or, when the run has an input script,
// the script's bytes, each one a key and each line end an Enter (CR).
#pragma once

#include <cstdint>

struct Machine;

// Puts what the program drew, in its latest colours, on the window: a
// program calls it before it waits.
void ShowBeforeWaiting(Machine& machine);

// Takes the next key byte; false when none is waiting, now.
bool TakeKeyByte(Machine& machine, uint8_t* byte);
// Waits for the next key byte; false when the script has ended, so that no
// key can ever come.
bool AwaitKeyByte(Machine& machine, uint8_t* byte);
// Waits until a key is waiting, leaving it to be read; false as above.
bool AwaitKeyWaiting(Machine& machine);
// Waits the time, or less when a key is or comes waiting (left to be read).
// A script's keys are all waiting at once; with none left, the time passes.
void AwaitKeyOrTime(Machine& machine, double ms);

// How long an empty INKEY$ gives the processor away: a program spinning on
// INKEY$ then costs the machine next to nothing.
inline constexpr int32_t EmptyInkeyPauseMs = 1;
