// NumPowInt: x raised to a whole power n.
//
// Method: binary powering, lowest bit first: P starts at 1; for each bit of
// abs(n), P = x * P when the bit is set, then x = x * x. A negative n
// inverts the finished power: 1 / P.
// Special cases: 0 to a negative power is +inf (1 / 0). A power whose
// magnitude overflows inverts to 0, so 2^-1074 is 0 although it is a double.
// The squaring runs after the last bit too, so x * x may overflow unused.
// n = -2147483648 works on the magnitude 2^31 like any other n.
// Accuracy: exact wherever every product is exact (small integer bases,
// powers of two); otherwise each product is rounded in this order, and the
// order is part of the result.
#include "runtime/numeric/numeric.h"

double NumPowInt(double x, int32_t n) {
  // The magnitude as unsigned, so that 2^31 is representable.
  uint32_t m = n < 0 ? 0u - static_cast<uint32_t>(n) : static_cast<uint32_t>(n);
  double power = 1.0;
  while (m != 0) {
    if (m & 1u) power = x * power;
    x = x * x;
    m >>= 1;
  }
  return n >= 0 ? power : 1.0 / power;
}
