// The string heap: every runtime string is an RtString taken from the
// process heap and recorded in the StringRegistry while it lives.
//
// Layout of an RtString s: the byte length is a 32-bit signed integer in the
// 4 bytes before s, the bytes follow from s on, and a NUL stands after them.
// Whoever holds an RtString owns it and releases it exactly once; operations
// that take strings as operands consume them, and the strings they return
// belong to the caller. Both threads may allocate and release at once: the
// registry's lock is the only lock the string heap takes.
//
// A release of a pointer the registry does not hold (released twice, from
// elsewhere, into the middle of a string) changes nothing and sends one fixed
// line to the debugger; null is ignored. When the heap cannot serve a block,
// or a length is negative or too large for a block, the process sends a line
// saying so and ends with StrHeapFailureExitCode: no string is ever written
// through a null or undersized block.
#pragma once

#include <cstddef>
#include <cstdint>

#include "runtime/system.h"

using RtString = char*;

// Shift-JIS for "an unknown string was about to be released", CR LF.
inline constexpr char UnknownStringMessage[] =
    "\x96\xA2\x92\x6D\x82\xCC\x95\xB6\x8E\x9A\x97\xF1\x82\xAA\x89\xF0"
    "\x95\xFA\x82\xB3\x82\xEA\x82\xE6\x82\xA4\x82\xC6\x82\xB5\x82\xDC"
    "\x82\xB5\x82\xBD\x81\x42\r\n";
inline constexpr char OutOfMemoryMessage[] = "string heap: out of memory\r\n";
inline constexpr int StrHeapFailureExitCode = 3;

// One entry per live string, oldest first; the entries block always holds
// exactly count + 1 slots after an allocation.
struct StringRegistryState {
  RtString* entries;
  int32_t count;
  SysLock lock;
};
extern StringRegistryState StringRegistry;

// Sets up the registry and seeds the random generator; called once, first.
void StrHeapInit();
// A new registered string of `length` zero bytes.
RtString StrNew(int32_t length);
// Unregisters and frees s; see above for unknown pointers and null.
void StrRelease(void* s);
// Whether the registry holds s now: whether releasing it would free it.
bool StrIsLive(const void* s);
int32_t StrLength(RtString s);

// Plain zero-filled blocks from the same heap, not registered; a failed
// allocation ends the process as above.
void* MemAllocZero(std::size_t bytes);
void MemFree(void* block);

// String operations. Each consumes the operands it is handed (releases them
// before it returns) and returns a new string owned by the caller. Lengths
// come from the length fields, so embedded zero bytes are carried along.
// An operand the registry does not hold (null, released already, into the
// middle of a string) is never read: it counts as the empty string, and its
// release sends the debugger line as above (none for null).

// The bytes of left followed by those of right; releases left, then right.
// A result longer than the largest length ends the process as an exhausted
// heap does.
RtString StrConcat(RtString left, RtString right);
// Compares left with right in the system's locale: 1 less, 2 equal,
// 3 greater, 0 when the comparison fails. Releases left, then right.
int32_t StrCompare(RtString left, RtString right);
// As StrCompare, but releases right only: left stays the caller's.
int32_t StrCompareKeep(RtString left, RtString right);
// The first byte of s as 0..255 (0 for an empty string); releases s.
int32_t StrFirstByte(RtString s);
// A new zero-filled string of `length` bytes; releases nothing.
RtString StrRenew(int32_t length);
// The string a variable holds, still owned by the variable.
RtString StrPeek(const RtString* variable);
