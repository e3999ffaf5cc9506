// basic.exe --input: a program's INPUT, or the direct mode's typed lines,
// read from a file as if typed, and the end of that file.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "tests/basic/app/basic_exe.h"

namespace {

const char Game[] =
    "10 PRINT \"GUESS\"\r\n"
    "20 INPUT \"NUMBER\"; N\r\n"
    "30 IF N = 7 THEN PRINT \"RIGHT\": END\r\n"
    "40 PRINT \"NO\"\r\n"
    "50 GOTO 20\r\n";

TEST(ScriptedInput, AProgramReadsItsLinesFromTheFile) {
  const struct {
    const char* lines;
    DWORD code;
    const char* output;
    const char* errors_start;  // after the program's path
    const char* why;
  } cases[] = {
      {"3\r\n7", 0, "GUESS\r\nNUMBER? 3\r\nNO\r\nNUMBER? 7\r\nRIGHT\r\n", "", "the lines are echoed as typed ones"},
      {"3\n", 5, "GUESS\r\nNUMBER? 3\r\nNO\r\nNUMBER? ", ":2 (line 20): no more input\r\n",
       "when the lines run out the INPUT waiting for one ends the program"},
  };
  const std::string program = WriteProgram("scripted_input_game.bas", Game);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    const std::string lines = WriteProgram("scripted_input_game.txt", c.lines);
    const BasicExeResult result = RunBasicExe("--exit --echo --input \"" + lines + "\" \"" + program + "\"");
    EXPECT_EQ(result.code, c.code) << result.errors;
    EXPECT_EQ(result.output, c.output);
    if (c.code == 0) {
      EXPECT_EQ(result.errors, "");
    } else {
      EXPECT_EQ(result.errors.rfind(program + c.errors_start, 0), 0u) << result.errors;
    }
  }
}

TEST(ScriptedInput, TheDirectModeTakesItsCommandsFromTheFile) {
  const struct {
    const char* lines;
    DWORD code;
    const char* output;
    const char* why;
  } cases[] = {
      {"10 PRINT 1: STOP: PRINT 2\r\nRUN\r\nCONT\r\nSYSTEM\r\n", 0,
       "Ok\r\n10 PRINT 1: STOP: PRINT 2\r\nRUN\r\n 1 \r\nBreak in 10\r\nOk\r\nCONT\r\n 2 \r\nOk\r\nSYSTEM\r\n",
       "STOP and CONT"},
      {"PRINT 5\r\n", 5, "Ok\r\nPRINT 5\r\n 5 \r\nOk\r\n", "the end of the lines without SYSTEM"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    const std::string lines = WriteProgram("scripted_input_direct.txt", c.lines);
    const BasicExeResult result = RunBasicExe("--exit --echo --input \"" + lines + "\"");
    EXPECT_EQ(result.code, c.code) << result.errors;
    EXPECT_EQ(result.output, c.output);
  }
}

TEST(ScriptedInput, AFileThatCannotBeReadIsAnErrorBeforeTheRun) {
  const std::string program = WriteProgram("scripted_input_game.bas", Game);
  const BasicExeResult result = RunBasicExe("--exit --input Z:\\no\\such\\lines.txt \"" + program + "\"");
  EXPECT_EQ(result.code, 1u);
  EXPECT_NE(result.errors.find("cannot read the input lines"), std::string::npos) << result.errors;
  EXPECT_EQ(result.output, "") << "nothing ran";
}

}  // namespace
