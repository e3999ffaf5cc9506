// The MID$ statement at run time.
#pragma once

#include "basic/code/code.h"

struct Machine;

const char* RunMidAssign(Machine& machine, const Instruction& in, double*& sp);
