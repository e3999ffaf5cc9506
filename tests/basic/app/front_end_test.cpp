// basic.exe as a script or a user starts it: its exit codes, what it says on
// standard error and writes with --echo, and when its window stays open.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "tests/basic/app/basic_exe.h"
#include "tests/support/bmp_file.h"
#include "tests/support/window_harness.h"

namespace {

// Lines of text that start with `prefix`.
int LinesStartingWith(const std::string& text, const std::string& prefix) {
  int count = 0;
  size_t at = 0;
  while (at < text.size()) {
    count += text.compare(at, prefix.size(), prefix) == 0;
    const size_t end = text.find('\n', at);
    if (end == std::string::npos) break;
    at = end + 1;
  }
  return count;
}

struct ErrorCase {
  const char* source;
  DWORD code;
  const char* where;  // after the file's name: the line, and the column for errors before the run
  int messages;       // how many errors are reported
  const char* why;
};

const ErrorCase ErrorCases[] = {
    {"PRINT 1\r\nPRINT \"A\" + 1\r\n", 1, ":2:", 1, "a string where a number belongs"},
    {"GOTO 999\nPRINT 1\nNEXT\n", 1, ":1:", 2, "every error before the run is reported, the first first"},
    {"CIRCLE (1, 2), 3\nIF 1 THEN\nPRINT 2\n", 1, ":", 1, "a block IF without END IF"},
    {"PRINT 1\nA = 1 \\ 0\nPRINT 2\n", 2, ":2: ", 1, "a zero divisor stops the program"},
    {"DIM A(3)\nA(4) = 1\n", 2, ":2: ", 1, "a subscript out of range"},
    {"RETURN\n", 2, ":1: ", 1, "RETURN without GOSUB"},
};

TEST(FrontEnd, ErrorsGiveTheirExitCodeAndAMessageOnStandardError) {
  for (const ErrorCase& c : ErrorCases) {
    SCOPED_TRACE(c.why);
    const std::string file = WriteProgram("front_end_error.bas", c.source);
    const BasicExeResult result = RunBasicExe("--exit \"" + file + "\"");
    EXPECT_EQ(result.code, c.code);
    EXPECT_EQ(result.errors.rfind(file + c.where, 0), 0u) << result.errors;
    EXPECT_EQ(LinesStartingWith(result.errors, file + ":"), c.messages) << result.errors;
    if (c.code == 1) {
      EXPECT_NE(result.errors.find("^"), std::string::npos) << "a caret under the column\n" << result.errors;
    }
    if (c.code == 2) {
      EXPECT_EQ(result.output, "") << "nothing printed goes to standard output without --echo";
    }
  }
}

TEST(FrontEnd, WhatCannotBeRunIsAnErrorBeforeTheRun) {
  const struct {
    std::string arguments;
    const char* message;
  } cases[] = {
      {"--exit Z:\\no\\such\\folder\\x.bas", "cannot read"},
      {"--exit \"" + SiblingExecutable("") + "\"", "cannot read"},  // a folder
      {"--bogus --exit", "unknown option --bogus"},
      {"--exit a.bas b.bas", "only one file"},
      {"--exit --snapshot", "--snapshot needs"},
      {"--exit --input", "--input needs"},
      {"--list", "--list needs the BASIC file"},
      {"--list --make out.exe a.bas", "--make and --list do not go together"},
      {"--list --echo a.bas", "--list runs nothing"},
      {"--exit --sound", "--sound needs the WAV file"},
      {"--make out.exe --sound x.wav a.bas", "--make runs nothing: --snapshot, --echo, --input and --sound"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.arguments);
    const BasicExeResult result = RunBasicExe(c.arguments);
    EXPECT_EQ(result.code, 1u);
    EXPECT_NE(result.errors.find(c.message), std::string::npos) << result.errors;
  }
}

TEST(FrontEnd, EchoWritesWhatIsPrintedToStandardOutput) {
  const std::string file = WriteProgram("front_end_echo.bas",
                                        "PRINT \"A\"; 3; -1\n"
                                        "PRINT \"B\",\n"
                                        "PRINT \"C\"\n"
                                        "PRINT STR$(0.1 + 0.2); STR$(1# / 3)\n");
  const BasicExeResult result = RunBasicExe("--exit --echo \"" + file + "\"");
  EXPECT_EQ(result.code, 0u) << result.errors;
  EXPECT_EQ(result.output,
            "A 3 -1 \r\n"
            "B             C\r\n"
            " .3 .3333333333333333\r\n");
  EXPECT_EQ(result.errors, "");
}

TEST(FrontEnd, WithoutExitTheWindowStaysOpenUntilTheUserClosesIt) {
  const std::string file = WriteProgram("front_end_open.bas", "PRINT \"done\"\nEND\nPRINT \"never\"\n");
  BasicExe basic("--echo \"" + file + "\"");
  const HWND window = basic.AwaitWindow();
  ASSERT_NE(window, nullptr);
  for (int tries = 0; tries < 600 && basic.Output().empty(); ++tries) Sleep(50);
  EXPECT_EQ(basic.Output(), "done\r\n");
  EXPECT_EQ(WaitForSingleObject(basic.Process().hProcess, 500), static_cast<DWORD>(WAIT_TIMEOUT))
      << "END leaves the window open";
  PostMessageA(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(basic.Finish(), 0u) << "closing the window ends it with 0";
}

TEST(FrontEnd, SnapshotIsWrittenAtEndAndAfterARunTimeError) {
  const std::string picture = SiblingExecutable("front_end_snapshot.bmp");
  const struct {
    const char* source;
    DWORD code;
  } cases[] = {
      {"LINE (2, 3)-(9, 9), 4, BF\nEND\n", 0},
      {"LINE (2, 3)-(9, 9), 4, BF\nA = 1 \\ 0\n", 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.source);
    DeleteFileA(picture.c_str());
    const std::string file = WriteProgram("front_end_snapshot.bas", c.source);
    EXPECT_EQ(RunBasicExe("--snapshot \"" + picture + "\" \"" + file + "\"").code, c.code);
    const Picture written = ReadBmp(picture, 12, 12);
    ASSERT_EQ(written.pixels.size(), 144u);
    EXPECT_EQ(written.At(2, 3), 0x00FF00u) << "the box's corner";
    EXPECT_EQ(written.At(9, 9), 0x00FF00u) << "the box's far corner";
    EXPECT_EQ(written.At(10, 9), 0u) << "black past the box";
  }
  DeleteFileA(picture.c_str());
}

// --list writes the compiled code of every example to standard output and
// ends with 0, before any window; a program that does not compile gives its
// errors on standard error and 1.
TEST(FrontEnd, ListWritesEachExamplesCompiledCode) {
  for (const char* name : {"arcs.bas", "balls.bas", "catch.bas", "echo.bas", "guess.bas", "mandelbrot.bas", "pig.bas",
                           "strings.bas"}) {
    SCOPED_TRACE(name);
    const std::string file = ExampleFile(name);
    const BasicExeResult result = RunBasicExe("--list \"" + file + "\"");
    EXPECT_EQ(result.code, 0u) << result.errors;
    EXPECT_EQ(result.output.rfind("; " + file + ": ", 0), 0u) << result.output.substr(0, 200);
    EXPECT_NE(result.output.find("; line 1"), std::string::npos);
    EXPECT_NE(result.output.find(" End\n"), std::string::npos) << "the last instruction";
    EXPECT_EQ(result.errors, "");
  }
  const std::string bad = WriteProgram("front_end_list.bas", "PRINT (\n");
  const BasicExeResult result = RunBasicExe("--list \"" + bad + "\"");
  EXPECT_EQ(result.code, 1u);
  EXPECT_EQ(result.output, "");
  EXPECT_EQ(result.errors.rfind(bad + ":1:8: expected an expression", 0), 0u) << result.errors;
}

TEST(FrontEnd, ASnapshotThatCannotBeWrittenIsNoSuccess) {
  const std::string file = WriteProgram("front_end_snapshot.bas", "END\n");
  const BasicExeResult result = RunBasicExe("--snapshot Z:\\no\\such\\folder\\out.bmp \"" + file + "\"");
  EXPECT_EQ(result.code, 4u);
  EXPECT_NE(result.errors.find("cannot write"), std::string::npos) << result.errors;
}

}  // namespace
