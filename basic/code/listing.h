// A listing of compiled code, for the interpreter's developers and for
// tests (basic.exe --list): each source line with its instructions under
// it, each instruction with its position, its statement's column, its name
// and its operands as the program wrote them (constants by value,
// variables by name, jumps by position).
#pragma once

#include <string>

#include "basic/code/code.h"
#include "basic/variables/variables.h"

// The listing, one line per source line and per instruction, each ending
// in "\n".
std::string ListCode(const Code& code, const Variables& variables);
