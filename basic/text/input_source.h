// Where INPUT and LINE INPUT get their line: the window, where the user
// types it, or the run's script (basic.exe --input), whose lines are taken
// as if typed: shown in the window after the prompt and echoed the same way.
#pragma once

#include <string>

struct Machine;

// Reads one line, without its line end, and leaves the cursor at the start
// of the next row. False when the script has no more lines: the statement
// that wanted one cannot go on.
bool ReadInputLine(Machine& machine, std::string* line);

