// What a test program of the language says it must do, written in its own
// comments (README.md beside this file):
//
//   ' expect: TEXT                the next line the program prints
//   ' expect error: MESSAGE       an error before the run, on this line
//   ' expect error C: MESSAGE     the same at column C of this line
//   ' expect error L:C: MESSAGE   the same at line L, column C
//   ' expect warning: MESSAGE     a warning before the run (C: and L:C: as for errors)
//   ' expect runtime error: MESSAGE   the run stops on this line
//   ' input: TEXT                 a line that INPUT reads, in file order
//
// The host test runs every program; basic.exe's own test runs a sample.
// Both read the programs and compare what they printed here, so that the
// two agree on what a program's comments mean.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// One line's mark: the comment started by the line's first ' outside a
// string literal (one with an even number of '"' before it), when that
// comment is one of the forms above.
struct Mark {
  enum class Kind { None, Output, Error, Warning, RuntimeError, Input, Malformed };
  Kind kind = Kind::None;
  int32_t line = 0;    // Error: the line it names, 0 for the mark's own
  int32_t column = 0;  // Error: the column, 0 for any
  std::string text;    // the output line, message or input line; for Malformed, what is wrong
};
Mark ReadMark(std::string_view line);

struct ExpectedText {
  int32_t line;  // where the mark stands, counted from 1
  std::string text;
};
struct ExpectedError {
  int32_t line;
  int32_t column;  // 0 for any
  std::string message;
  bool warning = false;  // a warning, which does not stop the run
};
struct ProgramExpectations {
  std::vector<ExpectedText> output;
  std::vector<ExpectedError> errors;          // before the run, warnings too
  std::vector<ExpectedError> runtime_errors;  // at most one makes sense
  std::vector<std::string> input;
  std::vector<std::string> problems;  // "LINE: what is wrong" with the marks themselves
};
ProgramExpectations ReadExpectations(std::string_view source);

// The lines of a source, without their line ends.
std::vector<std::string> SourceLines(std::string_view source);

// The BASIC line number a source line starts with, or -1.
int32_t ProgramLineNumber(std::string_view source_line);

// The start of a run-time message about a line: "FILE:LINE: " or, where
// the line starts with a line number N, "FILE:LINE (line N): ".
std::string RunMessagePlace(const std::string& file, int32_t line, std::string_view source_line);

// The lines for INPUT as a script's bytes: each line and its LF.
std::string InputScriptText(const std::vector<std::string>& input);

// What was printed (lines ending in CR LF) against the expected lines,
// each compared without its trailing spaces; "" when they agree, else
// what differs, each line "FILE:LINE: ..." naming the mark.
std::string CompareOutput(const std::string& file, const std::vector<ExpectedText>& expected,
                          std::string_view printed);
// What was printed against a .out file's exact bytes, where each LF
// stands for the CR LF printed; "" when they agree.
std::string CompareExactOutput(const std::string& file, std::string_view out, std::string_view printed);

// A whole file's bytes; false when it cannot be read.
bool ReadWholeFile(const std::string& path, std::string* text);
