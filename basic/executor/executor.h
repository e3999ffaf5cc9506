// The executor: runs a program's compact form on its variables, calling
// the runtime for every statement. It only executes; everything that can be
// checked was checked when the program was built.
#pragma once

#include <cstddef>

#include "basic/basic.h"
#include "basic/code/code.h"
#include "basic/variables/variables.h"

inline constexpr std::size_t MaxGosubDepth = 100000;

// Runs code from its first instruction on the variables as they stand.
BasicRunResult Execute(const Code& code, Variables& variables, const BasicRunOptions& options);
// Runs code from the state's position with its GOSUB returns and loops; a
// STOP saves them back into the state and ends the run as Stopped.
struct RunState;
BasicRunResult ExecuteFrom(const Code& code, Variables& variables, const BasicRunOptions& options,
                           RunState* state);
