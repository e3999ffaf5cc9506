// The language where the test programs of tests/basic/programs cannot show
// it: raw double-byte program text, and the random generator's seed.
#include <gtest/gtest.h>

#include "basic/text/number_text.h"
#include "runtime/numeric/numeric.h"
#include "tests/basic/recording_runtime.h"

namespace {

// Program text in Shift-JIS, which the test programs, written in ASCII, do
// not hold: a double-byte character is read whole in a string, a comment and
// a DATA item, and is no program text anywhere else.
TEST(BasicLanguage, DoubleByteProgramText) {
  const ProgramCase cases[] = {
      {"PRINT \"\x95\\\" ' \x95\\ comment", "\x95\\\r\n", "a double-byte character ending in a backslash"},
      {"READ A$: PRINT LEN(A$)\nDATA \"\x82\xA0\"", " 2 \r\n", "a double-byte character in a quoted DATA item"},
  };
  ExpectEachPrints(cases);
  EXPECT_EQ(RunProgram("A = \x82\xA0").errors, "1:5: unexpected byte in program text") << "outside a string";
}

TEST(BasicLanguage, EveryRunDrawsTheSameSequenceFromSeedOne) {
  StartRecording();
  RandSeed = 1;
  const double first = NumRnd();
  const double second = NumRnd();
  const std::string expected = FormatPrintedClassic(first, ValueKind::Single) + FormatPrintedClassic(second, ValueKind::Single) + "\r\n";
  RandSeed = 77;
  EXPECT_EQ(RunProgram("PRINT RND; RND(5)").printed, expected);
  EXPECT_EQ(RunProgram("RANDOMIZE 9: A# = RND: RANDOMIZE 9: PRINT A# = RND").printed, "-1 \r\n");
}

}  // namespace
