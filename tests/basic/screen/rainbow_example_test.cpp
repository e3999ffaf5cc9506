// The rainbow example: its rings are drawn once, and one turn of its
// palette through the VGA's colour registers moves every ring's colour
// one step along the rainbow, the pixels already drawn included.
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

// A VGA colour of 6-bit levels, as the picture holds it.
Colour Vga(uint32_t red, uint32_t green, uint32_t blue) {
  const auto widen = [](uint32_t level) { return level << 2 | level >> 4; };
  return widen(red) | widen(green) << 8 | widen(blue) << 16;
}

TEST(RainbowExample, OneTurnOfThePaletteMovesEveryRing) {
  const std::string source = Example("rainbow.bas");
  ASSERT_FALSE(source.empty()) << BASIC_EXAMPLES_DIR;
  StartRecording();
  std::vector<BasicDiagnostic> errors;
  const BasicProgramPtr program = BasicCompile(source, "rainbow.bas", &errors);
  ASSERT_TRUE(program) << (errors.empty() ? "" : errors[0].message);
  // A key waiting from the start: the demo turns its palette once, then ends.
  InputScript keys = InputScript::OfText("x");
  BasicRunOptions options;
  options.input = &keys;
  const BasicRunResult result = BasicRun(program.get(), options);
  ASSERT_EQ(result.outcome, BasicOutcome::Ended) << result.message;
  // SCREEN 13's pixel (x, y) is the picture's 2 x 2 block at (2x, 2y).
  const auto shown = [](int32_t x, int32_t y) { return RecordedPixel(2 * x, 2 * y); };
  // The middle is ring 1, drawn in colour 1 (pure red); a turn later
  // colour 1 shows the rainbow's second colour.
  EXPECT_EQ(shown(160, 100), Vga(63, 1, 0));
  // Ten pixels right, ring 21 shows colour 22: 21 * 63 \ 41 of green.
  EXPECT_EQ(shown(170, 100), Vga(63, 32, 0));
  // 63 pixels out, ring 127 shows colour 128: the run from green to blue,
  // one step into it.
  EXPECT_EQ(shown(223, 100), Vga(0, 62, 63));
  // The title's R keeps its white, number 255, which the turn leaves alone.
  int white = 0;
  for (int32_t y = 0; y < 8; ++y) {
    for (int32_t x = 104; x < 112; ++x) white += shown(x, y) == Vga(63, 63, 63);
  }
  EXPECT_GT(white, 10);
}

}  // namespace
