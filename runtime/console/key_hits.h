// The keys as they go down and up, for the words that ask which keys are
// held (QB64's _KEYHIT and _KEYDOWN), beside the key buffer that INKEY$
// reads. A key has one code: the character it types (65 for A with Shift,
// 97 without), 256 times its PC scan code when it types none (F1 is 15104,
// the up arrow 18432), or 100000 and more for the shift keys and locks
// (100304 the left Shift, 100306 the left Ctrl, 100308 the left Alt, one
// less for the right ones; 100300 NumLock, 100301 CapsLock, 100302
// ScrollLock). A key going down is its code, going up its negative.
//
// Threads: the window thread notes the keys, the program's thread reads
// them; a lock made on first use guards the state.
#pragma once

#include <cstdint>

inline constexpr int32_t KeyHitCapacity = 128;

// The code of a key that types no character, from its virtual-key code,
// its scan code and whether the keyboard marks it extended (the right Ctrl
// and Alt); 0 for a key whose code is the character it types.
int32_t KeyHitCodeOf(uint32_t virtual_key, uint32_t scan_code, bool extended);

// The window thread: a key going down (code 0 when its character is still
// to come), the character it typed, a key going up.
void KeyHitDown(uint32_t virtual_key, int32_t code);
void KeyHitChar(uint8_t character);
void KeyHitUp(uint32_t virtual_key);

// The oldest code not yet taken; false when there is none. When the ring is
// full, the oldest codes make room.
bool KeyHitTake(int32_t* code);
// Whether the key with that code is held down now.
bool KeyHitIsDown(int32_t code);
// Forgets every code and every key held (a new run).
void KeyHitClear();
