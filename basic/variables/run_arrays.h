// Arrays at run time: their elements loaded and stored, DIM, REDIM, ERASE,
// and LBOUND and UBOUND. The subscripts are on the number stack, below the
// value to store.
#pragma once

#include "basic/code/code.h"

struct Machine;

const char* RunLoadElement(Machine& machine, const Instruction& in, double*& sp);
const char* RunStoreElement(Machine& machine, const Instruction& in, double*& sp);
const char* RunStoreIntegerElement(Machine& machine, const Instruction& in, double*& sp);
const char* RunStoreLongElement(Machine& machine, const Instruction& in, double*& sp);
const char* RunLoadStringElement(Machine& machine, const Instruction& in, double*& sp);
const char* RunStoreStringElement(Machine& machine, const Instruction& in, double*& sp);
const char* RunDim(Machine& machine, const Instruction& in, double*& sp);
const char* RunRedim(Machine& machine, const Instruction& in, double*& sp);
const char* RunErase(Machine& machine, const Instruction& in, double*& sp);
const char* RunBound(Machine& machine, const Instruction& in, double*& sp);
