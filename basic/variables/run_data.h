// READ and RESTORE at run time, over the program's one list of DATA items.
#pragma once

#include "basic/code/code.h"

struct Machine;

const char* RunReadNumber(Machine& machine, const Instruction& in, double*& sp);
const char* RunReadString(Machine& machine, const Instruction& in, double*& sp);
const char* RunRestore(Machine& machine, const Instruction& in, double*& sp);
