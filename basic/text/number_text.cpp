#include "basic/text/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>

std::string FormatNumber(double x) {
  char buffer[64];
  const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, x);
  std::string text(buffer, error == std::errc() ? end : buffer);
  for (char& c : text) {
    if (c == 'e') c = 'E';
  }
  return text;
}

// from_chars leaves the value alone when it is out of range; strtod on the
// same bytes gives the nearest double (inf, or zero and subnormals), and
// only the bytes from_chars took are handed to it.
static double OutOfRangeValue(const char* first, std::size_t length) {
  const std::string copy(first, length);
  return std::strtod(copy.c_str(), nullptr);
}

NumberPrefix ReadNumberPrefix(std::string_view text) {
  std::size_t start = 0;
  while (start < text.size() && text[start] == ' ') ++start;
  if (start < text.size() && text[start] == '+') {
    ++start;
    if (start < text.size() && text[start] == '-') return NumberPrefix{};
  }
  const char* first = text.data() + start;
  const char* last = text.data() + text.size();
  NumberPrefix result;
  const auto [end, error] = std::from_chars(first, last, result.value);
  if (end == first) return NumberPrefix{};
  if (error == std::errc::result_out_of_range) {
    result.value = OutOfRangeValue(first, static_cast<std::size_t>(end - first));
  }
  result.used = static_cast<std::size_t>(end - text.data());
  return result;
}

// ---------------------------------------------------------------------------
// The classic forms.
//
// Method: the digits come from std::to_chars with a precision, which rounds
// correctly but ties to even; an exact tie (the value lies exactly halfway
// between two numbers of 7 or 16 digits) is found from the value's binary
// form and rounded away from zero instead, as the classic output routines
// did. Reading collects the significant digits and the decimal exponent by
// hand, with blanks skipped, and hands std::from_chars one normalised
// decimal ("d.ddde+X"), so the double is the one nearest to the text.

namespace {

// Ties to even, for magnitudes below 2^53 (larger doubles are whole).
double RoundHalfEven(double value) {
  double whole = std::floor(value);
  const double fraction = value - whole;  // exact
  if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0)) whole += 1;
  return whole + 0.0;  // -0 becomes 0
}

// Whether magnitude * 10^shift is exactly a whole number and a half.
// magnitude = m * 2^q with m odd: for shift >= 0 the product is
// m * 5^shift * 2^(q + shift), a half exactly when q + shift = -1; for
// shift = -t < 0 it is m * 2^(q - t) / 5^t, a half exactly when 5^t
// divides m and q - t = -1.
bool IsHalfway(double magnitude, int shift) {
  uint64_t bits;
  std::memcpy(&bits, &magnitude, sizeof bits);
  const int biased = static_cast<int>(bits >> 52 & 0x7ff);
  uint64_t m = bits & ((uint64_t{1} << 52) - 1);
  int q = -1074;
  if (biased != 0) {
    m |= uint64_t{1} << 52;
    q = biased - 1075;
  }
  if (m == 0) return false;
  while ((m & 1) == 0) {
    m >>= 1;
    ++q;
  }
  if (shift >= 0) return q + shift == -1;
  const int t = -shift;
  if (t > 22) return false;  // 5^23 > 2^53 > m
  uint64_t power = 1;
  for (int i = 0; i < t; ++i) power *= 5;
  return q - t == -1 && m % power == 0;
}

struct DecimalDigits {
  char digits[24] = {};  // significant digits, without trailing zeros
  int count = 0;
  int exponent = 0;  // the power of ten of the first digit
};

// The digits and exponent of to_chars' scientific form.
DecimalDigits ParseScientific(const char* first, const char* last) {
  DecimalDigits d;
  const char* p = first;
  for (; p < last && *p != 'e'; ++p) {
    if (*p != '.') d.digits[d.count++] = *p;
  }
  int exponent = 0;
  const bool negative = p + 1 < last && p[1] == '-';
  for (p += 2; p < last; ++p) exponent = exponent * 10 + (*p - '0');
  d.exponent = negative ? -exponent : exponent;
  return d;
}

// magnitude (finite, above 0) to `places` significant digits, halves away
// from zero, trailing zeros dropped.
DecimalDigits RoundToDigits(double magnitude, int places) {
  char buffer[64];
  auto written = std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific, places - 1);
  DecimalDigits d = ParseScientific(buffer, written.ptr);
  if (IsHalfway(magnitude, places - 1 - d.exponent)) {
    // places + 1 digits hold the value exactly, the last one a 5.
    written = std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific, places);
    d = ParseScientific(buffer, written.ptr);
    d.count = places;
    int i = places - 1;
    while (i >= 0 && d.digits[i] == '9') d.digits[i--] = '0';
    if (i >= 0) {
      ++d.digits[i];
    } else {
      d.digits[0] = '1';
      ++d.exponent;
    }
  }
  while (d.count > 1 && d.digits[d.count - 1] == '0') --d.count;
  return d;
}

