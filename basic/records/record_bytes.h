// A record as bytes, the way a random-access file holds it: its leaves in
// order, INTEGER 2 bytes and LONG 4 (little-endian two's complement),
// SINGLE 4 and DOUBLE 8 (IEEE, little-endian), STRING * n its n bytes; no
// padding between them.
//
// A RecordLayout (record_types.h) is what the compiler gives a GET or PUT
// of a record: the record's leaves with where each value lives, a slot or
// an array's element, so that nothing is looked up by name while running.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "basic/code/value_kind.h"
#include "basic/executor/run_errors.h"
#include "basic/records/record_types.h"
#include "basic/variables/variables.h"
#include "runtime/strings/strings.h"

// Where one record's values are while it is turned into bytes: one
// pointer per field of the layout, a number's double or a string's RtString.
struct RecordValues {
  std::vector<double*> numbers;     // the number fields', in order
  std::vector<RtString*> strings;   // the string fields', in order
};

// The record's bytes, layout.size of them. A number that its field's kind
// cannot hold (which a store never leaves) is an Overflow; *bytes is then
// left alone. A string shorter than its field (one never stored) gives NUL
// bytes after it.
RunError RecordToBytes(const RecordLayout& layout, const RecordValues& values, std::string* bytes);
// The values back from bytes: Illegal function call when there are fewer
// than layout.size, and nothing changes; Overflow for a SINGLE or DOUBLE
// whose bytes are an infinity or NaN, and nothing changes either.
RunError RecordFromBytes(const RecordLayout& layout, std::string_view bytes, const RecordValues& values);

// Where the values of the record a layout describes are now: its fields'
// slots, or for an element the elements its subscripts pick (as many as
// the layout's subscripts), Subscript out of range when they are out of
// its bounds. The pointers hold until an array is made anew.
RunFault FindRecordValues(Variables& variables, const RecordLayout& layout, const double* subscripts,
                          RecordValues* values);
