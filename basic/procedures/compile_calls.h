// Calls of SUB, FUNCTION and DEF FN. The call site records how each
// argument is passed: a variable or an element alone by reference, so that
// the procedure's changes reach it, anything else by value.
#pragma once

#include <string>

#include "basic/variables/variables.h"

struct Compiler;
struct Token;

// At a statement's first name: the call of the SUB of that name, without
// CALL; false, reading nothing, when the name is no SUB's.
bool CompileSubCall(Compiler& c);
// CALL name [(arguments)]
void CompileCallStatement(Compiler& c);
// Whether a name in an expression calls a FUNCTION or a DEF FN.
bool IsFunctionCall(const Compiler& c, const Token& name);
// At that name: the call, whose result is left on its stack.
ValueKind CompileFunctionCall(Compiler& c);
// Only its own body assigns a function's value: an error anywhere else.
void CheckNotFunction(const Compiler& c, const Token& name, const std::string& canonical);
