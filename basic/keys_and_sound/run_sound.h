// BEEP and SOUND at run time, through the system's beep; where there is no
// sound device they take their time all the same.
#pragma once

#include "basic/code/code.h"

struct Machine;

const char* RunBeep(Machine& machine, const Instruction& in, double*& sp);
const char* RunSound(Machine& machine, const Instruction& in, double*& sp);
