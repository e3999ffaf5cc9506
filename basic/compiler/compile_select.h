// SELECT CASE: the selector is evaluated once into a hidden variable; each
// CASE tests it against its items in turn and jumps to its statements on
// the first match, or on to the next CASE.
#pragma once

#include "basic/tokens/token.h"

struct Compiler;

// SELECT CASE expression, at SELECT.
void CompileSelect(Compiler& c);
// CASE item [, item ...] or CASE ELSE, at CASE; an item is a value,
// "low TO high" or "IS relation value".
void CompileCase(Compiler& c);
// END SELECT, at END.
void CompileEndSelect(Compiler& c);
// Only comments may come between SELECT CASE and its first CASE: an error
// for any other statement there, at its first token.
void CheckCaseComesFirst(const Compiler& c, const Token& first);
