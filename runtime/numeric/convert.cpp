// The conversions: rounding a double to a 32-bit integer (nearest, ties to
// even), widening a 64-bit integer, and the identity through which widened
// integers are passed.
#include <cmath>

#include "runtime/numeric/numeric.h"

int32_t NumToInt32(double x) {
  // nearbyint rounds ties to even under the default rounding mode; the range
  // check keeps the cast defined and gives the x86 indefinite value outside.
  const double rounded = std::nearbyint(x);
  if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0)) return INT32_MIN;
  return static_cast<int32_t>(rounded);
}

double Int64ToDouble(int64_t v) { return static_cast<double>(v); }

double NumIdentity(double x) { return x; }
