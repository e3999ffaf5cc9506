// The first lines of SUB, FUNCTION and DEF FN, read by a first pass over
// the whole text before anything is compiled, so that a call may come
// before its procedure's definition; DIM SHARED lines are read then too,
// since every procedure shares their names.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "basic/procedures/procedure.h"
#include "basic/variables/variables.h"

struct Compiler;
struct Token;

// A parameter as a procedure's first line declares it.
struct HeaderParameter {
  std::string name;  // canonical, with the suffix its AS type gives
  ParameterKind kind;
  ValueKind element;  // an array parameter's elements
  bool typed;         // by AS: the name without suffix means it too
  // A record parameter is one parameter per leaf of its type ("P.X%"),
  // each of them with the type; the first has the record's name too.
  int32_t record = -1;
  std::string record_name;
};

struct ProcedureHeader {
  std::string name;  // canonical
  int32_t line = 0;
  std::vector<HeaderParameter> parameters;
  int32_t as_column = 0;  // of an AS type after a FUNCTION's parameters, which QBasic does not have
  bool is_static = false;
};

// The first pass: every procedure of the text into the code's list and the
// compiler's table, and every DIM SHARED name into the shared names. A
// header with an error is left for the second pass to report where it
// stands.
void FindProcedures(Compiler& c);

// "name [(parameter, ...)] [STATIC]" after SUB or FUNCTION; "FNname
// [(parameter, ...)]" after DEF.
ProcedureHeader ReadHeader(Compiler& c, ProcedureKind kind);

// The canonical name of a name followed by an optional "AS type", with the
// suffix the type gives: "S AS STRING" is "S$"; without AS, the suffix of
// the DEFtype in effect ("N" under DEFINT N is "N%").
std::string TypedName(Compiler& c, const Token& name, bool* typed);
// A name with its suffix, or the suffix of the DEFtype in effect.
std::string DefaultTypedName(const Compiler& c, const std::string& name);
