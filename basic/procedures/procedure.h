// Procedures in the compact form: SUB, FUNCTION and DEF FN.
//
// A procedure's locals are variable slots of their own, kept apart from the
// program's by their names. A call saves the values those slots hold (the
// caller's, when the procedure calls itself), clears them, and gives the
// parameters their arguments; the return puts the saved values back. An
// argument passed by reference is copied in at the call and copied back out
// at the return, so no pointer to a variable or an element lives across the
// call. A procedure that is never called while under way has no caller's
// values in its locals: those of its numbers-only calls are only cleared.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "basic/code/value_kind.h"

enum class ProcedureKind : uint8_t { Sub, Function, DefFn };

// "SUB", "FUNCTION" or "DEF FN", for messages.
inline const char* ProcedureKindText(ProcedureKind kind) {
  switch (kind) {
    case ProcedureKind::Sub: return "SUB";
    case ProcedureKind::Function: return "FUNCTION";
    case ProcedureKind::DefFn: return "DEF FN";
  }
  return "";
}

// What a parameter holds; an array parameter takes a whole array.
enum class ParameterKind : uint8_t { Number, String, Array };

struct Parameter {
  ParameterKind kind;
  ValueKind number_kind = ValueKind::Single;  // a number's kind, which its argument is kept to
  // A number or string slot, or an array slot; -1 for an array the body
  // never uses, which the call then leaves where it is.
  int32_t slot = -1;
};

struct Procedure {
  std::string name;
  ProcedureKind kind = ProcedureKind::Sub;
  bool returns_string = false;
  ValueKind result_kind = ValueKind::Single;  // FUNCTION and DEF FN: the kind of their value
  int32_t entry = -1;        // the body's first instruction
  int32_t end = -1;          // the position after its last
  int32_t result_slot = -1;  // FUNCTION and DEF FN: the slot the body assigns
  std::vector<Parameter> parameters;
  // Saved, cleared and restored around each call; parameters and the
  // result are among them.
  std::vector<int32_t> number_locals;
  std::vector<int32_t> string_locals;
  std::vector<int32_t> array_locals;
  std::vector<int32_t> cleared_numbers;  // the number locals that are not parameters
  int32_t first_loop = 0;  // the FOR loops of the body, whose limits are per call
  int32_t loop_end = 0;
  bool numbers_only = false;  // no strings, arrays or FOR loops of its own
  // Can be called while a call of it is under way. Until the compiler
  // finds otherwise, every procedure is taken to be.
  bool reentrant = true;
};

enum class ArgumentKind : uint8_t {
  NumberValue,     // an expression's value, on the number stack
  StringValue,     // on the string stack
  NumberVariable,  // by reference: slot
  StringVariable,
  NumberElement,   // by reference: array slot; its subscripts on the number stack
  StringElement,
  WholeArray,      // array slot
};

struct Argument {
  ArgumentKind kind;
  int32_t slot = 0;
  int32_t subscripts = 0;
  ValueKind number_kind = ValueKind::Single;  // a number variable's or element's kind, kept at the return
  int32_t fixed_length = 0;  // a fixed-length string's: its value is fitted to it at the return
};

// How a call goes, chosen once the whole program is compiled:
//  Full:   every kind of argument and local;
//  Quick:  numbers only, in the arguments and the procedure's locals;
//  Direct: a quick call of a procedure that is not reentrant, whose
//          locals hold no caller's values and need no saving.
enum class CallWay : uint8_t { Full, Quick, Direct };

struct CallSite {
  int32_t procedure;
  std::vector<Argument> arguments;  // one per parameter, in order
  bool elements = false;            // some argument is an element by reference
  bool numbers_only = true;         // every argument a number's value or a numeric variable
  CallWay way = CallWay::Full;
};

inline constexpr std::size_t MaxCallDepth = 10000;
inline constexpr std::size_t MaxParameters = 40;  // keeps a call's stack effect in a byte
