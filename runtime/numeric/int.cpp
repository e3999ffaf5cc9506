// NumInt: INT, the floor of a double as a signed 32-bit integer.
//
// Method: truncate toward zero, then step down by one where truncation went
// up (a negative argument with a fraction).
// Special cases: outside the 32-bit range, and for NaN, the truncation yields
// -2147483648, as the x86 conversion does; a negative argument (and NaN)
// then steps down with wrap-around to 2147483647. Every call returns.
#include "runtime/numeric/numeric.h"

static constexpr int32_t IntegerIndefinite = INT32_MIN;

// The truncating conversion with the x86 result outside the range, without
// touching the rounding mode (an out-of-range cast is undefined in C++).
static int32_t TruncateToInt32(double x) {
  if (!(x > -2147483649.0 && x < 2147483648.0)) return IntegerIndefinite;
  return static_cast<int32_t>(x);
}

int32_t NumInt(double x) {
  const int32_t t = TruncateToInt32(x);
  const bool truncated_upward = x < 0 && x < static_cast<double>(t);
  // NaN compares false above; the indefinite value then wraps like a
  // negative argument outside the range does.
  const bool wrapped = x != x;
  if (truncated_upward || wrapped) {
    return static_cast<int32_t>(static_cast<uint32_t>(t) - 1u);
  }
  return t;
}
