// Expressions, one function per precedence level, lowest first:
//   XOR, OR, AND, NOT, comparisons, + -, \ MOD, * /, unary - +, ^, operands.
// Each leaves its value on the stack of its kind and returns that kind, so
// that a string where a number belongs is found here, before anything runs.
#pragma once

#include <cstdint>

#include "basic/variables/variables.h"

struct Compiler;
struct Token;

// Any expression; its kind is Number or String (never Integer or Long:
// operators compute in doubles).
ValueKind Expression(Compiler& c);
// An expression that must be a number, or a string.
void NumberExpression(Compiler& c);
void StringExpression(Compiler& c);
// An error at `at` when an operand compiled there is a string.
void NumberOperand(Compiler& c, ValueKind kind, const Token& at);

// Up to `count` numbers after a statement's word, each optional, separated
// by commas; the first `kept` go onto the stack (an omitted one as 0), the
// others are evaluated and dropped. Gives a bit per kept one written.
int32_t OptionalArguments(Compiler& c, int32_t count, int32_t kept);
