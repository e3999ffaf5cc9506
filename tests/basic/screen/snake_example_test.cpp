// The snake example on the PC's text screen: driven by a scripted key, it
// turns, runs into its frame and says so; its field is drawn in the
// picture as code page 437 glyphs in the frame's colours.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "basic/text/input_script.h"
#include "tests/basic/recording_runtime.h"

namespace {

std::string Example(const std::string& name) {
  std::ifstream in(std::string(BASIC_EXAMPLES_DIR) + "/" + name, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

constexpr Colour Blue = 0xAA0000, LightRed = 0x5555FF;

// The colours of the 8 x 16 cell at (row, column), counted from 1.
int CountInCell(int row, int column, Colour colour) {
  int count = 0;
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 8; ++x) count += RecordedPixel((column - 1) * 8 + x, (row - 1) * 16 + y) == colour;
  }
  return count;
}

TEST(SnakeExample, TurnsDownAndEndsAtTheFrame) {
  const std::string source = Example("snake.bas");
  ASSERT_FALSE(source.empty()) << BASIC_EXAMPLES_DIR;
  // The down arrow, taken at the first step, as basic.exe --input takes
  // keys; the line's Enter after it is a key the snake ignores.
  StartRecording();
  std::vector<BasicDiagnostic> errors;
  const BasicProgramPtr program = BasicCompile(source, "snake.bas", &errors);
  ASSERT_TRUE(program) << (errors.empty() ? "" : errors[0].message);
  InputScript keys = InputScript::OfText(std::string("\0P\n", 3));
  BasicRunOptions options;
  options.input = &keys;
  options.transcript = &TheRecording.printed;
  const BasicRunResult result = BasicRun(program.get(), options);
  ASSERT_EQ(result.outcome, BasicOutcome::Ended) << result.message;
  EXPECT_NE(TheRecording.printed.find(" GAME  OVER "), std::string::npos) << TheRecording.printed;
  EXPECT_NE(TheRecording.printed.find("S N A K E"), std::string::npos);
  // The frame's corner, a double line in light red on blue: both colours.
  EXPECT_GT(CountInCell(2, 1, LightRed), 0);
  EXPECT_GT(CountInCell(2, 1, Blue), 0);
  // The snake went down column 14 from row 13 to the frame's bottom edge.
  EXPECT_EQ(CountInCell(20, 14, 0x55FF55), 8 * 16) << "a full block of the body, light green";
}

}  // namespace
