// The names of a procedure being compiled: which are its own (kept in slots
// of their own, under a prefix no program name can have) and which are the
// program's. While a procedure is compiled, the Variables resolve every
// name through its scope, so that each statement's code, whatever it is,
// gets the right slot.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

enum class NameSpace : uint8_t { Number, String, Array };

struct ProcedureScope {
  // The key a name is held under: the procedure's own names get the prefix.
  std::string Key(const std::string& canonical, NameSpace space);
  // A slot was made for a key: an own name that is not static is saved
  // around each call.
  void Made(const std::string& canonical, NameSpace space, int32_t slot);

  std::string prefix;          // "SUB NAME ": a space never appears in a name
  bool names_local = true;     // DEF FN: only its parameters are its own
  bool all_static = false;     // SUB ... STATIC
  std::set<std::string> own;   // parameters and the result, always the procedure's
  std::set<std::string> shared;   // SHARED here
  std::set<std::string> statics;  // STATIC here
  std::set<std::string> seen;     // every name resolved so far
  const std::set<std::string>* shared_everywhere = nullptr;  // DIM SHARED
  std::map<std::string, std::string> declared;  // "S" AS STRING is "S$"
  std::map<std::string, int32_t> array_parameters;  // "A()" to its place in the list
  std::vector<int32_t> array_parameter_slots;
  std::vector<int32_t> number_locals, string_locals, array_locals;
};

// A name as the scope's sets hold it: arrays as "A()", apart from "A".
std::string Tagged(const std::string& canonical, NameSpace space);

// A name starting with FN is a DEF FN function's.
bool IsDefFnName(const std::string& name);
