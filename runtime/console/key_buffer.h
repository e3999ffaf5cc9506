// The keys a program reads with INKEY$, INPUT$ and SLEEP: a ring of bytes
// that the window thread fills while no line input is active and the main
// thread empties.
//
// A typed character is one byte, as WM_CHAR gives it. A key that types no
// character (an arrow, a function key, Home, End, PgUp, PgDn, Ins, Del) is
// the two bytes 0 and its PC scan code, the way classic programs test it:
// CHR$(0) + CHR$(72) is the up arrow. The ring holds KeyBufferCapacity
// bytes; a key that does not fit whole is dropped, as a full keyboard
// buffer drops keys, so a pair is never split.
//
// Threads: any thread may call these; a lock made on first use guards the
// ring.
#pragma once

#include <cstdint>

inline constexpr int32_t KeyBufferCapacity = 256;

// Adds one typed character.
void KeyBufferPutChar(uint8_t code);
// Adds the key with this virtual-key code when it types no character and
// classic programs know it; other keys are left to their WM_CHAR.
void KeyBufferPutKeyDown(uint32_t virtual_key);
// Takes the oldest byte; false when the ring is empty.
bool KeyBufferTake(uint8_t* byte);
// Whether a byte is waiting, leaving it there.
bool KeyBufferHasKey();
// Whether a key may be waiting, without the lock: false only when the ring
// was empty at its last change (a key put since may not be seen yet).
bool KeyBufferMayHaveKey();
// Drops every waiting byte.
void KeyBufferClear();
// Offers each waiting key (a character, or 0 and its scan code) to take,
// oldest first, and removes those it answers true for; the rest keep their
// order. Event traps take their keys this way, wherever they wait.
using KeyTaker = bool (*)(const uint8_t* key, int32_t length, void* context);
void KeyBufferExtract(KeyTaker take, void* context);

// The shift keys and locks as a PC's BIOS kept them, the byte at 0:&H417
// low and the one at 0:&H418 high: the window thread sets them as keys
// go down and up, a test as it likes; 0 until then.
void KeyBufferSetShiftFlags(uint16_t flags);
uint16_t KeyBufferShiftFlags();
// The PC scan code of a key that types no character; 0 for any other key.
uint8_t ExtendedKeyScanCode(uint32_t virtual_key);
