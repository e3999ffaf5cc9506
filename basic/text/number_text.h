// Numbers as text: the shortest decimal that reads back as the same double,
// and reading with the standard library's rules; and the classic BASICs'
// own forms, by the type of the number: what PRINT, STR$ and WRITE show,
// what VAL and INPUT read.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "basic/code/value_kind.h"
#include "basic/executor/run_errors.h"
#include "basic/text/number_reading.h"  // the reading half of numbers as text

// The shortest text that reads back as x: "3", "-0.5", "1E+20", "inf",
// "nan". The exponent letter is written in upper case.
std::string FormatNumber(double x);

struct NumberPrefix {
  double value = 0;
  std::size_t used = 0;  // bytes taken, leading spaces included; 0 when nothing parsed
};
// Reads the longest number at the start of text after leading spaces and
// an optional '+': decimal digits, a point, an exponent, "inf" and "nan"
// as std::from_chars takes them. Values too large become +-inf, too small
// +-0, as the nearest double.
NumberPrefix ReadNumberPrefix(std::string_view text);

// ---------------------------------------------------------------------------
// The classic types: INTEGER (16-bit), LONG (32-bit), SINGLE (IEEE 4-byte
// float, the type of a name without suffix) and DOUBLE (IEEE 8-byte).

// The digits PRINT, STR$ and WRITE show, without PRINT's spaces:
//   INTEGER, LONG  the whole number (a value with a fraction is first
//                  rounded as a store would; one beyond 2^53 is shown as a
//                  DOUBLE)
//   SINGLE         the value rounded to the nearest float, then written
//                  with the fewest digits that read back as that float
//                  when they are at most 7, else rounded to 7 significant
//                  digits, half away from zero (a value beyond the float
//                  range is shown as an infinity)
//   DOUBLE         the same with 16 digits: 1D-20, not the
//                  9.999999999999999D-21 its double rounds to
// Trailing zeros are dropped. The number is written in fixed point when
// that needs at most 7 (16) digits before the point and at most 7 (16)
// after it, leading zeros after the point included; otherwise in floating
// point with E (D) and an exponent of a sign and at least two digits:
//   SINGLE  .5  -.25  1000000  1E+07  123456.7  1234568  .0000011
//           1.1E-07  .0000001  1.234567E-02  3.402823E+38  1.401298E-45
//   DOUBLE  .3333333333333333  .0000000000000011  1.1D-16  1D+16
// Zero, negative zero included, is "0". Infinities and NaN, which no
// classic BASIC shows, are "INF", "-INF" and "NAN" (VAL reads them as 0).
std::string FormatClassic(double value, ValueKind type);

// PRINT's form: a space before a number that is not negative (the minus
// stands there otherwise), and one space after.
std::string FormatPrintedClassic(double value, ValueKind type);

// STR$'s form: PRINT's without the space after.
std::string FormatStrClassic(double value, ValueKind type);
