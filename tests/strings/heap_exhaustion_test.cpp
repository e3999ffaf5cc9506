// When the heap runs dry the string heap says so and ends the process with
// its failure code; it never writes through a null block.
#include <gtest/gtest.h>

#include <string>

#include "runtime/strings/strings.h"
#include "tests/strings/failing_heap.h"

namespace {

struct Exhaustion {
  int granted;  // allocations the heap still serves
  const char* why;
};

class StringHeapExhaustion : public testing::TestWithParam<Exhaustion> {};

TEST_P(StringHeapExhaustion, EndsTheProcessWithTheFailureCode) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  const Exhaustion c = GetParam();
  EXPECT_EXIT(
      {
        FailingHeapAllocationsLeft = c.granted;
        StrHeapInit();
        for (int i = 0; i < 4; ++i) StrNew(10);
      },
      testing::ExitedWithCode(StrHeapFailureExitCode), "")
      << c.why;
}

INSTANTIATE_TEST_SUITE_P(
    Points, StringHeapExhaustion,
    testing::Values(Exhaustion{0, "the registry's first block"},
                    Exhaustion{1, "the first string's block"},
                    Exhaustion{2, "the first growth of the entries block"},
                    Exhaustion{5, "a later string's block"}),
    [](const testing::TestParamInfo<Exhaustion>& info) {
      return "Granted" + std::to_string(info.param.granted);
    });

TEST(StringHeapExhaustionControl, AGenerousHeapServesEveryString) {
  FailingHeapAllocationsLeft = -1;
  StrHeapInit();
  const int32_t before = StringRegistry.count;
  RtString s = StrNew(10);
  EXPECT_EQ(StringRegistry.count, before + 1);
  StrRelease(s);
}

}  // namespace
