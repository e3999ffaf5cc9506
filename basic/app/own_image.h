// What basic.exe knows of its own file: the made-program mark compiled into
// it (unmade in basic.exe, filled in by --make in the programs it writes)
// and the file's path.
#pragma once

#include <string>

#include "basic/made/made_program.h"

// This executable's mark, as its file holds it.
MadeProgramMark OwnMark();
// The path of this executable's file; false when it cannot be had whole.
bool OwnFilePath(std::string* path);
