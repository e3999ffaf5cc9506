// Every routine returns, with a defined value, for every double: infinities,
// NaN, subnormals below the domains, the extreme integers. A hang here shows
// as the test's timeout.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <vector>

#include "runtime/numeric/numeric.h"
#include "tests/numeric/float_compare.h"

namespace {

constexpr double Inf = std::numeric_limits<double>::infinity();
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double Max = std::numeric_limits<double>::max();

std::vector<double> SpecialDoubles() {
  const double magnitudes[] = {0,           0x1p-1074, 0x1.fffffffffffffp-1023, 0x1p-1022,
                               0x1p-1024,   1e-310,    0x1.6a09e667f3bcdp-1024, 0.5,
                               1,           1.5,       709.44,                  746,
                               1488522236., 0x1p31,    0x1p1023,                Max,
                               Inf};
  std::vector<double> values;
  for (double m : magnitudes) {
    values.push_back(m);
    values.push_back(-m);
  }
  values.push_back(NaN);
  values.push_back(-NaN);
  return values;
}

std::vector<double> RandomDoubles(int count, uint64_t seed) {
  std::mt19937_64 random(seed);
  std::vector<double> values(count);
  for (double& v : values) v = DoubleOf(random());
  return values;
}

const int32_t SpecialIntegers[] = {INT32_MIN, INT32_MIN + 1, -2048, -1075, -1074, -1024,
                                   -1023,     -1,            0,     1,     1023,  1024,
                                   2047,      INT32_MAX};

TEST(OutsideTheDomains, ExpIsNonNegativeAndNaNOnlyForNaN) {
  auto values = SpecialDoubles();
  const auto random = RandomDoubles(200000, 53);
  values.insert(values.end(), random.begin(), random.end());
  for (double x : values) {
    const double y = NumExp(x);
    EXPECT_EQ(std::isnan(y), std::isnan(x)) << Hex(x);
    if (!std::isnan(x)) {
      EXPECT_GE(y, 0.0) << Hex(x);
    }
  }
  EXPECT_TRUE(SameBits(Inf, NumExp(Max)));
  EXPECT_TRUE(SameBits(0.0, NumExp(-Max)));
}

// For every positive finite x the result is the logarithm of x, also where
// the search of the exponent could not reach.
TEST(OutsideTheDomains, LogIsTheLogarithmWhereverItIsFinite) {
  auto values = SpecialDoubles();
  const auto random = RandomDoubles(200000, 59);
  values.insert(values.end(), random.begin(), random.end());
  for (double x : values) {
    const double y = NumLog(x);
    if (std::isnan(x)) {
      EXPECT_TRUE(std::isnan(y));
    } else if (x <= 0) {
      EXPECT_TRUE(SameBits(0.0, y)) << Hex(x);
    } else {
      EXPECT_LE(UlpDistance(std::log(x), y), 2) << Hex(x) << ": got " << Hex(y);
    }
  }
}

TEST(OutsideTheDomains, Split2ReturnsForEveryDouble) {
  auto values = SpecialDoubles();
  const auto random = RandomDoubles(200000, 61);
  values.insert(values.end(), random.begin(), random.end());
  for (double v : values) {
    int32_t e = 0;
    const double f = NumSplit2(v, e);
    if (std::isfinite(v) && v != 0) {
      EXPECT_TRUE(SameBits(v, std::ldexp(f, e))) << Hex(v) << " split into " << Hex(f) << ", " << e;
    } else {
      EXPECT_EQ(e, 0) << Hex(v);
    }
  }
}

TEST(OutsideTheDomains, Scale2AndPowIntReturnForEveryInteger) {
  std::mt19937 random(67);
  std::uniform_int_distribution<int32_t> any(INT32_MIN, INT32_MAX);
  std::vector<int32_t> integers(std::begin(SpecialIntegers), std::end(SpecialIntegers));
  for (int i = 0; i < 200; ++i) integers.push_back(any(random));
  for (double v : SpecialDoubles()) {
    for (int32_t n : integers) {
      const double scaled = NumScale2(v, n);
      // -2^31 behaves as every n below -2047: the factor is 0.
      if (n == INT32_MIN) {
        EXPECT_TRUE(SameBits(v * 0.0, scaled)) << Hex(v);
      }
      const double power = NumPowInt(v, n);
      if (n == 0) {
        EXPECT_TRUE(SameBits(1.0, power)) << Hex(v);
      }
    }
  }
}

// NaN comes out only for a NaN argument, or from 1 ^ +-inf, where the
// infinite exponent meets ln 1 = 0.
TEST(OutsideTheDomains, PowIsNaNOnlyForNaNArgumentsOrOneToAnInfinitePower) {
  auto values = SpecialDoubles();
  const auto random = RandomDoubles(300, 71);
  values.insert(values.end(), random.begin(), random.end());
  for (double x : values) {
    for (double y : values) {
      const double z = NumPow(x, y);
      const bool nan_allowed =
          std::isnan(x) || std::isnan(y) || (x == 1 && std::isinf(y));
      if (!nan_allowed) {
        EXPECT_FALSE(std::isnan(z)) << Hex(x) << " ^ " << Hex(y);
      }
      if (std::isnan(y)) {
        EXPECT_TRUE(std::isnan(z)) << Hex(x) << " ^ " << Hex(y);
      }
    }
  }
}

}  // namespace
