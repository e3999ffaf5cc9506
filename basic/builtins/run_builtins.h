// A built-in function's call at run time: its row's routine on the stacks'
// top operands (builtins.h). And RANDOMIZE, which seeds RND's generator.
#pragma once

#include "basic/code/code.h"

struct Machine;

const char* RunCallBuiltin(Machine& machine, const Instruction& in, double*& sp);
const char* RunRandomize(Machine& machine, const Instruction& in, double*& sp);
