// NumScale2: v * 2^n, formed by repeated squaring of a factor of two.
//
// Method: f = 2 for n >= 0, f = 0.5 for n < 0; for each bit of abs(n),
// lowest first, v = v * f when the bit is set, then f = f * f.
// Special cases: for n >= 1024 the factor reaches 2^1024 = +inf, so the
// result is +-inf for every nonzero v (also where v * 2^n is finite, v < 1)
// and NaN for v = 0. For n < 0 the factor passes through the subnormal
// 2^-1024 (exact) and is 0 from 2^-2048 on, so n <= -2048 gives +-0 (NaN for
// infinite v). Once v is subnormal every further product rounds again: a
// subnormal result can differ from one correctly rounded v * 2^n.
// n = -2147483648, whose negation does not fit, is taken as the magnitude
// 2^31 and gives 0 like every n <= -2048.
// Fast path: the loop's products are exact until the result overflows or
// leaves the normal range, so for 0 <= n <= 1023, and for -1022 <= n < 0
// with a normal result, one product with 2^n gives the same bits; n >= 1024
// is v * inf. Only subnormal and underflowing results run the loop.
// Accuracy: exact wherever the result is normal.
#include <cfloat>
#include <cmath>
#include <limits>

#include "runtime/numeric/binary.h"
#include "runtime/numeric/numeric.h"

using numeric_bits::PowerOfTwo;

static double ScaleBySquaring(double v, int32_t n) {
  double factor = n >= 0 ? 2.0 : 0.5;
  uint32_t magnitude = n >= 0 ? static_cast<uint32_t>(n) : 0u - static_cast<uint32_t>(n);
  while (magnitude != 0) {
    if (magnitude & 1u) v = v * factor;
    factor = factor * factor;
    magnitude >>= 1;
  }
  return v;
}

double NumScale2(double v, int32_t n) {
  if (n >= -1022 && n <= 1023) {
    const double product = v * PowerOfTwo(n);
    // Not a branch on the sign of n: callers pass both signs at random.
    if ((n >= 0) | !(std::fabs(product) < DBL_MIN)) return product;
  }
  if (n >= 1024) return v * std::numeric_limits<double>::infinity();
  return ScaleBySquaring(v, n);
}
