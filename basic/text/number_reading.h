// Numbers read by the classic BASICs' rules: what VAL, INPUT and INPUT #
// read, and the type the text makes a number.
#pragma once

#include <cstddef>
#include <string_view>

#include "basic/code/value_kind.h"
#include "basic/executor/run_errors.h"

// The smallest magnitude a float rounds to infinity: FLT_MAX and half its
// last place, 2^128 - 2^103; and the largest double.
inline constexpr double kSingleOverflow = 0x1.ffffffp127;
inline constexpr double kLargestDouble = 0x1.fffffffffffffp1023;

// A number read by the classic rules.
struct ClassicNumber {
  double value = 0;                      // 0 when nothing was read; never -0, never infinite
  ValueKind type = ValueKind::Single;  // what the text makes it
  std::size_t used = 0;                  // bytes up to the number's last one; 0 when nothing was read
  RunError error = RunError::None;       // Overflow when the text is beyond the range
};

// VAL's reading. Blanks (space, tab, line feed) are skipped anywhere, also
// inside the number ("1 2" is 12, "- 5" is -5). Then either
//   [+|-] digits [. digits] [E|D [+|-] digits]   (letters in either case)
// which needs at least one digit; the exponent letter and its sign are the
// number's even without digits after them ("1E" is 1); or
//   &H hex-digits   &O octal-digits   & octal-digits   (no sign before)
// The number ends before the first byte that cannot continue it; nothing
// read gives 0 with used 0.
//
// The type: &-forms are INTEGER when the value fits 16 bits, read as a
// signed 16-bit number (&HFFFF is -1, &H8000 -32768), else LONG, read as a
// signed 32-bit number (&H10000 is 65536, &HFFFFFFFF -1); beyond 32 bits
// they are an Overflow (value 0). A decimal number is DOUBLE when it has a
// D exponent, more than 7 significant digits (from its first to its last
// digit other than 0: 12345678 and 1.00000001 are, 100000000 is not), or a
// value a float cannot hold (beyond 3.402823E+38, or not 0 but below the
// smallest float); otherwise SINGLE. The value is the double nearest to the
// decimal (denormals included, below them 0). Beyond the double range it is
// an Overflow, with the value the largest double of the number's sign;
// except that a decimal not above 1.797693134862316D+308, how the largest
// double prints, reads as the largest double without error.
ClassicNumber ReadClassicNumber(std::string_view text);

// INPUT's and INPUT #'s numeric field: blanks at either end are dropped and
// what remains must be one whole number as ReadClassicNumber reads it
// ("1e3", "&HFF", "-.5", "1D2", "1 000"); empty is 0 (SINGLE). False for
// anything else, the caller's "Redo from start". A number beyond the double
// range is an Overflow: true with *error set when error is given (the value
// is then the largest double of its sign), false when it is not. "inf" and
// "nan" are not numbers.
bool ReadInputNumber(std::string_view field, double* value, ValueKind* type = nullptr,
                     RunError* error = nullptr);
