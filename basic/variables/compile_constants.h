// CONST: names whose values are known before the run. The compiler works a
// constant's value out by running its expression, once, on the executor, so
// that a constant holds exactly what the same expression gives at run time.
#pragma once

#include "basic/code/code.h"
#include "basic/code/value_kind.h"

struct Compiler;
struct Token;

// CONST name = expression [, ...], at the word.
void CompileConst(Compiler& c);
// A constant: the push of its value, and its kind.
struct Constant {
  Instruction push;
  ValueKind kind;
};

// The constant of that name; null when the name is no constant.
const Constant* ConstantNamed(const Compiler& c, const Token& name);
