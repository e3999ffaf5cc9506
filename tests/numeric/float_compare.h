// Helpers for tests that compare doubles bit for bit or by units in the
// last place, printing numbers as hex floats.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "runtime/numeric/binary.h"

using numeric_bits::BitsOf;
using numeric_bits::DoubleOf;

inline std::string Hex(double v) {
  char text[64];
  std::snprintf(text, sizeof text, "%a", v);
  return text;
}

// Passes when both are the same bits, or both NaN.
inline testing::AssertionResult SameBits(double want, double got) {
  if (BitsOf(want) == BitsOf(got) || (want != want && got != got)) {
    return testing::AssertionSuccess();
  }
  return testing::AssertionFailure() << "want " << Hex(want) << " got " << Hex(got);
}

// Doubles as integers in the order of their values, so that the difference
// of two is the number of doubles between them.
inline int64_t OrderedBits(double v) {
  const auto bits = static_cast<int64_t>(BitsOf(v));
  return bits < 0 ? INT64_MIN - bits : bits;
}

inline double UlpDistance(double a, double b) {
  return std::fabs(static_cast<double>(OrderedBits(a) - OrderedBits(b)));
}
