// SLEEP at run time: for a time, with the picture shown first, or until a
// key is waiting (from the window, or the run's script).
#pragma once

#include "basic/code/code.h"

struct Machine;

const char* RunSleep(Machine& machine, const Instruction& in, double*& sp);
const char* RunSleepForKey(Machine& machine, const Instruction& in, double*& sp);
