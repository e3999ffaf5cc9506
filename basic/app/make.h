// --make: a program file checked and written into a program of its own.
#pragma once

#include "basic/app/options.h"

// Checks the file and writes it into the program options.make names; gives
// 0, or the exit code of what went wrong, shown in the window.
int MakeProgram(const BasicAppOptions& options);
