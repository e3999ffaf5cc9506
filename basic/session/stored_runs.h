// The direct mode's runs of its stored program: RUN, RUN n, GOTO n and
// CONT, and what a run's end means for the session.
#pragma once

#include <cstdint>
#include <memory>

#include "basic/basic.h"
#include "basic/code/code.h"

struct BasicSession;
struct RunState;

// RUN (from = -1) and RUN n: from the first line, or line n, with fresh
// variables. GOTO n: from line n on the variables as they are.
BasicLineResult RunStoredLines(BasicSession* session, int32_t from, bool fresh_variables);
// CONT: goes on after the STOP that ended the last run.
BasicLineResult ContinueStopped(BasicSession* session);
// What a run's end means for the session: an error to show, a STOP to
// keep for CONT ("Break in N"), or nothing.
BasicLineResult RunEnded(BasicSession* session, std::unique_ptr<Code> code, const RunState& state,
                         const BasicRunResult& result);
