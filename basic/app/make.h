// --make: a program file checked and written into a program of its own.
#pragma once

#include "basic/app/options.h"

// Checks the file and writes it into the program options.make names, with
// no window: gives 0, saying what it made on standard output, or the exit
// code of what went wrong, said on standard error.
int MakeProgram(const BasicAppOptions& options);
