// Items separated by commas, as INPUT reads a typed line and DATA lists its
// items: a field in double quotes keeps its commas and spaces; otherwise
// its outer spaces are dropped.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "basic/code/value_kind.h"
#include "basic/executor/run_errors.h"

struct Field {
  std::string_view text;
  bool quoted = false;
  bool malformed = false;  // bytes after the closing quote
};
std::vector<Field> SplitFields(std::string_view line);

// A field read as a number: empty is 0; anything else must be one whole
// number as VAL reads it. False when it is not; true with *error Overflow
// when it is beyond the range of doubles.
bool ReadFieldNumber(const Field& field, double* value, RunError* error);

// INPUT's reading of a typed line into fields of the form's kinds: numbers
// go to numbers[i], kept to their kind, strings to texts[i]. A number its
// kind cannot hold is an Overflow, which the user is asked to type again.
enum class InputVerdict { Accepted, Redo, Overflow, ExtraIgnored };
InputVerdict SplitInputLine(std::string_view line, const std::vector<ValueKind>& form, std::vector<double>* numbers,
                            std::vector<std::string>* texts);
