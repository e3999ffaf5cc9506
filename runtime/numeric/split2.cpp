// NumSplit2: v = f * 2^e with 0.5 <= abs(f) < 1.
//
// Method: the runtime's rule is a search from e = 0, one step at a time
// (upward for abs(v) >= 1, downward otherwise), that divides v by a fresh
// 2^e from NumPowInt on each pass until the quotient lies in [0.5, 1). Inside
// the range below, every quotient is exact, so the search stops at the
// binary exponent of v: that exponent is read from the bits at once, and the
// fraction is the search's last pass, v / NumPowInt(2, e).
// Special cases: v = +-0 gives 0 with e = 0. The fraction keeps the sign of
// v. Outside 2^-1024 <= abs(v) < 2^1023 the search would never end (2^e
// overflows to inf, or 1 / 2^e to 0, before the window is met); there the
// exact split is returned (e down to -1073 or up to 1024). Infinities and
// NaN are returned with e = 0.
// Accuracy: exact.
#include <cmath>

#include "runtime/numeric/binary.h"
#include "runtime/numeric/numeric.h"

using numeric_bits::BinaryExponent;

double NumSplit2(double v, int32_t& e) {
  if (v == 0.0) {
    e = 0;
    return 0.0;
  }
  if (!std::isfinite(v)) {
    e = 0;
    return v;
  }
  const double magnitude = NumAbs(v);
  if (magnitude < 0x1p-1024 || magnitude >= 0x1p1023) {
    int exponent = 0;
    const double fraction = std::frexp(v, &exponent);
    e = static_cast<int32_t>(exponent);
    return fraction;
  }
  e = BinaryExponent(v);
  return v / NumPowInt(2.0, e);
}
