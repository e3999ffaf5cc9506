// The program's variables as DRAW's and PLAY's command strings name them
// ("=N;", "XA$;"), looked up by name when the statement runs: the string
// is mostly built by the program, so it is only known then. A lookup finds
// the program's own variables, never a procedure's, and makes none: a name
// the program never uses has the value 0 or the empty string. VARPTR$'s
// bytes (text/command_string.h) name the variable by its slot.
#pragma once

#include <string>
#include <string_view>

class Variables;

// A name without a suffix is the program's variable of that name in
// whatever type it has: plain, or made integer or long by DEFINT, DEFLNG.
double CommandNumber(const Variables& variables, const std::string& name);
std::string_view CommandText(const Variables& variables, const std::string& name);
