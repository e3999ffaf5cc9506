// Calls of the built-in functions, compiled from the one table of them
// (builtins.h): the row whose arguments fit what the program wrote becomes
// one CallBuiltin. And RANDOMIZE, the statement of RND's generator, and
// ENVIRON, the one that changes what ENVIRON$ reads.
#pragma once

#include "basic/variables/variables.h"

struct Compiler;

// At a keyword in an expression: the call of its built-in (or of LBOUND,
// UBOUND and POINT, which are compiled by their own areas).
ValueKind CompileBuiltinCall(Compiler& c);
// RANDOMIZE [seed], at its word.
void CompileRandomize(Compiler& c);
// ENVIRON text, at its word.
void CompileEnviron(Compiler& c);
