// SWAP and CLEAR at run time: the statements that act on variables as a
// whole.
#pragma once

#include "basic/code/code.h"

struct Machine;

const char* RunSwapNumbers(Machine& machine, const Instruction& in, double*& sp);
const char* RunSwapStrings(Machine& machine, const Instruction& in, double*& sp);
const char* RunClear(Machine& machine, const Instruction& in, double*& sp);
