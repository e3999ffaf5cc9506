// CONST: names whose values are known before the run. The compiler works a
// constant's value out by running its expression, once, on the executor, so
// that a constant holds exactly what the same expression gives at run time.
#pragma once

#include "basic/code/code.h"

struct Compiler;
struct Token;

// CONST name = expression [, ...], at the word.
void CompileConst(Compiler& c);
// The push of the constant's value when the name is a constant; null
// otherwise.
const Instruction* ConstantNamed(const Compiler& c, const Token& name);
