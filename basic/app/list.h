// --list: a program file compiled and its compact form listed on standard
// output, before any window opens; its errors go to standard error.
#pragma once

#include "basic/app/options.h"

// Gives 0, or the exit code of what went wrong.
int ListFile(const BasicAppOptions& options);
