// Calls and returns of procedures at run time, out of the executor's hot
// loop, which makes the direct calls itself (direct_calls.h).
#pragma once

#include <cstdint>

#include "basic/code/code.h"

struct Machine;

// The position to go on at comes back with the number stack's top, which a
// call may move when it grows the stacks; a position below 0 means
// machine.calls.error says why not.
struct Resumed {
  double* sp;
  int32_t position;
};
Resumed CallProcedure(Machine& machine, const Instruction& in, int32_t return_position, double* sp);
Resumed ReturnFromProcedure(Machine& machine, double* sp);
// Returns from every call under way, as at an error that ends the run, so
// that the program's variables hold their own values again.
void UnwindProcedures(Machine& machine);
