// Items separated by commas, as INPUT reads a typed line and DATA lists its
// items: a field in double quotes keeps its commas and spaces; otherwise
// its outer spaces are dropped.
#pragma once

#include <string>
#include <string_view>
#include <vector>

struct Field {
  std::string_view text;
  bool quoted = false;
  bool malformed = false;  // bytes after the closing quote
};
std::vector<Field> SplitFields(std::string_view line);

// A field read as a number: empty is 0; anything else must be one whole
// number as VAL reads it. False when it is not.
bool ReadFieldNumber(const Field& field, double* value);

// INPUT's reading of a typed line into fields: true where the form wants a
// string. Numbers go to numbers[i], strings to texts[i].
enum class InputVerdict { Accepted, Redo, ExtraIgnored };
InputVerdict SplitInputLine(std::string_view line, const std::vector<bool>& form, std::vector<double>* numbers,
                            std::vector<std::string>* texts);
