// DRAW at run time: the command string (draw_string.h) run on the screen.
// The pen starts at the graphics last point, which LINE shares, and leaves
// it where the string took it; its colour, scale and angle go on from one
// DRAW to the next.
//
// The names a string gives ("XA$;", "=N;") are looked up here, by name,
// when the DRAW runs: the string is only known then, as it is mostly built
// by the program (with STR$ and variables). A lookup finds the program's
// own variables, never a procedure's, and makes none: a name the program
// never uses has the value 0 or the empty string.
#pragma once

#include "basic/code/code.h"

struct Machine;

// The command string is on the string stack.
const char* RunDraw(Machine& machine, const Instruction& in, double*& sp);
