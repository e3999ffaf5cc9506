// Helpers for tests that compare doubles bit for bit or by units in the
// last place, printing numbers as hex floats.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

inline uint64_t Bits(double v) {
  uint64_t bits;
  std::memcpy(&bits, &v, sizeof bits);
  return bits;
}

inline double FromBits(uint64_t bits) {
  double v;
  std::memcpy(&v, &bits, sizeof v);
  return v;
}

inline std::string Hex(double v) {
  char text[64];
  std::snprintf(text, sizeof text, "%a", v);
  return text;
}

// Passes when both are the same bits, or both NaN.
inline testing::AssertionResult SameBits(double want, double got) {
  if (Bits(want) == Bits(got) || (want != want && got != got)) {
    return testing::AssertionSuccess();
  }
  return testing::AssertionFailure() << "want " << Hex(want) << " got " << Hex(got);
}

// Doubles as integers in the order of their values, so that the difference
// of two is the number of doubles between them.
inline int64_t OrderedBits(double v) {
  const auto bits = static_cast<int64_t>(Bits(v));
  return bits < 0 ? INT64_MIN - bits : bits;
}

inline double UlpDistance(double a, double b) {
  return std::fabs(static_cast<double>(OrderedBits(a) - OrderedBits(b)));
}
