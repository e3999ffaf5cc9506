// The executor's string values: RtStrings of the runtime's heap, each in
// the registry while it lives. A variable holds its string or null for the
// empty string; a stack holds real strings only.
#pragma once

#include <string_view>

#include "runtime/strings/strings.h"

// A new registered string holding the bytes; "a string too long" is the
// caller's to check first.
RtString NewString(std::string_view bytes);
// The bytes of a string held by a variable (null is empty).
std::string_view BytesOf(RtString s);
