// Method: the decimal form is cut out by hand and read by ReadNumberPrefix
// (with D written as E); the hexadecimal and octal forms are summed digit
// by digit in 64 bits, so that passing 32 bits is seen before it wraps.
#include "basic/tokens/number_literal.h"

#include <cmath>
#include <cstdint>
#include <string>

#include "basic/text/number_text.h"
#include "basic/variables/variables.h"
#include "runtime/numeric/numeric.h"

namespace {

bool IsDigit(unsigned char c) { return c >= '0' && c <= '9'; }

int DigitValue(unsigned char c, int base) {
  int value = -1;
  if (IsDigit(c)) value = c - '0';
  if (c >= 'A' && c <= 'F') value = c - 'A' + 10;
  if (c >= 'a' && c <= 'f') value = c - 'a' + 10;
  return value < base ? value : -1;
}

unsigned char At(std::string_view text, std::size_t i) {
  return i < text.size() ? static_cast<unsigned char>(text[i]) : 0;
}

std::size_t SkipDigits(std::string_view text, std::size_t i) {
  while (IsDigit(At(text, i))) ++i;
  return i;
}

// % and & round to a whole number of their range; the literal has no sign,
// so the magnitude may reach the range's negative end.
void ApplyIntegerSuffix(char suffix, ScannedNumber* number) {
  const double largest = suffix == '%' ? 32768.0 : 2147483648.0;
  // largest is even, so a tie just above it rounds down to it.
  if (number->value > largest + 0.5) {
    number->error = suffix == '%' ? "number too large for % (-32768 to 32767)"
                                  : "number too large for & (-2147483648 to 2147483647)";
    return;
  }
  number->value = number->value < 2147483647.5 ? NumToInt32(number->value) : 2147483648.0;
}

// How many significant digits the mantissa has: from its first nonzero
// digit to its last, the point left out. 98765400000 and 1.50000000 need
// no more digits than a SINGLE holds.
int SignificantDigits(std::string_view mantissa) {
  std::string digits;
  for (const char c : mantissa) {
    if (c != '.') digits += c;
  }
  const std::size_t first = digits.find_first_not_of('0');
  if (first == std::string::npos) return 0;
  return static_cast<int>(digits.find_last_not_of('0') - first + 1);
}

// The kind of a literal with no suffix.
ValueKind KindOfDecimal(const ScannedNumber& number, std::string_view mantissa, bool double_exponent) {
  if (number.digits_only) {
    if (number.value <= 32767) return ValueKind::Integer;
    if (number.value <= 2147483647) return ValueKind::Long;
  }
  if (double_exponent || SignificantDigits(mantissa) > 7) return ValueKind::Double;
  // A SINGLE literal past a float's range is written as a DOUBLE.
  return std::fabs(number.value) < 0x1.ffffffp+127 ? ValueKind::Single : ValueKind::Double;
}

ScannedNumber Decimal(std::string_view text) {
  ScannedNumber number;
  std::size_t end = SkipDigits(text, 0);
  number.digits_only = At(text, end) != '.';
  if (At(text, end) == '.') end = SkipDigits(text, end + 1);
  const std::string_view mantissa = text.substr(0, end);
  std::string digits(mantissa);
  const unsigned char letter = At(text, end);
  const bool sign = At(text, end + 1) == '+' || At(text, end + 1) == '-';
  const bool exponent = letter == 'E' || letter == 'e' || letter == 'D' || letter == 'd';
  bool double_exponent = false;
  if (exponent && IsDigit(At(text, end + (sign ? 2 : 1)))) {
    number.digits_only = false;
    double_exponent = letter == 'D' || letter == 'd';
    const std::size_t exponent_end = SkipDigits(text, end + (sign ? 2 : 1));
    digits += 'E';
    digits += text.substr(end + 1, exponent_end - end - 1);
    end = exponent_end;
  }
  number.value = ReadNumberPrefix(digits).value;
  if (!std::isfinite(number.value)) {
    number.error = "number too large";
    return number;
  }
  const char suffix = static_cast<char>(At(text, end));
  number.kind = suffix == '%' ? ValueKind::Integer
                : suffix == '&' ? ValueKind::Long
                : suffix == '!' ? ValueKind::Single
                : suffix == '#' ? ValueKind::Double
                                : KindOfDecimal(number, mantissa, double_exponent);
  if (suffix == '!' || suffix == '#' || suffix == '%' || suffix == '&') {
    ++end;
    number.digits_only = false;
    if (suffix == '%' || suffix == '&') ApplyIntegerSuffix(suffix, &number);
  }
  if (number.kind == ValueKind::Single && !KeepSingle(number.value, &number.value)) {
    number.error = "number too large for a SINGLE";
  }
  number.length = end;
  return number;
}

// &H with 1 to 8 hexadecimal digits; &O or & with octal digits up to
// &O37777777777. Either may end in & (a long integer's suffix), which
// changes nothing: the value is unsigned already.
ScannedNumber Based(std::string_view text) {
  ScannedNumber number;
  const unsigned char letter = At(text, 1);
  const bool hex = letter == 'H' || letter == 'h';
  const bool named = hex || letter == 'O' || letter == 'o';
  const int base = hex ? 16 : 8;
  std::size_t at = named ? 2 : 1;
  uint64_t value = 0;
  int digits = 0;
  for (; DigitValue(At(text, at), base) >= 0; ++at, ++digits) {
    value = value * static_cast<uint64_t>(base) + static_cast<uint64_t>(DigitValue(At(text, at), base));
    if (hex && digits == 8) {
      number.error = "hexadecimal number longer than 8 digits";
      return number;
    }
    if (value > 0xFFFFFFFFu) {
      number.error = "octal number larger than &O37777777777";
      return number;
    }
  }
  if (digits == 0) {
    number.error = hex ? "&H without hexadecimal digits" : "&O without octal digits";
    return number;
  }
  // Bits beyond the kind's width have no place to go: &H10000 is LONG.
  const bool long_suffix = At(text, at) == '&';
  if (long_suffix) ++at;
  number.length = at;
  if (!long_suffix && value <= 0xFFFF) {
    number.kind = ValueKind::Integer;
    number.value = value >= 0x8000 ? static_cast<double>(value) - 65536.0 : static_cast<double>(value);
  } else {
    number.kind = ValueKind::Long;
    number.value = value >= 0x80000000u ? static_cast<double>(value) - 4294967296.0 : static_cast<double>(value);
  }
  return number;
}

}  // namespace

bool StartsNumber(std::string_view text) {
  const unsigned char c = At(text, 0);
  const unsigned char next = At(text, 1);
  if (IsDigit(c) || (c == '.' && IsDigit(next))) return true;
  return c == '&' && (next == 'H' || next == 'h' || next == 'O' || next == 'o' || (next >= '0' && next <= '7'));
}

ScannedNumber ScanNumber(std::string_view text) { return text[0] == '&' ? Based(text) : Decimal(text); }
