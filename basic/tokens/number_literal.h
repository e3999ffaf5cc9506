// Number literals: the decimal forms with their type suffixes, and the
// hexadecimal and octal forms.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

struct ScannedNumber {
  std::size_t length = 0;    // bytes of the literal, suffix included
  double value = 0;
  bool digits_only = false;  // plain digits, no suffix: may be a line number
  std::string error;         // not empty when the literal is wrong
};

// Whether text starts with a number literal: a digit, a point and a digit,
// or & followed by H, O or an octal digit.
bool StartsNumber(std::string_view text);

// Reads the number literal at the start of text (StartsNumber holds):
//   12  1.5  .2  1E-3  1D3   decimal, D is E (a double's exponent)
//   2#  1.5!  7%  70000&     a type suffix; % and & round to a whole number
//   &HFF  &O17  &17          unsigned 32-bit, with an optional & after
// A literal never carries a sign: -32768% is a minus and 32768%, so the
// magnitude of % may reach 32768 and that of & 2147483648.
ScannedNumber ScanNumber(std::string_view text);
