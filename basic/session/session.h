// The direct mode: lines typed one at a time. A line that starts with a
// number is stored into the program in memory (a number alone deletes it);
// RUN, LIST, NEW, LOAD, SAVE, CONT and SYSTEM act on that program; any
// other line is compiled and run at once, on the session's variables, which
// live as long as the session.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "basic/basic.h"
#include "basic/code/code.h"
#include "basic/executor/machine.h"
#include "basic/session/stored_lines.h"
#include "basic/variables/variables.h"

struct BasicSession {
  BasicRunOptions options;
  StoredLines lines;
  std::unique_ptr<Variables> variables = std::make_unique<Variables>();
  // The run STOP ended, which CONT goes on with; null when there is none:
  // no STOP yet, or the run ended since, or the stored lines changed.
  std::unique_ptr<Code> stopped_code;
  RunState stopped;
};

// The file name stored programs and direct lines are reported under.
inline constexpr char StoredProgramName[] = "program";
inline constexpr char DirectLineName[] = "direct";

// Takes one typed line, without its line end.
BasicLineResult EnterLine(BasicSession* session, std::string_view line);

// The results of a line.
BasicLineResult LineDone();
// A message of one line, without its line end.
BasicLineResult LineError(std::string message);
// The errors found before a run, each formatted with its line and caret.
BasicLineResult CompileErrors(const std::vector<BasicDiagnostic>& errors);
