// Fixed-length strings (DIM S AS STRING * n): a variable or element whose
// value always has n bytes. Stores pad with spaces or cut to n; a string
// never stored reads as n NUL bytes, as QBasic's zero-filled memory did.
#pragma once

#include <cstdint>

#include "runtime/strings/strings.h"

// The value as a fixed string of that length holds it: the bytes cut to
// length or padded with pad. Consumes value (null is empty) and gives a
// new string.
RtString FitString(RtString value, int32_t length, char pad);