// The fewest digits that read back as the same float (single) or double,
// when they are at most `places`: 1D-20 is written so, where rounding its
// double (9.99999999999999945...D-21) to 16 digits would not. Not for
// denormals, whose few bits a short text names too loosely: the smallest
// float is 1.401298E-45, not 1E-45.
bool ShortestDigits(double magnitude, bool single, int places, DecimalDigits* d) {
  if (magnitude < (single ? 0x1p-126 : 0x1p-1022)) return false;
  char buffer[64];
  const auto written = single ? std::to_chars(buffer, buffer + sizeof buffer, static_cast<float>(magnitude),
                                              std::chars_format::scientific)
                              : std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific);
  *d = ParseScientific(buffer, written.ptr);
  return d->count <= places;
}

// The number the digits write, read back as the type reads it.
double ValueOf(const DecimalDigits& d, bool single) {
  std::string text(d.digits, static_cast<std::size_t>(d.count));
  text += 'e' + std::to_string(d.exponent - d.count + 1);
  double value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return single ? static_cast<double>(static_cast<float>(value)) : value;
}

// The digits a number is written with: its shortest form where that fits
// the type's places, else the value rounded to them. Rounded digits read
// back as a number whose own shortest form may be shorter still (a DOUBLE
// that needs 17 digits, rounded to 16, can land on one that 15 write):
// that form is written, so that what is printed and read back prints the
// same again.
DecimalDigits ClassicDigits(double magnitude, bool single, int places) {
  DecimalDigits d;
  if (ShortestDigits(magnitude, single, places, &d)) return d;
  const DecimalDigits rounded = RoundToDigits(magnitude, places);
  const double back = ValueOf(rounded, single);
  if (std::isfinite(back) && ShortestDigits(back, single, places, &d)) return d;
  return rounded;
}

// Fixed point when at most `places` digits stand before the point and at
// most `places` after it; floating point otherwise.
std::string Layout(const DecimalDigits& d, int places, char letter, bool negative) {
  std::string text = negative ? "-" : "";
  const int x = d.exponent;
  const int count = d.count;
  if (x <= places - 1 && (x >= 0 || count - x - 1 <= places)) {
    if (x < 0) {
      text += '.';
      text.append(static_cast<std::size_t>(-x - 1), '0');
      text.append(d.digits, static_cast<std::size_t>(count));
    } else if (count <= x + 1) {
      text.append(d.digits, static_cast<std::size_t>(count));
      text.append(static_cast<std::size_t>(x + 1 - count), '0');
    } else {
      text.append(d.digits, static_cast<std::size_t>(x + 1));
      text += '.';
      text.append(d.digits + x + 1, static_cast<std::size_t>(count - x - 1));
    }
    return text;
  }
  text += d.digits[0];
  if (count > 1) {
    text += '.';
    text.append(d.digits + 1, static_cast<std::size_t>(count - 1));
  }
  text += letter;
  text += x < 0 ? '-' : '+';
  const int magnitude = x < 0 ? -x : x;
  if (magnitude < 10) text += '0';
  text += std::to_string(magnitude);
  return text;
}

}  // namespace

std::string FormatClassic(double value, ValueKind type) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
  int places = 16;
  char letter = 'D';
  switch (type) {
    case ValueKind::Integer:
    case ValueKind::Long:
      if (std::fabs(value) < 0x1p53) {
        char buffer[32];
        const auto written = std::to_chars(buffer, buffer + sizeof buffer, static_cast<int64_t>(RoundHalfEven(value)));
        return std::string(buffer, written.ptr);
      }
      break;
    case ValueKind::Single:
      if (std::fabs(value) >= kSingleOverflow) return value < 0 ? "-INF" : "INF";
      value = static_cast<float>(value);
      places = 7;
      letter = 'E';
      break;
    case ValueKind::Double:
      break;
  }
  if (value == 0) return "0";
  return Layout(ClassicDigits(std::fabs(value), places == 7, places), places, letter, value < 0);
}

std::string FormatStrClassic(double value, ValueKind type) {
  const std::string text = FormatClassic(value, type);
  return text[0] == '-' ? text : " " + text;
}

std::string FormatPrintedClassic(double value, ValueKind type) { return FormatStrClassic(value, type) + " "; }
