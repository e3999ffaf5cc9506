// Reading collects the significant digits and the decimal exponent by hand,
// with blanks skipped, and hands std::from_chars one normalised decimal
// ("d.ddde+X"), so the double is the one nearest to the text.
#include "basic/text/number_reading.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>

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
