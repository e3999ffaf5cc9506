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

// The smallest magnitude a float rounds to infinity: FLT_MAX and half its
// last place, 2^128 - 2^103.
constexpr double kSingleOverflow = 0x1.ffffffp127;

constexpr double kLargestDouble = 0x1.fffffffffffffp1023;

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

namespace {

bool IsBlank(int c) { return c == ' ' || c == '\t' || c == '\n'; }

int DigitIn(int c, int base) {
  int digit = 99;
  if (c >= '0' && c <= '9') digit = c - '0';
  if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
  if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
  return digit < base ? digit : -1;
}

// The bytes of a number with the blanks between them skipped: Peek shows
// the next byte that is not a blank (-1 at the end), Take makes it the
// number's last.
class Cursor {
 public:
  explicit Cursor(std::string_view text) : text_(text) {}
  int Peek() {
    while (at_ < text_.size() && IsBlank(static_cast<unsigned char>(text_[at_]))) ++at_;
    return at_ < text_.size() ? static_cast<unsigned char>(text_[at_]) : -1;
  }
  void Take() { end_ = ++at_; }
  std::size_t end() const { return end_; }

 private:
  std::string_view text_;
  std::size_t at_ = 0;
  std::size_t end_ = 0;
};

// &H, &O and & forms; the cursor is at the '&'.
ClassicNumber ReadBased(Cursor& cursor) {
  cursor.Take();
  int base = 8;
  int c = cursor.Peek();
  if (c == 'H' || c == 'h') {
    base = 16;
    cursor.Take();
  } else if (c == 'O' || c == 'o') {
    cursor.Take();
  }
  uint64_t value = 0;
  bool any = false;
  bool overflow = false;
  for (int digit; (digit = DigitIn(cursor.Peek(), base)) >= 0;) {
    cursor.Take();
    any = true;
    value = value * static_cast<uint64_t>(base) + static_cast<uint64_t>(digit);
    if (value > 0xFFFFFFFFu) {
      overflow = true;
      value = 0;
    }
  }
  ClassicNumber number;
  if (!any) return number;
  number.used = cursor.end();
  if (overflow) {
    number.type = ValueKind::Long;
    number.error = RunError::Overflow;
  } else if (value <= 0xFFFF) {
    number.type = ValueKind::Integer;
    number.value = value >= 0x8000 ? static_cast<double>(value) - 65536.0 : static_cast<double>(value);
  } else {
    number.type = ValueKind::Long;
    number.value = value >= 0x80000000u ? static_cast<double>(value) - 4294967296.0 : static_cast<double>(value);
  }
  return number;
}

// Enough significant digits to round every double correctly: its exact
// decimal has at most 767; past the limit a nonzero digit only breaks
// ties, which one 1 at the end does as well.
constexpr std::size_t kKeptDigits = 800;

// Whether the decimal 0.digits (more nonzero digits following when sticky)
// is at most 0.1797693134862316, the digits of the largest double as
// printed.
bool NotAboveLargestPrinted(const std::string& digits, bool sticky) {
  const std::string_view largest = "1797693134862316";
  for (std::size_t i = 0; i < std::max(digits.size(), largest.size()); ++i) {
    const char a = i < digits.size() ? digits[i] : '0';
    const char b = i < largest.size() ? largest[i] : '0';
    if (a != b) return a < b;
  }
  return !sticky;
}

}  // namespace

