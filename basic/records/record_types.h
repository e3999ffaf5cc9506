// Record types (TYPE ... END TYPE) and their layout.
//
// A record is compiled away: a record variable P of a type with fields X
// AS INTEGER and NAME AS STRING * 10 is the scalar variables "P.X%" and
// "P.NAME$", and an array of such records one array per field ("P.X%()"),
// so that a field is a plain variable and nothing is looked up by name
// while running. A program's own names have no '.', so these names are
// never a program's. The leaves of a type are its fields with nested
// records opened, in order; their byte sizes are QBasic's (INTEGER 2, LONG
// 4, SINGLE 4, DOUBLE 8, STRING * n n, no padding).
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "basic/code/value_kind.h"

inline constexpr int32_t MaxFixedLength = 32767;
inline constexpr int64_t MaxRecordSize = 65535;

struct RecordField {
  std::string name;       // upper case, no suffix
  ValueKind kind = ValueKind::Single;
  int32_t record = -1;    // a nested record's type, or -1
  int32_t length = 0;     // STRING * n: n
  int32_t size = 0;       // bytes
};

struct RecordType {
  std::string name;  // upper case
  std::vector<RecordField> fields;
  int32_t size = 0;
};

// A field with its nested records opened: "P" and the leaf ".POS.X" make
// the variable "P.POS.X" with the suffix of its kind.
struct RecordLeaf {
  std::string path;  // ".POS.X"
  ValueKind kind;
  int32_t length;    // a fixed string's, 0 for numbers
  int32_t size;      // bytes
};

// A whole record as GET and PUT of files see it: its leaves in order, each
// with its kind, its bytes and where its value lives.
struct LayoutField {
  ValueKind kind;
  int32_t size;  // bytes: 2, 4, 8, or a fixed string's length
  int32_t slot;  // the number or string slot; for an element, its array's
};

struct RecordLayout {
  std::vector<LayoutField> fields;
  int32_t size = 0;        // the sum of the fields' sizes
  int32_t subscripts = 0;  // an element's, on the number stack; 0 for a variable
};

struct RecordTypes {
  // -1 when no type has that name.
  int32_t Find(const std::string& name) const;
  const RecordType& At(int32_t type) const { return types[static_cast<std::size_t>(type)]; }
  // Whether a type found by the first pass is complete at this point of the
  // second: a call may come before the TYPE its procedure's header names.
  bool Defined(int32_t type) const {
    return type >= 0 && static_cast<std::size_t>(type) < types.size() && type != open;
  }
  // The leaves of a type, in order.
  std::vector<RecordLeaf> Leaves(int32_t type) const;

  std::vector<RecordType> types;
  std::map<std::string, int32_t> index;
  int32_t open = -1;  // the type a TYPE block is defining
  int32_t open_line = 0, open_column = 0;
  // Record variables: "P", "P()", and a procedure's own under its prefix.
  std::map<std::string, int32_t> variables;
  // Fixed-length strings: "S$", "S$()", to their lengths.
  std::map<std::string, int32_t> fixed_lengths;
};

// The byte size of a leaf of that kind (length: a fixed string's).
int32_t SizeOfKind(ValueKind kind, int32_t length);
// The variable a leaf of a record variable is: "P" and ".X" as an INTEGER
// give "P.X%".
std::string LeafName(const std::string& record, const RecordLeaf& leaf);
