// Exact powers of two and binary exponents, read from and written to the
// bits of an IEEE double. Internal to the numeric library: these are the
// constant-time steps that replace the runtime's step-by-step searches and
// squaring loops wherever the results are provably the same bits.
#pragma once

#include <cstdint>
#include <cstring>

namespace numeric_bits {

inline uint64_t BitsOf(double v) {
  uint64_t bits;
  std::memcpy(&bits, &v, sizeof bits);
  return bits;
}

inline double DoubleOf(uint64_t bits) {
  double v;
  std::memcpy(&v, &bits, sizeof v);
  return v;
}

// 2^e, exactly, for -1074 <= e <= 1023 (below -1022 a subnormal).
inline double PowerOfTwo(int32_t e) {
  if (e >= -1022) return DoubleOf(static_cast<uint64_t>(e + 1023) << 52);
  return DoubleOf(uint64_t{1} << (e + 1074));
}

// The e with abs(v) = f * 2^e and 0.5 <= f < 1, for finite nonzero v.
inline int32_t BinaryExponent(double v) {
  int32_t offset = 0;
  int32_t biased = static_cast<int32_t>((BitsOf(v) >> 52) & 0x7FF);
  if (biased == 0) {
    // A subnormal has no implicit bit to count from; 2^64 scales it into
    // the normal range without rounding.
    offset = -64;
    biased = static_cast<int32_t>((BitsOf(v * 0x1p64) >> 52) & 0x7FF);
  }
  return biased - 1022 + offset;
}

}  // namespace numeric_bits
