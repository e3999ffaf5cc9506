#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <random>

#include "runtime/numeric/numeric.h"
#include "tests/numeric/float_compare.h"

namespace {

constexpr double Inf = std::numeric_limits<double>::infinity();
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

struct PowRow {
  double x, y, want;
  const char* why;
};

TEST(NumPow, Table) {
  const PowRow rows[] = {
      {2, 10, 1024, "whole exponent: exact repeated squaring"},
      {2, -2, 0.25, "negative whole exponent inverts"},
      {-2, 3, -8, "negative base with a whole exponent"},
      {3, 2, 9, "odd base squared"},
      {0, 0, 1, "zero to the zeroth: the empty product"},
      {0, -1, Inf, "zero to a negative power divides by zero"},
      {-0.0, -1, -Inf, "negative zero to an odd negative power"},
      {9, 0.5, 3, "logarithm path lands on an exact root"},
      {4, 0.5, 2, "ln 4 is exactly 2 ln2 and 0.5 of it gives k = 1, r = 0"},
      {2, 0.5, 1.414213562373095, "one ulp below the nearest double to sqrt 2"},
      {10, 2.5, 316.22776601683773, "fractional exponent above one"},
      {-8, 1.0 / 3, 0, "negative base, fractional exponent: 0"},
      {0, 0.5, 0, "zero base, fractional exponent: 0"},
      {0, -0.5, 0, "zero base, negative fractional exponent: 0, not inf"},
      {-1, 2147483647, -1, "largest whole exponent, odd"},
      {-1, -2147483647, -1, "smallest whole exponent, odd"},
      {-1, 2147483648.0, 0, "first exponent past the bound leaves the whole path"},
      {-2, -2147483648.0, 0, "-2^31 is outside the symmetric bounds"},
      {0.5, 2147483648.0, 0, "positive base past the bound: the exponential underflows"},
      {2, 2147483648.0, Inf, "positive base past the bound: the exponential overflows"},
      {2, 1e300, Inf, "exponent far outside: NumExp continues with +inf"},
      {NaN, 0, 1, "every x ^ 0 is the empty product, NaN too"},
      {NaN, 0.5, NaN, "NaN base with a fractional exponent"},
      {NaN, 3, NaN, "NaN base with a whole exponent"},
      {2, NaN, NaN, "NaN exponent, positive base"},
      {-2, NaN, NaN, "NaN exponent, negative base"},
      {Inf, 0.5, Inf, "infinite base, positive fractional exponent"},
      {Inf, -0.5, 0, "infinite base, negative fractional exponent"},
      {-Inf, 0.5, 0, "negative infinite base, fractional exponent: base <= 0 rule"},
      {-Inf, 3, -Inf, "negative infinite base, odd whole exponent"},
      {2, Inf, Inf, "infinite exponent, base above one"},
      {0.5, Inf, 0, "infinite exponent, base below one"},
      {2, -Inf, 0, "negative infinite exponent, base above one"},
      {1, Inf, NaN, "infinite exponent times ln 1 = 0"},
  };
  for (const PowRow& row : rows) {
    EXPECT_TRUE(SameBits(row.want, NumPow(row.x, row.y)))
        << Hex(row.x) << " ^ " << Hex(row.y) << ": " << row.why;
  }
}

// The logarithm path against the platform's pow. NumExp errs by up to
// 2385 ulp, and t = y * NumLog(x) by about 2.5 ulp of t, which e^t turns
// into up to 5 ulp per unit of abs(t), at most 690 here: 6000 ulp bound
// the result (2250 measured over 10^7 arguments).
TEST(NumPow, FractionalExponentsStayCloseToThePlatform) {
  std::mt19937_64 random(7);
  std::uniform_real_distribution<double> log_base(std::log(1e-3), std::log(1e3));
  std::uniform_real_distribution<double> exponent(-50, 50);
  double worst = 0;
  for (int i = 0; i < 200000; ++i) {
    const double x = std::exp(log_base(random));
    const double y = exponent(random);
    const double got = NumPow(x, y), want = std::pow(x, y);
    if (want < 1e-300 || want > 1e300) continue;
    const double ulps = UlpDistance(want, got);
    EXPECT_LE(ulps, 6000) << Hex(x) << " ^ " << Hex(y) << ": want " << Hex(want) << " got "
                          << Hex(got);
    if (ulps > worst) worst = ulps;
  }
  RecordProperty("max_ulp", std::to_string(worst));
}

struct PowIntRow {
  double x;
  int32_t n;
  double want;
  const char* why;
};

TEST(NumPowInt, Table) {
  const PowIntRow rows[] = {
      {2, 0, 1, "zeroth power"},
      {2, -1074, 0, "2^1074 overflows before it is inverted"},
      {2, 1023, 0x1p1023, "largest power of two"},
      {2, 1024, Inf, "overflow"},
      {2, -1022, 0x1p-1022, "smallest normal, inverted exactly"},
      {2, -1023, 0x1p-1023, "inverse of 2^1023 is an exact subnormal"},
      {0.5, 1074, 0x1p-1074, "products through the subnormal 2^-1024 stay exact"},
      {0, -1, Inf, "zero to a negative power"},
      {-0.0, -3, -Inf, "negative zero to an odd negative power"},
      {-0.0, -2, Inf, "negative zero to an even negative power"},
      {0, 0, 1, "zero to the zeroth"},
      {-1, INT32_MIN, 1, "magnitude 2^31 is even"},
      {-1, INT32_MAX, -1, "magnitude 2^31 - 1 is odd"},
      {2, INT32_MIN, 0, "2^(2^31) overflows and inverts to 0"},
      {0.5, INT32_MIN, Inf, "0.5^(2^31) underflows and inverts to inf"},
      {Inf, -1, 0, "infinity inverted"},
      {NaN, 0, 1, "the empty product ignores the base"},
  };
  for (const PowIntRow& row : rows) {
    EXPECT_TRUE(SameBits(row.want, NumPowInt(row.x, row.n)))
        << Hex(row.x) << " ^ " << row.n << ": " << row.why;
  }
}

// Where every product is exact, any order of multiplication gives the same
// bits, so the plain product is a reference. Elsewhere the squaring order
// rounds differently, and the squaring order is the one that counts.
TEST(NumPowInt, MatchesRepeatedMultiplicationWhereProductsAreExact) {
  const double integer_bases[] = {-7, -3, -2, -1, 1, 2, 3, 5, 7, 10, 11};
  for (double base : integer_bases) {
    double product = 1;
    for (int32_t n = 0; n <= 64 && std::fabs(product) < 0x1p53; ++n, product *= base) {
      EXPECT_TRUE(SameBits(product, NumPowInt(base, n))) << base << " ^ " << n;
      EXPECT_TRUE(SameBits(1 / product, NumPowInt(base, -n))) << base << " ^ " << -n;
    }
  }
  const double power_bases[] = {2, 0.5, 4, 0.25, -2, -0.125, 0x1p10, 0x1p-7};
  for (double base : power_bases) {
    double product = 1;
    for (int32_t n = 0; std::fabs(product) >= 0x1p-1022 && std::fabs(product) <= 0x1p1023;
         ++n, product *= base) {
      EXPECT_TRUE(SameBits(product, NumPowInt(base, n))) << base << " ^ " << n;
    }
  }
}

struct AbsRow {
  double x, want;
  const char* why;
};

TEST(NumAbs, Table) {
  const AbsRow rows[] = {
      {-2.5, 2.5, "negative"},
      {2.5, 2.5, "positive unchanged"},
      {-0.0, -0.0, "negative zero is not below zero: stays negative"},
      {-0x1p-1074, 0x1p-1074, "negative subnormal"},
      {-Inf, Inf, "negative infinity"},
  };
  for (const AbsRow& row : rows) {
    EXPECT_EQ(BitsOf(row.want), BitsOf(NumAbs(row.x))) << Hex(row.x) << ": " << row.why;
  }
  EXPECT_TRUE(std::isnan(NumAbs(NaN)));
}

}  // namespace
