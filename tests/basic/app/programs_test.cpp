// A sample of the language's test programs (tests/basic/programs), run by
// basic.exe itself with their input lines in a file: what it writes to
// standard output with --echo must be what their comments expect, as the
// host's run of every program finds it. One from each area, none whose
// output rests on the host's stand-in runtime (pictures, string order).
#include <gtest/gtest.h>

#include <windows.h>

#include <cctype>
#include <string>

#include "tests/basic/app/basic_exe.h"
#include "tests/basic/programs/expectations.h"

namespace {

const char* const Sample[] = {
    "compiler/precedence.bas",      "compiler/print_before_error.bas", "compiler/include.bas",
    "tokens/literals.bas",          "variables/long_and_integer.bas",
    "text/input_redo.bas",          "procedures/hanoi.bas",
    "builtins/case.bas",            "keys_and_sound/input_and_keys_share_the_lines.bas",
};

// Standard output as PRINT wrote it: every line end CR LF, whether the C
// library wrote it as LF or CR LF.
std::string AsPrinted(const std::string& output) {
  std::string printed;
  for (std::size_t at = 0; at < output.size(); ++at) {
    if (output[at] == '\r' && at + 1 < output.size() && output[at + 1] == '\n') continue;
    printed += output[at] == '\n' ? std::string("\r\n") : std::string(1, output[at]);
  }
  return printed;
}

class BasicExeProgram : public testing::TestWithParam<const char*> {};

TEST_P(BasicExeProgram, PrintsWhatItsCommentsExpect) {
  const std::string file = GetParam();
  const std::string path = std::string(BASIC_PROGRAMS_DIR "/") + file;
  std::string source;
  ASSERT_TRUE(ReadWholeFile(path, &source)) << path;
  const ProgramExpectations expected = ReadExpectations(source);
  ASSERT_TRUE(expected.problems.empty() && expected.errors.empty()) << file << ": a sample program must run";

  const std::string input = WriteProgram("programs_input.txt", InputScriptText(expected.input));
  const BasicExeResult result = RunBasicExe("--exit --echo --input \"" + input + "\" \"" + path + "\"");
  if (expected.runtime_errors.empty()) {
    EXPECT_EQ(result.code, 0u) << result.errors;
  } else {
    const ExpectedError& stop = expected.runtime_errors[0];
    const std::vector<std::string> lines = SourceLines(source);
    EXPECT_EQ(result.code, stop.message == "no more input" ? 5u : 2u) << result.errors;
    const std::string first_line = result.errors.substr(0, result.errors.find_first_of("\r\n"));
    EXPECT_EQ(first_line, RunMessagePlace(path, stop.line, lines[stop.line - 1]) + stop.message);
  }
  EXPECT_EQ(CompareOutput(file, expected.output, AsPrinted(result.output)), "");
}

INSTANTIATE_TEST_SUITE_P(Sample, BasicExeProgram, testing::ValuesIn(Sample),
                         [](const testing::TestParamInfo<const char*>& info) {
                           std::string name = info.param;
                           for (char& c : name) c = isalnum(static_cast<unsigned char>(c)) ? c : '_';
                           return name.substr(0, name.size() - 4);
                         });

}  // namespace
