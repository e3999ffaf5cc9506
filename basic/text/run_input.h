// INPUT and LINE INPUT at run time. INPUT reads a line, from the window or
// the run's script, until it fits the statement's form of fields, then its
// fields go to the variables one by one; LINE INPUT takes the whole line.
#pragma once

#include "basic/code/code.h"

struct Machine;

const char* RunInput(Machine& machine, const Instruction& in, double*& sp);
const char* RunInputFieldNumber(Machine& machine, const Instruction& in, double*& sp);
const char* RunInputFieldString(Machine& machine, const Instruction& in, double*& sp);
const char* RunLineInput(Machine& machine, const Instruction& in, double*& sp);
