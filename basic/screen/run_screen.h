// The screen's settings at run time: SCREEN, COLOR, PALETTE and WINDOW; and
// the colour numbers of a program turned into the mode's colours, for
// these and the figures.
#pragma once

#include <cstdint>

#include "basic/code/code.h"
#include "basic/executor/run_errors.h"
#include "runtime/graphics/graphics.h"

struct Machine;

// A colour number of the program as one of the mode's, or a message naming
// it; the default number when the program left it out.
RunFault ProgramColour(Machine& machine, double number, uint8_t* colour);
// The error of a figure, or POINT, on the PC's text screen.
RunFault NoPixelsHere();
RunFault ProgramColourOr(Machine& machine, bool omitted, double number, int32_t default_number, uint8_t* colour);
