// The same arguments give the same bits on every build: a digest of many
// results per routine, taken on one build and compared on the others. A
// fused multiply-add, a wider intermediate or a platform's exp sneaking in
// changes it.
#include <gtest/gtest.h>

#include <cstdint>

#include "runtime/numeric/numeric.h"
#include "tests/numeric/float_compare.h"

namespace {

// splitmix64: integer arithmetic only, so the arguments are the same bits
// everywhere.
uint64_t NextRandom(uint64_t& state) {
  uint64_t z = (state += 0x9E3779B97F4A7C15u);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
  return z ^ (z >> 31);
}

// A double in [low, high): 53 random bits scaled exactly, then one rounded
// multiply-add done as two operations.
double Uniform(uint64_t& state, double low, double high) {
  const double unit = static_cast<double>(NextRandom(state) >> 11) * 0x1p-53;
  return low + unit * (high - low);
}

// A NaN counts as one value, whatever its payload and sign: the 32-bit
// calling convention hands a double back on the x87 stack, which quiets a
// signalling NaN on the way, and nothing else differs between builds.
constexpr uint64_t AnyNaN = 0x7FF8000000000000u;

struct Digest {
  uint64_t value = 0xCBF29CE484222325u;  // FNV-1a
  void Add(double v) {
    const uint64_t bits = v != v ? AnyNaN : BitsOf(v);
    for (int byte = 0; byte < 8; ++byte) {
      value = (value ^ ((bits >> (8 * byte)) & 0xFF)) * 0x100000001B3u;
    }
  }
};

constexpr int Count = 100000;

TEST(SameBitsOnEveryBuild, Exp) {
  uint64_t state = 1;
  Digest digest;
  for (int i = 0; i < Count; ++i) digest.Add(NumExp(Uniform(state, -750, 715)));
  EXPECT_EQ(digest.value, 0x004E100381E879AFu);
}

TEST(SameBitsOnEveryBuild, Log) {
  uint64_t state = 2;
  Digest digest;
  for (int i = 0; i < Count; ++i) {
    digest.Add(NumLog(DoubleOf(NextRandom(state) & 0x7FFFFFFFFFFFFFFFu)));  // any positive double
  }
  EXPECT_EQ(digest.value, 0x9B965E3A4D305F03u);
}

TEST(SameBitsOnEveryBuild, Pow) {
  uint64_t state = 3;
  Digest digest;
  for (int i = 0; i < Count; ++i) {
    const double x = Uniform(state, 0, 1000), y = Uniform(state, -60, 60);
    digest.Add(NumPow(x, y));
    digest.Add(NumPow(-x, static_cast<double>(NumInt(y))));
  }
  EXPECT_EQ(digest.value, 0x71D75F7F8E2AA4BFu);
}

}  // namespace
