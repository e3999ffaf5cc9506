// The instructions run out of the executor's loop: each by its routine
// Run<name>, declared here for every STATEMENT of the list of instructions
// and defined in the run_*.cpp of its feature (RunPaint in
// screen/run_graphics.cpp). A routine works on the stacks through sp, the
// number stack's next free place, and returns its fault, or no fault.
#pragma once

#include "basic/code/code.h"
#include "basic/executor/run_errors.h"

struct Machine;

using StatementRoutine = RunFault (*)(Machine& machine, const Instruction& in, double*& sp);

#define BASIC_NO_DECLARATION(name, ...)
#define BASIC_DECLARE_ROUTINE(name, ...) RunFault Run##name(Machine& machine, const Instruction& in, double*& sp);
BASIC_INSTRUCTIONS(BASIC_NO_DECLARATION, BASIC_DECLARE_ROUTINE)
#undef BASIC_DECLARE_ROUTINE
#undef BASIC_NO_DECLARATION

// Runs the instruction's routine; every instruction that is not inline has
// one. The number stack's next free place comes back (the caller's copy of
// it stays in a register), and the routine's fault goes to *fault.
double* ExecuteStatement(Machine& machine, const Instruction& in, double* sp, RunFault* fault);
