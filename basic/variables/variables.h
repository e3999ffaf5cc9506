// The variables of a program, or of a direct-mode session: names resolved
// to slots while compiling, values held while running.
//
// A name's suffix gives its kind (code/value_kind.h): none or '!' a SINGLE,
// '#' a DOUBLE, '%' an INTEGER, '&' a LONG, '$' a string; every number is held
// as a double, kept to its kind when stored. The compiler gives a name
// without suffix the suffix of its type (DEFDBL, DIM ... AS) before asking for
// its slot. "A", "A#", "A%", "A&" and "A$" are five variables, and scalars and
// arrays of the same name are different variables. A string slot holds an
// RtString owned by the variable, or null for the empty string. Nothing is
// looked up by name while a program runs, but the names a DRAW string gives.
#pragma once

#include <cmath>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "basic/code/value_kind.h"
#include "basic/procedures/scope.h"
#include "runtime/numeric/numeric.h"
#include "runtime/strings/strings.h"

// The kind a name's suffix gives, and the name the variable is known by
// ("A!" is "A").
ValueKind KindOfName(const std::string& name);
std::string CanonicalName(const std::string& name);
bool HasSuffix(const std::string& name);
// The name a variable of that kind is known by: "A" and Integer give "A%",
// "A" and Single "A".
std::string NameOfKind(const std::string& bare_name, ValueKind kind);

inline constexpr int32_t DefaultArrayBound = 10;
inline constexpr int64_t MaxArrayElements = int64_t{1} << 24;

struct ArrayVariable {
  std::string name;
  ValueKind kind;
  int32_t subscripts;      // fixed by the first use in the program text; 0 until then
  int32_t base = 0;        // the lower bound of an automatic array (OPTION BASE)
  bool made = false;       // by DIM, or by the first use of an element
  bool dimensioned = false;  // made by DIM or REDIM, not by a use
  int32_t lower[3] = {0, 0, 0};
  int32_t upper[3] = {0, 0, 0};
  std::vector<double> numbers;
  std::vector<RtString> strings;
};

class Variables {
 public:
  Variables() = default;
  Variables(const Variables&) = delete;
  Variables& operator=(const Variables&) = delete;
  ~Variables();

  // Slots, made on first sight; numbers and integers share one table.
  int32_t NumberSlot(const std::string& canonical_name);
  int32_t StringSlot(const std::string& canonical_name);
  // -1 when the array exists with another number of subscripts. A count
  // of 0 (ERASE, LBOUND) takes the array as it is; a use with subscripts
  // then fixes their number. base is the automatic lower bound of an
  // array made now.
  int32_t ArraySlot(const std::string& canonical_name, int32_t subscripts, int32_t base = 0);
  int32_t ArraySubscripts(const std::string& canonical_name) const;
  // The slot of the program's own variable of that name, or -1 when the
  // program has none: for names a program's strings give while it runs.
  // A procedure's own variables are not found.
  int32_t FindNumberSlot(const std::string& canonical_name) const;
  int32_t FindStringSlot(const std::string& canonical_name) const;

  // Every value back to 0 or the empty string, arrays unmade; names stay.
  void Reset();

  // The name each slot was made for, by slot (a procedure's own names with
  // their procedure's prefix): for listings, never while running.
  std::vector<std::string> NumberNames() const;
  std::vector<std::string> StringNames() const;

  std::vector<double> numbers;
  std::vector<RtString> strings;
  std::vector<ArrayVariable> arrays;
  // Set while a procedure is compiled: names resolve through it.
  ProcedureScope* scope = nullptr;

 private:
  std::string Key(const std::string& canonical_name, NameSpace space) const;
  std::unordered_map<std::string, int32_t> number_slots_;
  std::unordered_map<std::string, int32_t> string_slots_;
  std::unordered_map<std::string, int32_t> array_slots_;
};

// Releases an array's strings and frees its elements.
void UnmakeArray(ArrayVariable& array);