ClassicNumber ReadClassicNumber(std::string_view text) {
  Cursor cursor(text);
  int c = cursor.Peek();
  if (c == '&') return ReadBased(cursor);
  bool negative = false;
  if (c == '+' || c == '-') {
    negative = c == '-';
    cursor.Take();
    c = cursor.Peek();
  }
  // The significant digits, from the first that is not 0; the power of ten
  // of the first; how many there are up to the last that is not 0.
  std::string digits;
  bool sticky = false;
  bool any_digit = false;
  int64_t first_exponent = 0;
  int64_t significant = 0;
  int64_t up_to_last_nonzero = 0;
  int64_t integer_digits = 0;  // significant digits before the point
  int64_t leading_zeros = 0;   // zeros after the point before the first significant digit
  bool point = false;
  for (;; c = cursor.Peek()) {
    if (c == '.' && !point) {
      point = true;
      cursor.Take();
      continue;
    }
    if (c < '0' || c > '9') break;
    cursor.Take();
    any_digit = true;
    if (significant == 0 && c == '0') {
      if (point) ++leading_zeros;
      continue;
    }
    if (!point) ++integer_digits;
    if (significant == 0) first_exponent = point ? -(leading_zeros + 1) : 0;
    ++significant;
    if (c != '0') up_to_last_nonzero = significant;
    if (digits.size() < kKeptDigits) {
      digits += static_cast<char>(c);
    } else if (c != '0') {
      sticky = true;
    }
  }
  if (!any_digit) return ClassicNumber{};
  if (significant > 0 && integer_digits > 0) first_exponent = integer_digits - 1;

  ClassicNumber number;
  bool double_letter = false;
  int64_t exponent = 0;
  if (c == 'E' || c == 'e' || c == 'D' || c == 'd') {
    double_letter = c == 'D' || c == 'd';
    cursor.Take();
    c = cursor.Peek();
    bool exponent_negative = false;
    if (c == '+' || c == '-') {
      exponent_negative = c == '-';
      cursor.Take();
      c = cursor.Peek();
    }
    for (; c >= '0' && c <= '9'; c = cursor.Peek()) {
      cursor.Take();
      exponent = std::min<int64_t>(exponent * 10 + (c - '0'), 1000000000);
    }
    if (exponent_negative) exponent = -exponent;
  }
  number.used = cursor.end();
  number.type = double_letter || up_to_last_nonzero > 7 ? ValueKind::Double : ValueKind::Single;
  if (significant == 0) return number;  // zero, of whatever sign and exponent

  // Trailing zeros go, unless digits follow past the kept ones: the 1 that
  // stands for those must come after every digit a rounding boundary has.
  if (!sticky) {
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
  }
  const int64_t decimal_exponent = first_exponent + exponent;
  double magnitude = 0;
  bool overflow = decimal_exponent > 308;
  if (!overflow && decimal_exponent >= -400) {
    std::string normal(1, digits[0]);
    normal += '.';
    normal.append(digits, 1, std::string::npos);
    if (sticky) normal += '1';
    normal += 'e';
    normal += std::to_string(decimal_exponent);
    const auto [end, error] = std::from_chars(normal.data(), normal.data() + normal.size(), magnitude);
    if (error == std::errc::result_out_of_range) {
      if (decimal_exponent > 0) {
        overflow = true;
      } else {
        magnitude = std::strtod(normal.c_str(), nullptr);  // a denormal, or 0
      }
    }
    overflow = overflow || std::isinf(magnitude);
  }
  if (overflow) {
    magnitude = kLargestDouble;
    if (decimal_exponent != 308 || !NotAboveLargestPrinted(digits, sticky)) number.error = RunError::Overflow;
  }
  if (magnitude >= kSingleOverflow || static_cast<float>(magnitude) == 0) {  // 0 here is an underflow
    number.type = ValueKind::Double;
  }
  number.value = magnitude == 0 ? 0.0 : negative ? -magnitude : magnitude;
  return number;
}

bool ReadInputNumber(std::string_view field, double* value, ValueKind* type, RunError* error) {
  while (!field.empty() && IsBlank(static_cast<unsigned char>(field.front()))) field.remove_prefix(1);
  while (!field.empty() && IsBlank(static_cast<unsigned char>(field.back()))) field.remove_suffix(1);
  ClassicNumber number;
  if (!field.empty()) {
    number = ReadClassicNumber(field);
    if (number.used != field.size()) return false;
    if (number.error != RunError::None && error == nullptr) return false;
  }
  *value = number.value;
  if (type != nullptr) *type = number.type;
  if (error != nullptr) *error = number.error;
  return true;
}
