#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

#include "runtime/numeric/numeric.h"
#include "tests/numeric/float_compare.h"

namespace {

constexpr uint32_t Multiplier = 1103515245u;
constexpr uint32_t Increment = 12345u;

// The multiplicative inverse of the (odd) multiplier modulo 2^32, by Newton
// iteration: each step doubles the number of correct low bits.
uint32_t InverseMultiplier() {
  uint32_t inverse = Multiplier;  // correct in the low 3 bits
  for (int i = 0; i < 5; ++i) inverse *= 2u - Multiplier * inverse;
  return inverse;
}

// The seed from which the next generator step yields the state s.
uint32_t SeedBefore(uint32_t s) { return (s - Increment) * InverseMultiplier(); }

class Generator : public testing::Test {
 protected:
  void SetUp() override { RandSeed = 1; }
};

TEST_F(Generator, InverseStepIsExact) {
  RandSeed = SeedBefore(0x12345678u);
  RandNext();
  EXPECT_EQ(RandSeed, 0x12345678u);
}

TEST_F(Generator, FirstTwelveOutputsFromSeedOne) {
  const int32_t want[] = {16838, 5759, 10114, 17516, 31052, 5627,
                          23011, 7420, 16213, 4087, 2749, 12768};
  for (int32_t w : want) EXPECT_EQ(RandNext(), w);
}

TEST_F(Generator, StateIsReadUnsignedAndRounded) {
  EXPECT_EQ(RandNext(), 16838);  // 16838.49...: rounds down
  EXPECT_EQ(RandSeed, 0x41C67EA6u);
  EXPECT_EQ(RandNext(), 5759);  // 38526.69...: read unsigned, rounds up
  EXPECT_EQ(RandSeed, 0x967EB0E7u);
  EXPECT_EQ(RandNext(), 10114);  // 10113.89...: truncation would give 10113
}

struct TieRow {
  uint32_t state;  // the state after the step
  int32_t want;
  const char* why;
};

TEST_F(Generator, OutputAsAFunctionOfTheState) {
  const TieRow rows[] = {
      {0x00008000u, 0, "0.5 ties to even 0"},
      {0x00018000u, 2, "1.5 ties to even 2"},
      {0x00028000u, 2, "2.5 ties to even 2"},
      {0x00007FFFu, 0, "just below a half rounds down"},
      {0x00008001u, 1, "just above a half rounds up"},
      {0x7FFF7FFFu, 32767, "largest output"},
      {0x7FFF8000u, 0, "32767.5 ties to 32768, which wraps to 0"},
      {0x80008000u, 0, "32768.5 ties to even 32768: 0"},
      {0x80018000u, 2, "32769.5 ties to 32770: 2"},
      {0x80000000u, 0, "high bit set is read as 32768, not negative"},
      {0xFFFF7FFFu, 32767, "largest state that does not round to 65536"},
      {0xFFFF8000u, 0, "65535.5 ties to 65536: 0"},
      {0xFFFFFFFFu, 0, "largest state rounds to 65536: 0"},
  };
  for (const TieRow& row : rows) {
    RandSeed = SeedBefore(row.state);
    EXPECT_EQ(RandNext(), row.want) << std::hex << "state 0x" << row.state << ": " << row.why;
  }
}

TEST_F(Generator, FirstTenRndValuesFromSeedOne) {
  const double want[] = {0.70042, 0.56824, 0.29604, 0.4162, 0.62531,
                         0.99232, 0.62124, 0.554,   0.0656, 0.03246};
  for (double w : want) EXPECT_TRUE(SameBits(w, NumRnd()));
  EXPECT_EQ(RandSeed, 0xE3DECDADu) << "ten values take twenty steps";
}

TEST_F(Generator, RndIsZeroWhenADrawIsZero) {
  RandSeed = SeedBefore(0xFFFF8000u);  // the first draw rounds to 65536: 0
  EXPECT_TRUE(SameBits(0.0, NumRnd()));
}

TEST_F(Generator, RndIsZeroWhenTheProductIsAMultipleOf100000) {
  // A first draw of 6250 = 2 * 5^5 needs a second that is a multiple of 16;
  // the low half of the state leaves the first draw alone and picks one.
  for (uint32_t low = 0; low < 0x8000u; ++low) {
    RandSeed = SeedBefore((6250u << 16) | low);
    RandNext();
    const int32_t second = RandNext();
    if (second == 0 || second % 16 != 0) continue;
    RandSeed = SeedBefore((6250u << 16) | low);
    EXPECT_TRUE(SameBits(0.0, NumRnd())) << "second draw " << second;
    return;
  }
  FAIL() << "no state found";
}

// Over a long run every value is one of 0, 0.00001, ..., 0.99999.
TEST_F(Generator, RndIsAWholeMultipleOfTheStepAndNeverOne) {
  int failures = 0;
  for (int i = 0; i < 1000000 && failures < 10; ++i) {
    const double r = NumRnd();
    const double m = std::nearbyint(r * 100000.0);
    if (!(r >= 0.0 && r < 1.0 && m <= 99999.0 && BitsOf(r) == BitsOf(m / 100000.0))) {
      ++failures;
      ADD_FAILURE() << "draw " << i << ": " << Hex(r);
    }
  }
}

}  // namespace
