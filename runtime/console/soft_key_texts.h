// The function keys' texts that the window types into a line while INPUT
// reads one: F1 to F12, up to 15 bytes each. The program sets them; the
// window thread reads them when such a key goes down.
//
// Threads: any thread may call these; a lock made on first use guards them.
#pragma once

#include <cstdint>

inline constexpr int32_t SoftKeyTextCount = 12;
inline constexpr int32_t SoftKeyTextCapacity = 15;

// Sets key index's text (0 is F1, 11 is F12), its first 15 bytes; an index
// out of range changes nothing.
void SoftKeyTextSet(int32_t index, const char* bytes, int32_t length);
// Copies key index's text into bytes (room for SoftKeyTextCapacity) and
// returns its length; 0 for an index out of range.
int32_t SoftKeyTextGet(int32_t index, char* bytes);
// The key's index for the virtual-key codes of F1 to F12; -1 for others.
int32_t SoftKeyOfVirtualKey(uint32_t virtual_key);
