// The operators that run out of the executor's loop: the integer ones
// (\, MOD, AND, OR, XOR, NOT), on 32-bit integers, and those of strings.
#pragma once

#include "basic/code/code.h"

struct Machine;

const char* RunIntegerDivide(Machine& machine, const Instruction& in, double*& sp);
const char* RunModulo(Machine& machine, const Instruction& in, double*& sp);
const char* RunAnd(Machine& machine, const Instruction& in, double*& sp);
const char* RunOr(Machine& machine, const Instruction& in, double*& sp);
const char* RunXor(Machine& machine, const Instruction& in, double*& sp);
const char* RunNot(Machine& machine, const Instruction& in, double*& sp);

const char* RunPushString(Machine& machine, const Instruction& in, double*& sp);
const char* RunLoadString(Machine& machine, const Instruction& in, double*& sp);
const char* RunStoreString(Machine& machine, const Instruction& in, double*& sp);
const char* RunConcat(Machine& machine, const Instruction& in, double*& sp);
const char* RunCompareStrings(Machine& machine, const Instruction& in, double*& sp);
