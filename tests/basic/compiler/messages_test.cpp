// Messages as the user reads them: where they point, in a file with or
// without line numbers, before and during the run, and the line they show.
#include <gtest/gtest.h>

#include "basic/program.h"
#include "tests/basic/recording_runtime.h"

namespace {

// What the program prints, then every message it gives, formatted as
// basic.exe shows them.
std::string Messages(const std::string& source) {
  StartRecording();
  std::vector<BasicDiagnostic> errors;
  BasicProgramPtr program = BasicCompile(source, "bcg.bas", &errors);
  std::string text;
  for (const BasicDiagnostic& error : errors) text += BasicFormatDiagnostic(error);
  if (program) {
    const BasicRunResult result = BasicRun(program.get(), BasicRunOptions{});
    if (result.outcome != BasicOutcome::Ended) text += BasicFormatRunMessage(result);
  }
  return TheRecording.printed + text;
}

TEST(BasicMessages, NameTheFileLineAndTheProgramLine) {
  const struct {
    const char* source;
    const char* messages;
    const char* why;
  } cases[] = {
      {"10 PRINT 1\n140 PRINT (\nEND", "bcg.bas:2:12 (line 140): expected an expression, found end of line\r\n"
                                        "140 PRINT (\r\n           ^\r\n",
       "an error before the run names the program's line beside the file's (a line without a number: checked whole)"},
      {"10 PRINT 1\n140 PRINT (",
       " 1 \r\nbcg.bas:2:12 (line 140): warning: expected an expression, found end of line\r\n"
       "140 PRINT (\r\n           ^\r\n"
       "bcg.bas:2 (line 140): Syntax error (error 2): expected an expression, found end of line\r\n"
       "140 PRINT (\r\n           ^\r\n",
       "every line numbered: the line is a warning, and fails when the run reaches it"},
      {"10 GOTO 99", "bcg.bas:1 (line 10): Undefined line number (error 8): no line 99\r\n10 GOTO 99\r\n   ^\r\n",
       "every line numbered: a jump to a missing line fails when taken"},
      {"PRINT 1\nPRINT (", "bcg.bas:2:8: expected an expression, found end of line\r\nPRINT (\r\n       ^\r\n",
       "a line without a number names the file's line alone"},
      {"10 X = 1\n20 PRINT X \\ 0\n",
       "bcg.bas:2 (line 20): Division by zero (error 11)\r\n20 PRINT X \\ 0\r\n   ^\r\n",
       "a run-time error shows its line too, and a caret under its statement"},
      {"X = 0\nPRINT 1 MOD X", "bcg.bas:2: Division by zero (error 11)\r\nPRINT 1 MOD X\r\n^\r\n", "unnumbered, at run time"},
      {"10 X = 0: PRINT 1;: IF 1 THEN Y = 1: Z = 2 \\ X",
       " 1 bcg.bas:1 (line 10): Division by zero (error 11)\r\n10 X = 0: PRINT 1;: IF 1 THEN Y = 1: Z = 2 \\ X\r\n"
       "                                     ^\r\n",
       "the caret stands under the statement that failed, also inside a one-line IF"},
      {"10 X = 0\n20 PRINT 1;\nPRINT 2 \\ X",
       " 1 bcg.bas:3: Division by zero (error 11)\r\nPRINT 2 \\ X\r\n^\r\n",
       "a line without a number among numbered ones names the file's line alone"},
      {"10 FOR I = 1 TO 2\n20 PRINT I", "bcg.bas:1:4 (line 10): FOR without NEXT\r\n10 FOR I = 1 TO 2\r\n   ^\r\n",
       "an open block names the line where it opened"},
      {"10 GOTO 99\nEND", "bcg.bas:1:9 (line 10): no line 99\r\n10 GOTO 99\r\n        ^\r\n",
       "a missing target names the line of the jump"},
      {"  100\tPRINT 1 \\ 0", "bcg.bas:1 (line 100): Division by zero (error 11)\r\n  100\tPRINT 1 \\ 0\r\n     \t^\r\n",
       "the line is shown as written"},
      {"10 PRINT 1: STOP: PRINT 2", " 1 \r\n", "STOP in a file ends the run as END does, without a message"},
      {"CONST K = 2\nPRINT K;: X = 1 \\ 0", " 2 bcg.bas:2: Division by zero (error 11)\r\nPRINT K;: X = 1 \\ 0\r\n          ^\r\n",
       "a CONST's work, dropped once its value is known, takes no column from the statements after it"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Messages(c.source), c.messages) << c.why;
  }
}

TEST(BasicMessages, DiagnosticShowsTheLineAndACaret) {
  std::vector<BasicDiagnostic> errors;
  EXPECT_EQ(BasicCompile("PRINT 1\n\tX = \"a\" + 1\n", "demo.bas", &errors), nullptr);
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(BasicFormatDiagnostic(errors[0]),
            "demo.bas:2:10: cannot combine a string with a number\r\n"
            "\tX = \"a\" + 1\r\n"
            "\t        ^\r\n");
}

TEST(BasicMessages, ErrorCountIsBounded) {
  std::string source;
  for (int i = 0; i < 1000; ++i) source += "@\n";
  std::vector<BasicDiagnostic> errors;
  EXPECT_EQ(BasicCompile(source, "t.bas", &errors), nullptr);
  ASSERT_EQ(errors.size(), 50u);
  EXPECT_EQ(errors.back().message, "too many errors; the rest are not reported");
}

}  // namespace
