// RND and its generator.
//
// Method: a 32-bit linear congruential step; the new state, read unsigned,
// is divided by 65536 and rounded to nearest (ties to even), then reduced
// modulo 32768. RND multiplies two outputs and keeps the product modulo
// 100000, over 100000.
// Special cases: an upper half that rounds up to 32768 or 65536 gives 0; RND
// is 0 when either output is 0 or the product is a multiple of 100000.
#include <cmath>

#include "runtime/numeric/numeric.h"

uint32_t RandSeed;

static constexpr uint32_t Multiplier = 1103515245u;  // 0x41C64E6D
static constexpr uint32_t Increment = 12345u;        // 0x3039

int32_t RandNext() {
  RandSeed = RandSeed * Multiplier + Increment;
  const double upper = Int64ToDouble(int64_t{RandSeed}) / 65536.0;
  // 0 ... 65536 fits 32 bits, whose conversion is one SSE2 instruction on
  // every target (a 64-bit one would go through the x87 unit on i686).
  const auto rounded = static_cast<int32_t>(std::nearbyint(upper));
  return rounded % 32768;
}

double NumRnd() {
  const int32_t a = RandNext();
  const int32_t b = RandNext();
  const int32_t m = (a * b) % 100000;  // at most 32767 * 32767: no overflow
  return NumIdentity(static_cast<double>(m)) / 100000.0;
}
