// Variables in the program text: names and their types, references to
// variables and elements, LET, DEFtype, SWAP and CLEAR.
//
// A type is the compiler's business only: by the time the program runs,
// every name carries its suffix ("I" under DEFINT I is the variable "I%"),
// so the variables and the executor see suffixes and nothing else.
#pragma once

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <map>
#include <string>

#include "basic/code/code.h"
#include "basic/variables/variables.h"

struct Compiler;
struct Token;

// The types the text so far gave to names without a suffix.
struct TypeDeclarations {
  TypeDeclarations() { std::fill(std::begin(letter_kinds), std::end(letter_kinds), ValueKind::Single); }
  ValueKind letter_kinds[26];                   // DEFINT and the others; SINGLE by default
  std::map<std::string, ValueKind> declared;    // DIM ... AS: "A" a scalar, "A()" an array
  int32_t option_base = 0;                      // OPTION BASE
  std::map<int32_t, int32_t> dims_of_array;     // DIM and REDIM statements of each array slot
  bool arrays_seen = false;                     // OPTION BASE must come before the first
};

// The name a variable is known by (its canonical name, with the suffix of
// its type) and its kind; errors where the name's suffix and its declared
// type disagree, or where it names a function outside its own body.
std::string VariableName(Compiler& c, const Token& name, bool array, ValueKind* kind);
// The slot of an array used with that many subscripts (0: as it is).
int32_t ArraySlotOf(Compiler& c, const Token& name, int32_t subscripts, ValueKind* kind);
// A name declared AS a type (a scalar, or an array: "A()").
void DeclareType(Compiler& c, const Token& name, bool array, ValueKind kind);

// The instruction that stores into a variable (or an element) of that kind.
Op StoreOp(ValueKind kind, bool element);
// A variable, element or constant at its name. For a load, the instruction
// to emit (an element's subscripts are pushed already); for a store, the
// subscripts are pushed now and the instruction stores the value pushed
// after them.
Instruction CompileVariable(Compiler& c, bool for_store, ValueKind* kind);

// [LET] variable = expression, at the variable.
void CompileAssignment(Compiler& c);
// DEFINT|DEFLNG|DEFSNG|DEFDBL|DEFSTR letters, at the word.
void CompileDefType(Compiler& c, ValueKind kind);
// SWAP a, b and CLEAR [n, ...], at the word.
void CompileSwap(Compiler& c);
void CompileClear(Compiler& c);
