// The instructions run out of the executor's loop: each by its routine
// Run<name>, declared in the run_* header of its stage or feature. A
// routine works on the stacks through sp, the number stack's next free
// place, and returns null or a run-time error's message.
#pragma once

#include "basic/code/code.h"

struct Machine;

using StatementRoutine = const char* (*)(Machine& machine, const Instruction& in, double*& sp);

// Runs the instruction's routine; every instruction that is not inline has
// one. The number stack's next free place comes back (the caller's copy of
// it stays in a register), and an error's message goes to *error (null when
// there is none).
double* ExecuteStatement(Machine& machine, const Instruction& in, double* sp, const char** error);
