// NumPow: the power operator x ^ y.
//
// Method: a whole exponent within -2147483647 ... 2147483647 goes to
// NumPowInt; otherwise a positive base gives NumExp(y * NumLog(x)); any
// other base gives 0.
// Special cases: 0 ^ 0 = 1, 0 ^ -1 = +inf, 0 ^ 0.5 = 0, (-8) ^ (1/3) = 0,
// (-1) ^ 2147483648 = 0 (a whole exponent outside the bounds takes the
// logarithm path, which a base <= 0 does not have). A NaN base or exponent
// gives NaN, except that every x ^ 0 is 1. +inf ^ y is +inf for y > 0 and
// 0 for y < 0; x ^ +-inf is +inf or 0 by the sign of y * ln x (NaN for
// x = 1); -inf ^ y with a fractional y is 0.
// Accuracy: that of NumPowInt, or that of NumExp with the error of ln x
// magnified by y: at most 2250 ulp from the correctly rounded x ^ y over
// 10^7 arguments with x in [1e-3, 1e3], y in [-50, 50] (results in
// [1e-300, 1e300]).
#include "runtime/numeric/numeric.h"

double NumPow(double x, double y) {
  // All three parts are evaluated; NumInt is defined for every y.
  const bool above_lower = y >= -2147483647.0;
  const bool below_upper = y <= 2147483647.0;
  const int32_t whole = NumInt(y);
  const bool integral = y == NumIdentity(static_cast<double>(whole));
  if (above_lower & below_upper & integral) return NumPowInt(x, whole);
  if (x != x || y != y) return x + y;
  if (x > 0.0) return NumExp(y * NumLog(x));
  return 0.0;
}
