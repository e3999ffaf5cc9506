// The variables of a program, or of a direct-mode session: names resolved
// to slots while compiling, values held while running.
//
// A name without suffix, with '#' or with '!' is one double variable; with
// '%' a 16-bit integer held as a double; with '$' a string. Scalars and
// arrays of the same name are different variables. A string slot holds an
// RtString owned by the variable, or null for the empty string. Nothing is
// looked up by name while a program runs.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "basic/scope.h"
#include "runtime/strings/strings.h"

enum class ValueKind : uint8_t { Number, Integer, String };

// The kind a name's suffix gives, and the name the variable is known by
// ("A#" and "A!" are "A").
ValueKind KindOfName(const std::string& name);
std::string CanonicalName(const std::string& name);

inline constexpr int32_t DefaultArrayBound = 10;
inline constexpr int64_t MaxArrayElements = int64_t{1} << 24;

struct ArrayVariable {
  std::string name;
  ValueKind kind;
  int32_t subscripts;      // fixed by the first use in the program text
  bool made = false;       // by DIM, or by the first use of an element
  int32_t bounds[3] = {0, 0, 0};
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
  // -1 when the array exists with another number of subscripts.
  int32_t ArraySlot(const std::string& canonical_name, int32_t subscripts);
  int32_t ArraySubscripts(const std::string& canonical_name) const;

  // Every value back to 0 or the empty string, arrays unmade; names stay.
  void Reset();

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
