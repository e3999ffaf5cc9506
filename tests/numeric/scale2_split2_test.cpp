#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <vector>

#include "runtime/numeric/numeric.h"
#include "tests/numeric/float_compare.h"
#include "tests/numeric/stepwise.h"

namespace {

constexpr double Inf = std::numeric_limits<double>::infinity();
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double Max = std::numeric_limits<double>::max();

struct ScaleRow {
  double v;
  int32_t n;
  double want;
  const char* why;
};

TEST(NumScale2, Table) {
  const ScaleRow rows[] = {
      {1, -1023, 0x1p-1023, "exact subnormal result"},
      {1, 1023, 0x1p1023, "largest power of two"},
      {0.92, 1024, Inf, "the factor reaches 2^1024 = inf though v * 2^n is finite"},
      {0.75, 1025, Inf, "likewise for n > 1024"},
      {-0.5, 2000, -Inf, "the sign survives the infinite factor"},
      {0, 1024, NaN, "zero times the infinite factor"},
      {0x1p1000, -1024, 0x1p-24, "through the subnormal factor 2^-1024, exactly"},
      {0x1p1000, -2048, 0, "the factor is 0 from 2^-2048 on"},
      {0x1.8p-1073, -1, 0x1p-1073, "one rounding of a subnormal: 1.5 ulp ties to even"},
      {0x1.4p-1072, -3, 0, "two roundings: 2.5 ulp ties to 2, then 0.5 ties to 0"},
      {Max, -1, Max / 2, "exact halving of the largest double"},
      {0x1p-1074, 1023, 0x1p-51, "smallest subnormal scaled up, exactly"},
      {0x1p-1074, 1074, Inf, "n >= 1024: inf although v * 2^n would be 1"},
      {3, 1, 6, "single bit"},
      {1, INT32_MAX, Inf, "largest n"},
      {1, -INT32_MAX, 0, "smallest n of the domain"},
      {1, INT32_MIN, 0, "-2^31 taken as magnitude 2^31: the factor is 0"},
      {-1, INT32_MIN, -0.0, "and the sign is kept"},
      {Inf, INT32_MIN, NaN, "infinity times the zero factor"},
      {Inf, -5, Inf, "infinity halved stays infinite"},
      {NaN, 5, NaN, "NaN"},
  };
  for (const ScaleRow& row : rows) {
    EXPECT_TRUE(SameBits(row.want, NumScale2(row.v, row.n)))
        << Hex(row.v) << " * 2^" << row.n << ": " << row.why;
  }
}

// Values of v that meet every case of the fast path: zeros, subnormals,
// the ends of the normal range, infinities, NaN and random significands.
std::vector<double> ScaleValues() {
  std::vector<double> values = {0.0,       -0.0,      0x1p-1074,  0x1.4p-1072, 0x1.fffffffffffffp-1023,
                                0x1p-1022, 0.92,      1,          -1.5,        Max,
                                -Max,      Inf,       -Inf,       NaN};
  std::mt19937_64 random(31);
  std::uniform_int_distribution<uint64_t> bits;
  for (int i = 0; i < 40; ++i) {
    const double v = DoubleOf(bits(random));
    if (std::isfinite(v)) values.push_back(v);
  }
  return values;
}

// The fast path against the squaring loop for every n where it matters
// and for random n across the whole range.
TEST(NumScale2, SameBitsAsTheSquaringLoop) {
  std::vector<int32_t> exponents;
  for (int32_t n = -2200; n <= 2200; ++n) exponents.push_back(n);
  std::mt19937 random(37);
  std::uniform_int_distribution<int32_t> any(-INT32_MAX, INT32_MAX);
  for (int i = 0; i < 2000; ++i) exponents.push_back(any(random));
  int failures = 0;
  for (double v : ScaleValues()) {
    for (int32_t n : exponents) {
      const double want = StepwiseScale2(v, n), got = NumScale2(v, n);
      if (SameBits(want, got)) continue;
      ADD_FAILURE() << Hex(v) << " * 2^" << n << ": " << SameBits(want, got).message();
      if (++failures == 10) return;
    }
  }
}

TEST(NumScale2, MatchesLdexpWhereNothingOverflowsOrGoesSubnormal) {
  std::mt19937_64 random(41);
  std::uniform_int_distribution<int32_t> exponent(-1022, 1023);
  std::uniform_real_distribution<double> significand(1, 2);
  int checked = 0;
  while (checked < 200000) {
    const int32_t vexp = exponent(random), n = exponent(random);
    if (vexp + n < -1022 || vexp + n > 1023) continue;
    const double v = std::ldexp(random() % 2 ? significand(random) : -significand(random), vexp);
    ASSERT_TRUE(SameBits(std::ldexp(v, n), NumScale2(v, n))) << Hex(v) << " * 2^" << n;
    ++checked;
  }
}

struct SplitRow {
  double v, want;
  int32_t want_e;
  const char* why;
};

TEST(NumSplit2, Table) {
  const SplitRow rows[] = {
      {0, 0, 0, "zero"},
      {-0.0, 0, 0, "negative zero is zero"},
      {1, 0.5, 1, "first step upward"},
      {0.75, 0.75, 0, "already in the window: e = 0"},
      {0.5, 0.5, 0, "lower edge of the window"},
      {-3, -0.75, 2, "the fraction keeps the sign"},
      {0.3, 0.6, -1, "first step downward"},
      {0x1p-1024, 0.5, -1023, "smallest value the search reaches"},
      {0x1.fffffffffffffp1022, 0x1.fffffffffffffp-1, 1023, "largest value the search reaches"},
      {0x1p1023, 0.5, 1024, "beyond the search: the exact split"},
      {Max, 0x1.fffffffffffffp-1, 1024, "largest double"},
      {0x1p-1074, 0.5, -1073, "smallest subnormal"},
      {-0x1.8p-1070, -0.75, -1069, "negative subnormal below the search"},
      {Inf, Inf, 0, "infinity returned whole"},
      {-Inf, -Inf, 0, "negative infinity returned whole"},
      {NaN, NaN, 0, "NaN returned whole"},
  };
  for (const SplitRow& row : rows) {
    int32_t e = 12345;
    const double f = NumSplit2(row.v, e);
    EXPECT_TRUE(SameBits(row.want, f)) << Hex(row.v) << ": " << row.why;
    EXPECT_EQ(e, row.want_e) << Hex(row.v) << ": " << row.why;
  }
}

// Every power of two in the search's range, both signs, three neighbours on
// each side, and a random sample of bit patterns of the range.
std::vector<double> SplitDomainSample() {
  std::vector<double> sample;
  for (int32_t k = -1024; k <= 1022; ++k) {
    double x = std::ldexp(1.0, k);
    for (int step = 0; step < 3 && x > 0x1p-1024; ++step) x = std::nextafter(x, 0.0);
    for (int step = 0; step < 7 && x < 0x1p1023; ++step, x = std::nextafter(x, Inf)) {
      sample.push_back(x);
      sample.push_back(-x);
    }
  }
  std::mt19937_64 random(43);
  std::uniform_int_distribution<uint64_t> bits(BitsOf(0x1p-1024), BitsOf(0x1p1023) - 1);
  for (int i = 0; i < 200000; ++i) {
    const double x = DoubleOf(bits(random));
    sample.push_back(i % 2 ? x : -x);
  }
  return sample;
}

TEST(NumSplit2, SameResultAsTheStepByStepSearch) {
  int failures = 0;
  for (double v : SplitDomainSample()) {
    int32_t want_e = 0, got_e = 0;
    const double want = StepwiseSplit2(v, want_e), got = NumSplit2(v, got_e);
    if (SameBits(want, got) && want_e == got_e) continue;
    ADD_FAILURE() << Hex(v) << ": want e " << want_e << " got e " << got_e << ", "
                  << SameBits(want, got).message();
    if (++failures == 10) return;
  }
}

TEST(NumSplit2, MatchesFrexpForEveryFiniteNonzeroDouble) {
  std::mt19937_64 random(47);
  for (int i = 0; i < 200000; ++i) {
    const double v = DoubleOf(random());
    if (!std::isfinite(v) || v == 0) continue;
    int want_e = 0;
    int32_t got_e = 0;
    const double want = std::frexp(v, &want_e);
    ASSERT_TRUE(SameBits(want, NumSplit2(v, got_e))) << Hex(v);
    ASSERT_EQ(want_e, got_e) << Hex(v);
  }
}

}  // namespace
