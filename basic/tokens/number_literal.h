// Number literals: the decimal forms with their type suffixes, and the
// hexadecimal and octal forms.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "basic/code/value_kind.h"

struct ScannedNumber {
  std::size_t length = 0;    // bytes of the literal, suffix included
  double value = 0;          // a SINGLE's already rounded to the nearest float
  ValueKind kind = ValueKind::Integer;
  bool digits_only = false;  // plain digits, no suffix: may be a line number
  std::string error;         // not empty when the literal is wrong
};

// Whether text starts with a number literal: a digit, a point and a digit,
// or & followed by H, O or an octal digit.
bool StartsNumber(std::string_view text);

// Reads the number literal at the start of text (StartsNumber holds):
//   12  1.5  .2  1E-3  1D3   decimal, D is E (a double's exponent)
//   2#  1.5!  7%  70000&     a type suffix; % and & round to a whole number
//   &HFF  &O17  &17          hexadecimal and octal, 16 or 32 bits
// Its kind, as the classic BASICs typed literals: a suffix says it; else a
// whole number is an INTEGER when it fits 16 bits and a LONG when it fits
// 32; a D exponent, or more than 7 digits, makes a DOUBLE, and the rest are
// SINGLE. &H and &O literals are INTEGER up to 4 digits' worth (&HFFFF is
// -1) and LONG beyond (&HFFFFFFFF is -1; &HFFFF& is 65535).
// A literal never carries a sign: -32768% is a minus and 32768%, so the
// magnitude of % may reach 32768 and that of & 2147483648.
ScannedNumber ScanNumber(std::string_view text);
