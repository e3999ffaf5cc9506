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

// A double, the integer a conversion must give for it, and why.
struct ConversionRow {
  double x;
  int32_t want;
  const char* why;
};

TEST(NumInt, Table) {
  const ConversionRow rows[] = {
      {2.7, 2, "positive fraction truncates down"},
      {-2.7, -3, "negative fraction: truncation went up, one step down"},
      {-3.0, -3, "negative whole number: no step"},
      {-0.5, -1, "truncates to zero, which is above x"},
      {0.9999, 0, "just below one"},
      {-0.0, 0, "negative zero is not below zero"},
      {1e-300, 0, "tiny positive"},
      {-1e-300, -1, "tiny negative"},
      {2147483647.9, 2147483647, "largest floor in range"},
      {-2147483648.0, -2147483648, "smallest value in range, whole"},
      {-2147483647.5, -2147483648, "steps down onto the smallest value"},
      {0x1p-1074, 0, "smallest subnormal"},
      {-0x1p-1074, -1, "smallest negative subnormal"},
      {2147483648.0, INT32_MIN, "first positive out of range: the indefinite value"},
      {1e300, INT32_MIN, "huge positive: the indefinite value"},
      {Inf, INT32_MIN, "+inf like any positive out of range"},
      {-2147483648.5, INT32_MAX, "floor below the range: the step down wraps"},
      {-1e300, INT32_MAX, "huge negative wraps"},
      {-Inf, INT32_MAX, "-inf like any negative out of range"},
      {NaN, INT32_MAX, "NaN: indefinite value, then the wrapping step"},
  };
  for (const ConversionRow& row : rows) {
    EXPECT_EQ(NumInt(row.x), row.want) << Hex(row.x) << ": " << row.why;
  }
}

// floor(x) <= x < floor(x) + 1 wherever the floor fits in 32 bits; the
// sample favours integers and their neighbours, where truncation and floor
// part ways.
TEST(NumInt, IsTheFloorOverManyArguments) {
  std::mt19937_64 random(5);
  std::uniform_int_distribution<int64_t> whole(INT32_MIN + 1LL, INT32_MAX - 1LL);
  std::uniform_real_distribution<double> unit(-1.0, 1.0);
  int failures = 0;
  for (int i = 0; i < 300000 && failures < 10; ++i) {
    const double base = static_cast<double>(whole(random) >> (random() % 32));
    double x = base;
    switch (i % 4) {
      case 0: break;
      case 1: x = std::nextafter(base, Inf); break;
      case 2: x = std::nextafter(base, -Inf); break;
      default: x = base + unit(random); break;
    }
    const int32_t n = NumInt(x);
    if (!(static_cast<double>(n) <= x && x < static_cast<double>(n) + 1.0)) {
      ++failures;
      ADD_FAILURE() << "NumInt(" << Hex(x) << ") = " << n;
    }
  }
}

TEST(NumToInt32, RoundsToNearestTiesToEven) {
  const ConversionRow rows[] = {
      {0.5, 0, "tie down to even zero"},
      {1.5, 2, "tie up to even two"},
      {2.5, 2, "tie down to even two"},
      {-0.5, 0, "negative tie to zero"},
      {-1.5, -2, "negative tie to even"},
      {-2.5, -2, "negative tie to even"},
      {0.49999999999999994, 0, "just below a half: not a tie"},
      {2.5000000000000004, 3, "just above a tie"},
      {-2.7, -3, "rounds, does not truncate"},
      {2147483647.4, 2147483647, "rounds down into range"},
      {2147483647.5, INT32_MIN, "tie rounds to even 2^31: out of range"},
      {-2147483648.5, INT32_MIN + 0, "tie rounds to even -2^31: in range"},
      {-2147483649.5, INT32_MIN, "below the range: the indefinite value"},
      {1e300, INT32_MIN, "huge: the indefinite value"},
      {-Inf, INT32_MIN, "infinite: the indefinite value"},
      {NaN, INT32_MIN, "NaN: the indefinite value"},
  };
  for (const ConversionRow& row : rows) {
    EXPECT_EQ(NumToInt32(row.x), row.want) << Hex(row.x) << ": " << row.why;
  }
}

TEST(Int64ToDouble, RoundsTiesToEven) {
  EXPECT_TRUE(SameBits(4294967295.0, Int64ToDouble(0xFFFFFFFFLL)));  // exact
  EXPECT_TRUE(SameBits(0x1p53, Int64ToDouble((1LL << 53) + 1)));     // tie to even
  EXPECT_TRUE(SameBits(0x1p53 + 4, Int64ToDouble((1LL << 53) + 3)));  // tie to even
}

}  // namespace
