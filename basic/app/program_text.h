// A program file read as basic.exe runs, lists and makes it: with the files
// its '$INCLUDE' metacommands name, read from the program's own folder.
#pragma once

#include <string>
#include <vector>

#include "basic/basic.h"

// False when the program or a file it includes cannot be read: *message
// then holds what to show (each line ending in CR LF).
bool ReadProgramText(const std::string& path, BasicSourceText* text, std::string* message);
