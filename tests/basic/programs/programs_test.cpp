// Every program under tests/basic/programs, each its own test, run as
// basic.exe --input runs a file: its comments say what it must print, which
// errors it must stop with and which lines INPUT reads (README.md there).
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "basic/text/input_script.h"
#include "tests/basic/files/temp_folder.h"
#include "tests/basic/programs/expectations.h"
#include "tests/basic/recording_runtime.h"

namespace {

// Every .bas file below the folder, as paths relative to it, in order.
std::vector<std::string> FindPrograms() {
  std::vector<std::string> names;
  std::error_code error;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(BASIC_PROGRAMS_DIR, error)) {
    if (entry.path().extension() != ".bas") continue;
    names.push_back(entry.path().lexically_relative(BASIC_PROGRAMS_DIR).generic_string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::string TestName(const testing::TestParamInfo<std::string>& info) {
  std::string name = info.param.substr(0, info.param.size() - 4);
  for (char& c : name) c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
  return name;
}

// Every error found must be expected, and every expected one found.
void ExpectCompileErrors(const std::string& file, std::vector<ExpectedError> expected,
                         const std::vector<BasicDiagnostic>& found) {
  for (const BasicDiagnostic& error : found) {
    const auto match = std::find_if(expected.begin(), expected.end(), [&](const ExpectedError& e) {
      return e.line == error.line && (e.column == 0 || e.column == error.column) && e.message == error.message &&
             e.warning == error.warning;
    });
    if (match != expected.end()) {
      expected.erase(match);
    } else {
      ADD_FAILURE() << file << ":" << error.line << ":" << error.column << ": unexpected "
                    << (error.warning ? "warning: " : "error: ") << error.message;
    }
  }
  for (const ExpectedError& e : expected) {
    ADD_FAILURE() << file << ":" << e.line << ": expected error not reported: " << e.message;
  }
}

// The run ends, or stops where and as the one runtime error mark says.
void ExpectRunEnd(const std::string& file, const std::vector<std::string>& lines,
                  const std::vector<ExpectedError>& expected, const BasicRunResult& result) {
  std::string want;
  if (!expected.empty()) {
    const std::size_t at = static_cast<std::size_t>(expected[0].line - 1);
    want = RunMessagePlace(file, expected[0].line, lines[at]) + expected[0].message;
  }
  const BasicOutcome outcome = expected.empty()                          ? BasicOutcome::Ended
                               : expected[0].message == "no more input" ? BasicOutcome::NoMoreInput
                                                                         : BasicOutcome::RuntimeError;
  EXPECT_EQ(result.message, want) << file;
  EXPECT_EQ(static_cast<int>(result.outcome), static_cast<int>(outcome)) << file << ": " << result.message;
}

struct FileRun {
  bool compiled = false;
  std::vector<BasicDiagnostic> errors;
  BasicRunResult result{BasicOutcome::Ended, {}, {}};
};

// Included files are read from the program's folder, as basic.exe reads
// them; a missing one is "not found".
BasicIncludeReader IncludesBeside(const std::string& file) {
  const std::string folder = std::filesystem::path(BASIC_PROGRAMS_DIR "/" + file).parent_path().string() + "/";
  return [folder](const std::string& name, std::string* text, std::string* error) {
    if (ReadWholeFile(folder + name, text)) return true;
    *error = "not found";
    return false;
  };
}

// Compiles and runs a program as basic.exe --input runs a file, INPUT
// reading the given lines; every string it made must be released.
// Programs see a fresh empty current folder of their own (temp_folder.h).
FileRun RunFile(const std::string& file, const std::string& source, const std::vector<std::string>& input) {
  StartRecording();
  const int before = RegistryCount();
  FileRun run;
  {
    BasicSourceText text;
    BasicProgramPtr program;
    if (BasicReadIncludes(source, file, IncludesBeside(file), &text, &run.errors)) {
      program = BasicCompile(text, file, &run.errors);
    }
    run.compiled = program != nullptr;
    if (program) {
      InputScript script = InputScript::OfText(InputScriptText(input));
      BasicRunOptions options;
      options.input = &script;
      options.transcript = &TheRecording.printed;
      run.result = BasicRun(program.get(), options);
    }
  }
  EXPECT_EQ(RegistryCount(), before) << file << ": strings left behind";
  return run;
}

class BasicProgram : public testing::TestWithParam<std::string> {};

TEST_P(BasicProgram, DoesWhatItsCommentsSay) {
  const std::string& file = GetParam();
  const std::string path = std::string(BASIC_PROGRAMS_DIR "/") + file;
  std::string source, exact;
  ASSERT_TRUE(ReadWholeFile(path, &source)) << path;
  const bool has_exact = ReadWholeFile(path.substr(0, path.size() - 4) + ".out", &exact);
  const ProgramExpectations expected = ReadExpectations(source);
  for (const std::string& problem : expected.problems) ADD_FAILURE() << file << ":" << problem;
  if (has_exact && !expected.output.empty()) ADD_FAILURE() << file << ": both a .out file and expect: comments";

  FileRun run;
  {
    TempFolder folder;  // the program's current folder: its files land there, fresh for each
    run = RunFile(file, source, expected.input);
  }
  ExpectCompileErrors(file, expected.errors, run.errors);
  if (run.compiled) ExpectRunEnd(file, SourceLines(source), expected.runtime_errors, run.result);
  if (!run.compiled && !expected.runtime_errors.empty()) ADD_FAILURE() << file << ": never ran, so it cannot stop";
  const std::string& printed = TheRecording.printed;
  EXPECT_EQ(has_exact ? CompareExactOutput(file, exact, printed) : CompareOutput(file, expected.output, printed), "");
}

INSTANTIATE_TEST_SUITE_P(Programs, BasicProgram, testing::ValuesIn(FindPrograms()), TestName);

// A folder not found would leave nothing to run, and nothing to fail.
TEST(BasicPrograms, AreFound) { EXPECT_GE(FindPrograms().size(), 150u) << BASIC_PROGRAMS_DIR; }

// What a line's comment means.
TEST(BasicProgramMarks, AreReadFromTheFirstCommentOutsideStrings) {
  using Kind = Mark::Kind;
  const struct {
    const char* line;
    Kind kind;
    int32_t line_number, column;
    const char* text;
    const char* why;
  } cases[] = {
      {"PRINT 1 ' expect:  1", Kind::Output, 0, 0, " 1", "one space after ':' is dropped, the next kept"},
      {"' expect:", Kind::Output, 0, 0, "", "an empty line"},
      {"PRINT 1 '   expect: 1   ", Kind::Output, 0, 0, "1", "spaces before the word and trailing ones go"},
      {"PRINT \"' expect: x\"", Kind::None, 0, 0, "", "a quote before the mark: inside a string"},
      {"PRINT \"it's\" ' expect: it's", Kind::Output, 0, 0, "it's", "a ' in a string starts no comment"},
      {"PRINT \"a\"; \"b\" ' expect: ab", Kind::Output, 0, 0, "ab", "an even number of quotes before: outside"},
      {"PRINT \"x ' expect: x", Kind::None, 0, 0, "", "a string never closed holds the rest of the line"},
      {"PRINT 1 ' why ' expect: 1", Kind::None, 0, 0, "", "only the first comment counts"},
      {"DATA don't: PRINT 1 ' expect: 1", Kind::None, 0, 0, "", "also where BASIC reads the ' as a DATA byte"},
      {"X = \"a\" ' expect error: expected a number", Kind::Error, 0, 0, "expected a number", "an error"},
      {"' expect error 12: no line 5", Kind::Error, 0, 12, "no line 5", "at a column"},
      {"' expect error 3:7: string without", Kind::Error, 3, 7, "string without", "at another line"},
      {"10 PRINT 1 + ' expect warning: expected an expression", Kind::Warning, 0, 0, "expected an expression",
       "a warning, on a numbered line kept for the run"},
      {"' expect warning 4:9: no", Kind::Warning, 4, 9, "no", "a warning at another line"},
      {"' expect runtime error: division by zero", Kind::RuntimeError, 0, 0, "division by zero", "a run's end"},
      {"' input:  a, \"b\" ,c ", Kind::Input, 0, 0, " a, \"b\" ,c ", "input keeps its spaces and quotes"},
      {"' input is read here", Kind::None, 0, 0, "", "no ':', an ordinary comment"},
      {"' expect eror: x", Kind::Malformed, 0, 0, "", "a misspelt mark is reported, not skipped"},
      {"' expected output", Kind::Malformed, 0, 0, "", "so is a comment that merely starts like one"},
      {"' expect error x: m", Kind::Malformed, 0, 0, "", "a column must be a number"},
  };
  for (const auto& c : cases) {
    const Mark mark = ReadMark(c.line);
    EXPECT_EQ(static_cast<int>(mark.kind), static_cast<int>(c.kind)) << c.why << "\n" << c.line;
    if (c.kind == Kind::Malformed || mark.kind != c.kind) continue;
    EXPECT_EQ(mark.line, c.line_number) << c.why;
    EXPECT_EQ(mark.column, c.column) << c.why;
    EXPECT_EQ(mark.text, c.text) << c.why;
  }
}

TEST(BasicProgramMarks, OutputIsComparedLineByLine) {
  const std::vector<ExpectedText> expected = {{1, " 1"}, {3, "A  "}};
  const struct {
    const char* printed;
    const char* differences;
    const char* why;
  } cases[] = {
      {" 1 \r\nA", "", "trailing spaces of both sides do not count"},
      {" 1 \r\nA\r\n", "", "nor the last line's line end"},
      {" 1\r\n A\r\n", "t.bas:3: expected 'A', printed ' A'\n", "leading spaces do"},
      {" 1 \r\n", "t.bas:3: expected 'A', but nothing more was printed\n", "a line missing"},
      {" 1\r\nA\r\nB", "t.bas: printed 'B', which no expect: comment foresees\n", "a line too many"},
      {" 1\nA", "t.bas:1: expected ' 1', printed ' 1\nA'\nt.bas:3: expected 'A', but nothing more was printed\n",
       "only CR LF ends a line"},
  };
  for (const auto& c : cases) EXPECT_EQ(CompareOutput("t.bas", expected, c.printed), c.differences) << c.why;
  EXPECT_EQ(CompareExactOutput("t.bas", "A  \nB", "A  \r\nB"), "") << "LF in a .out file stands for CR LF";
  EXPECT_NE(CompareExactOutput("t.bas", "A  \n", "A\r\n"), "") << "where trailing spaces count";
}

TEST(BasicProgramMarks, RunMessagesNameTheProgramLine) {
  EXPECT_EQ(RunMessagePlace("a.bas", 3, "PRINT 1"), "a.bas:3: ");
  EXPECT_EQ(RunMessagePlace("a.bas", 3, " 010\tPRINT 1"), "a.bas:3 (line 10): ");
  EXPECT_EQ(ReadExpectations("PRINT 1 ' expect runtime error: x\nPRINT 2 ' expect runtime error: y\n").problems,
            std::vector<std::string>{"2: a run stops once; one runtime error at most"});
}

}  // namespace
