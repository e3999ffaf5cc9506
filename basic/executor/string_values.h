// The interpreter's string values, from a pool of its own. A run makes and
// drops millions of short strings; the runtime's heap, shared by two
// threads and recording every live string, costs more than the work done
// with them, so the interpreter's strings never go there and never reach
// the runtime's string routines (what reaches the screen is copied into a
// runtime string first).
//
// A string is laid out as a runtime string is: the bytes, a NUL after them,
// the length (an int32) just before them. Whoever holds a string owns it
// and releases it exactly once; a variable holds null for the empty
// string, a stack only real strings. The pool serves one thread, the one
// that runs the program.
#pragma once

#include <cstdint>
#include <string_view>

#include "runtime/strings/strings.h"

// A new string holding the bytes; "a string too long" is the caller's to
// check first.
RtString NewString(std::string_view bytes);
// A new string of length zero bytes, to be filled in.
RtString NewBlankString(int32_t length);
// Gives the string back to the pool; null is ignored.
void ReleaseString(RtString s);

// The length and bytes of a string, or of a variable's null (empty).
int32_t StringLength(RtString s);
std::string_view BytesOf(RtString s);

// left's bytes then right's, releasing both (left is grown in place when
// its block has room). The caller checks that the sum fits an int32.
RtString ConcatStrings(RtString left, RtString right);
// left against right in the system's locale, as the runtime compares:
// 1 less, 2 equal, 3 greater; releases both.
int32_t CompareStrings(RtString left, RtString right);

// The strings made and not yet released: a run that ends has released all
// it made.
int64_t LiveStrings();
