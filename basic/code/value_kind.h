// The kinds of values a program computes with: the classic number types,
// held as doubles while a program runs but kept to their type's range and
// precision wherever a value is stored, printed or converted; and strings.
//
//   INTEGER  %  16-bit whole numbers, -32768 to 32767
//   LONG     &  32-bit whole numbers
//   SINGLE   !  IEEE 4-byte floats: a name's type unless DEFtype says
//                otherwise; printed with at most 7 digits
//   DOUBLE   #  IEEE 8-byte floats, printed with at most 16 digits
//   STRING   $
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>

// The numeric kinds in order of width: an operation on two numbers gives
// the wider of their kinds.
enum class ValueKind : uint8_t { Integer, Long, Single, Double, String };

inline bool IsNumeric(ValueKind kind) { return kind != ValueKind::String; }
inline bool IsWhole(ValueKind kind) { return kind == ValueKind::Integer || kind == ValueKind::Long; }
// The kind of an operation on numbers of kinds a and b.
inline ValueKind Wider(ValueKind a, ValueKind b) { return std::max(a, b); }
// The kind of a division, a power or a function of floats: at least SINGLE.
inline ValueKind FloatOf(ValueKind kind) { return kind == ValueKind::Double ? ValueKind::Double : ValueKind::Single; }

// A value as a variable of its kind keeps it: rounded to a whole number
// (ties to even) for INTEGER and LONG, to the nearest float for SINGLE; false
// when it is out of the kind's range (Overflow), NaN included.
inline bool KeepInteger(double x, double* kept) {
  const double rounded = std::nearbyint(x);
  if (!(rounded >= -32768.0 && rounded <= 32767.0)) return false;
  *kept = rounded + 0.0;  // -0.4 rounds to -0, which a whole number has not
  return true;
}
inline bool KeepLong(double x, double* kept) {
  const double rounded = std::nearbyint(x);
  if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0)) return false;
  *kept = rounded + 0.0;
  return true;
}
// Doubles from 0x1.ffffffp+127 up round to infinity as floats.
inline bool KeepSingle(double x, double* kept) {
  if (!(std::fabs(x) < 0x1.ffffffp+127)) return false;
  *kept = static_cast<float>(x);
  return true;
}
inline bool KeepDouble(double x, double* kept) {
  if (!std::isfinite(x)) return false;
  *kept = x;
  return true;
}
// The same by kind (String keeps nothing).
inline bool KeepNumber(ValueKind kind, double x, double* kept) {
  switch (kind) {
    case ValueKind::Integer: return KeepInteger(x, kept);
    case ValueKind::Long: return KeepLong(x, kept);
    case ValueKind::Single: return KeepSingle(x, kept);
    case ValueKind::Double: return KeepDouble(x, kept);
    case ValueKind::String: break;
  }
  return false;
}

// The kind's keyword, as AS and the listing write it.
inline const char* KindKeyword(ValueKind kind) {
  switch (kind) {
    case ValueKind::Integer: return "INTEGER";
    case ValueKind::Long: return "LONG";
    case ValueKind::Single: return "SINGLE";
    case ValueKind::Double: return "DOUBLE";
    case ValueKind::String: break;
  }
  return "STRING";
}
