// The figures at run time: CLS, LINE, CIRCLE, PSET and PRESET, PAINT and
// POINT. On the runtime's own screen with no WINDOW, LINE, CIRCLE and PSET
// are the runtime's own statements, so that its pictures stay exactly as
// they are; everywhere else the figures are drawn here, in the mode's
// pixels and colours (screen_draw.h).
#pragma once

#include "basic/code/code.h"

struct Machine;

const char* RunCls(Machine& machine, const Instruction& in, double*& sp);
const char* RunLine(Machine& machine, const Instruction& in, double*& sp);
const char* RunCircle(Machine& machine, const Instruction& in, double*& sp);
const char* RunPset(Machine& machine, const Instruction& in, double*& sp);
const char* RunPaint(Machine& machine, const Instruction& in, double*& sp);
const char* RunPoint(Machine& machine, const Instruction& in, double*& sp);
