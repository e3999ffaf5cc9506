// A program file run under the options: compiled, run, its errors shown.
#pragma once

#include <string>
#include "basic/app/options.h"

// Compiles and runs the program, named options.file in messages; gives 0
// after END, else the exit code of the error, or BasicExitNoMoreInput when
// the script ran out.
int RunSource(const std::string& source, const BasicAppOptions& options);
// Reads the file and runs it as RunSource does.
int RunFile(const BasicAppOptions& options);
