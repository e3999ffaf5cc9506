// The direct mode's state, shared by its commands (session.cpp) and its runs
// of the stored program (session_run.cpp).
#pragma once

#include <memory>

#include "basic/basic.h"
#include "basic/code/code.h"
#include "basic/executor/machine.h"
#include "basic/session/session.h"
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

BasicLineResult LineDone();
// A message of one line, without its line end.
BasicLineResult LineError(std::string message);
// The errors found before a run, each formatted with its line and caret.
BasicLineResult CompileErrors(const std::vector<BasicDiagnostic>& errors);

// RUN (from = -1) and RUN n: from the first line, or line n, with fresh
// variables. GOTO n: from line n on the variables as they are.
BasicLineResult RunStoredLines(BasicSession* session, int32_t from, bool fresh_variables);
// CONT: goes on after the STOP that ended the last run.
BasicLineResult ContinueStopped(BasicSession* session);
// What a run's end means for the session: an error to show, a STOP to
// keep for CONT ("Break in N"), or nothing.
BasicLineResult RunEnded(BasicSession* session, std::unique_ptr<Code> code, const RunState& state,
                         const BasicRunResult& result);
