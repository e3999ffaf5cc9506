// Numbers as text: the shortest decimal that reads back as the same double,
// and reading with the standard library's rules.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The shortest text that reads back as x: "3", "-0.5", "1E+20", "inf",
// "nan". The exponent letter is written in upper case.
std::string FormatNumber(double x);

// PRINT's form: a leading space unless x is negative, and one space after.
std::string FormatPrintedNumber(double x);

// STR$'s form: PRINT's without the trailing space.
std::string FormatStrNumber(double x);

struct NumberPrefix {
  double value = 0;
  std::size_t used = 0;  // bytes taken, leading spaces included; 0 when nothing parsed
};
// Reads the longest number at the start of text after leading spaces and
// an optional '+': decimal digits, a point, an exponent, "inf" and "nan"
// as std::from_chars takes them. Values too large become +-inf, too small
// +-0, as the nearest double.
NumberPrefix ReadNumberPrefix(std::string_view text);
