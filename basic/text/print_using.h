// PRINT USING's format string: a small language of fields that the items of
// one statement fill in turn, the way the classic BASICs read it.
//
//   #            a digit place            .     the point
//   ,            before the point: a comma between every three digits (a place)
//   + first      the sign, + or -, in a place of its own before the number
//   + or - last  the sign after the number; '-' leaves a space when positive
//   **  $$  **$  leading places filled with '*' / a '$' just before the digits
//                (each adds two places, **$ three; the '$' takes one)
//   ^^^^ ^^^^^   after the digits: exponent form, E+nn / E+nnn (not after a '$')
//   !  &  \  \   a string's first character / all of it / 2 + spaces characters
//   _x           x written as it is;  anything else is written as it is
//
// Without a sign place a minus takes a digit place (in exponent form the
// first place is kept for it). A number that does not fit its field, also
// after rounding, is written whole after a '%'. Rounding is to nearest,
// halves away from zero, on the exact binary value; a SINGLE shows 7
// significant digits and a DOUBLE 16, zeros after them. The format starts
// again from its beginning when the items outrun its fields; the literal
// text before a field is written with the field's item, and Finish writes
// the text up to the next field.
//
// Bytes in, bytes out: a double-byte Shift-JIS character is never split,
// neither in the format nor when a string field cuts an item. What one call
// writes is bounded by the format's length, the item's own length and a
// few hundred bytes for a number's digits.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "basic/code/value_kind.h"
#include "basic/executor/run_errors.h"


// A number field may have at most this many digit places.
inline constexpr std::size_t MaxUsingDigits = 24;

class UsingFormat {
 public:
  explicit UsingFormat(std::string_view format);

  // Appends the literal text up to the next field and the item in it. On an
  // error nothing is appended: Illegal function call when the format has no
  // field at all or the field has too many digits, Type mismatch when the
  // field is of the other kind.
  RunError AddNumber(double value, ValueKind type, std::string* out);
  RunError AddString(std::string_view text, std::string* out);

  // At the statement's end: the literal text from where the format stands
  // up to its next field or its end.
  void Finish(std::string* out);

 private:
  std::string format_;
  std::size_t position_ = 0;
};
