// SUB, FUNCTION and DEF FN: their definitions and bodies. A body is
// compiled where it stands, behind a jump over it, with the Variables
// resolving its names through the procedure's scope, so that each statement
// of the body, whatever it is, gets the procedure's own slots.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "basic/procedures/procedure.h"
#include "basic/procedures/procedure_headers.h"
#include "basic/procedures/scope.h"

struct Compiler;
struct Token;

// A whole array passed to a procedure: checked against the parameter's use
// once every body is compiled.
struct ArrayArgument {
  int32_t procedure, parameter, slot, line, column;
};

// What the compiler knows of the program's procedures.
struct ProcedureTable {
  std::map<std::string, int32_t> index;  // by canonical name, into the code's procedures
  std::vector<ProcedureHeader> headers;  // by the same index
  std::unique_ptr<ProcedureScope> scope;  // the procedure being compiled, if any
  int32_t current = -1;                   // its index
  std::set<std::string> shared_everywhere;          // DIM SHARED names, arrays as "A()"
  std::map<std::string, std::string> shared_names;  // DIM SHARED X AS INTEGER: "X" is "X%"
  std::vector<ArrayArgument> array_arguments;
};

// SUB, FUNCTION or DEF, at its word; a one-line DEF FN is closed at once.
void CompileProcedure(Compiler& c, ProcedureKind kind, bool in_one_line_if);
// END SUB, END FUNCTION, END DEF, at END.
void CompileEndProcedure(Compiler& c, ProcedureKind kind);
// EXIT SUB, EXIT FUNCTION, EXIT DEF, after EXIT (at): the procedure returns
// at once.
void CompileExitProcedure(Compiler& c, const Token& at);

// Once the whole text is compiled: a jump from `from` to `to` must stay in
// its procedure, or in the program's own code; the message when it does not.
std::string CrossesProcedure(const Compiler& c, int32_t from, int32_t to, const std::string& label);
// Every array passed whole matches its parameter's use, and every
// procedure found has a body.
void CheckProcedures(Compiler& c);
