// The statements reach the runtime with exactly the arguments and defaults
// the language gives them.
#include <gtest/gtest.h>

#include "basic/text/number_text.h"
#include "program/scene.h"
#include "runtime/numeric/numeric.h"
#include "tests/basic/recording_runtime.h"

namespace {

struct Case {
  const char* source;
  std::vector<std::string> calls;
  const char* why;
};

TEST(BasicStatements, ArgumentsAndDefaultsReachTheRuntime) {
  const Case cases[] = {
      {"CLS", {"CLS 3"}, "CLS defaults to 3"},
      {"CLS 1.5: CLS 2.5", {"CLS 2", "CLS 2"}, "the mode rounds ties to even"},
      {"LINE (0,0)-(639,399),7,BF", {"LINE 0 0 0 639 399 7 2 7"}, "the scene's backdrop"},
      {"LINE -(10,20)", {"LINE -2147483648 -2147483648 0 10 20 7 0 7"}, "an omitted first point; colour 7"},
      {"LINE -STEP(10,20), 3", {"LINE -2147483648 -2147483648 1 10 20 3 0 3"}, "STEP from the last point"},
      {"LINE (1,2)-STEP(3,4),2", {"LINE 1 2 1 3 4 2 0 2"}, "STEP"},
      {"LINE (1,2)-(3,4),,B", {"LINE 1 2 0 3 4 7 1 7"}, "B with the colour omitted"},
      {"LINE (1,2)-(3,4),5,BF,2", {"LINE 1 2 0 3 4 5 2 2"}, "BF with its own fill"},
      {"LINE (1,2)-(3,4),5,,2", {"LINE 1 2 0 3 4 5 0 2"}, "a fill without B or BF is passed along"},
      {"LINE (1,2)-(3,4),5,B,", {"LINE 1 2 0 3 4 5 1 5"}, "an empty fill is the colour"},
      {"LINE (1.5,2.5)-(-0.5,1E10),-1", {"LINE 2 2 0 0 -2147483648 -1 0 -1"}, "every coordinate converted"},
      {"CIRCLE (100,100),50", {"CIRCLE 100 100 50 7 0 0 1 0 7"}, "every default"},
      {"CIRCLE (100,100),50,2", {"CIRCLE 100 100 50 2 0 0 1 0 2"}, "the fill colour follows the colour"},
      {"CIRCLE (1,2),3,4,-0.5,1.25,0.2#,F", {"CIRCLE 1 2 3 4 -0.5 1.25 0.2 1 4"}, "angles and aspect reach it as doubles"},
      {"CIRCLE (1,2),3,4,,,0.2,F", {"CIRCLE 1 2 3 4 0 0 0.20000000298023224 1 4"}, "a SINGLE literal as its float"},
      {"CIRCLE (1,2),3,,,,,F,6", {"CIRCLE 1 2 3 7 0 0 1 1 6"}, "F with its own fill"},
      {"CIRCLE (1,2),3,,,,0.5", {"CIRCLE 1 2 3 7 0 0 0.5 0 7"}, "only the aspect"},
      {"CIRCLE (1,2),3,1,,,,,5", {"CIRCLE 1 2 3 1 0 0 1 0 5"}, "a fill colour without F"},
      {"CIRCLE (2.5,3.5),2.5", {"CIRCLE 2 4 2 7 0 0 1 0 7"}, "centre and radius round ties to even"},
      {"PSET (3,4): PSET (5,6),2", {"PSET 3 4 7", "PSET 5 6 2"}, "PSET's colour is 7 unless given"},
      {"PSET (3,4): PSET STEP (-1,2),9", {"PSET 3 4 7", "PSET 2 6 9"}, "STEP from the point before"},
      {"PRESET (3,4): PRESET (5,6),2", {"PSET 3 4 0", "PSET 5 6 2"}, "PRESET's own colour is black"},
      {"X = 3: LINE (X, X * 2)-(X + 1, 0), X", {"LINE 3 6 0 4 0 3 0 3"}, "expressions as arguments"},
  };
  for (const Case& c : cases) {
    const ProgramRun run = RunProgram(c.source);
    EXPECT_EQ(run.errors, "") << c.source;
    EXPECT_EQ(run.calls, c.calls) << c.why << "\n" << c.source;
  }
}

TEST(BasicStatements, TheScenesFirstBallMatchesTheCompiledProgram) {
  const ProgramRun run = RunProgram(
      "CLS\n"
      "LINE (0, 0)-(639, 399), 7, BF\n"
      "LINE (0, 280)-(639, 399), 1, BF\n"
      "FOR I = 1 TO 1\n"
      "  X = INT(RND * 600) + 20: Y = INT(RND * 220) + 40: R% = INT(RND * 30) + 20\n"
      "  CIRCLE (X - 2, Y / 5 + 300), R%, 0, , , 0.2#, F\n"
      "  CIRCLE (X - 2, Y - 8), R%, 0, , , , F\n"
      "  CIRCLE (X - 5, Y - 10), R% - 3, 1, , , , F\n"
      "  CIRCLE (X - 10, Y - 12), R% - 7, 5, , , , F\n"
      "  CIRCLE (X - 15, Y - 16), R% - 19, 7, , , , F\n"
      "NEXT\n");
  const std::vector<std::string> calls = {
      "CLS 3",
      "LINE 0 0 0 639 399 7 2 7",
      "LINE 0 280 0 639 399 1 2 1",
      "CIRCLE 438 333 28 0 0 0 0.2 1 0",
      "CIRCLE 438 157 28 0 0 0 1 1 0",
      "CIRCLE 435 155 25 1 0 0 1 1 1",
      "CIRCLE 430 153 21 5 0 0 1 1 5",
      "CIRCLE 425 149 9 7 0 0 1 1 7",
  };
  EXPECT_EQ(run.calls, calls);
}

TEST(BasicStatements, TheWholeSceneMakesTheCompiledProgramsCalls) {
  const ProgramRun run = RunProgram(
      "CLS\n"
      "LINE (0, 0)-(639, 399), 7, BF\n"
      "LINE (0, 280)-(639, 399), 1, BF\n"
      "FOR I = 1 TO 500\n"
      "  X = INT(RND * 600) + 20: Y = INT(RND * 220) + 40: R% = INT(RND * 30) + 20\n"
      "  CIRCLE (X - 2, Y / 5 + 300), R%, 0, , , 0.2#, F\n"
      "  CIRCLE (X - 2, Y - 8), R%, 0, , , , F\n"
      "  CIRCLE (X - 5, Y - 10), R% - 3, 1, , , , F\n"
      "  CIRCLE (X - 10, Y - 12), R% - 7, 5, , , , F\n"
      "  CIRCLE (X - 15, Y - 16), R% - 19, 7, , , , F\n"
      "NEXT\n"
      "PRINT I\n");
  // The compiled scene's own arithmetic, from the same seed.
  std::vector<std::string> calls = {"CLS 3", "LINE 0 0 0 639 399 7 2 7", "LINE 0 280 0 639 399 1 2 1"};
  RandSeed = 1;
  for (int ball = 0; ball < 500; ++ball) {
    PlaceNextBall();
    for (const BallCircle& c : BallCircles(SceneVariables.X, SceneVariables.Y, SceneVariables.R)) {
      calls.push_back("CIRCLE " + std::to_string(c.x) + " " + std::to_string(c.y) + " " + std::to_string(c.radius) +
                      " " + std::to_string(c.colour) + " 0 0 " + FormatNumber(c.aspect) + " 1 " +
                      std::to_string(c.fill_colour));
    }
  }
  ASSERT_EQ(run.calls.size(), calls.size());
  for (std::size_t i = 0; i < calls.size(); ++i) ASSERT_EQ(run.calls[i], calls[i]) << "call " << i;
  EXPECT_EQ(run.printed, " 501 \r\n");
}

// INPUT's fields are tested by the programs of tests/basic/programs/text;
// here only a typed line that such a program cannot hold.
TEST(BasicStatements, InputReadsDoubleByteText) {
  const ProgramRun run = RunProgram("INPUT S$: PRINT LEN(S$)", {"\x82\xA0,\x82\xA2"});
  EXPECT_EQ(run.errors, "");
  EXPECT_EQ(run.printed, "? \x82\xA0,\x82\xA2\r\n?Extra ignored\r\n 2 \r\n") << "double-byte text";
}

TEST(BasicStatements, EchoWritesPrintedTextAndInputLinesToStdout) {
  StartRecording({"typed"});
  std::vector<BasicDiagnostic> errors;
  BasicProgramPtr program = BasicCompile("PRINT \"A\"; 1: INPUT X$: PRINT X$,", "t.bas", &errors);
  ASSERT_NE(program, nullptr);
  testing::internal::CaptureStdout();
  BasicRun(program.get(), BasicRunOptions{true});
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "A 1 \n? typed\ntyped         ");
}

}  // namespace
