#include "basic/text/print_using.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "basic/tokens/lexer.h"

namespace {

enum class FieldKind : uint8_t { None, Number, FirstCharacter, WholeString, FixedString };

struct UsingField {
  FieldKind kind = FieldKind::None;
  std::size_t end = 0;       // one past the field's last byte in the format
  std::size_t width = 0;     // a string field's width; a number's places before the point
  std::size_t digits = 0;    // a number's digit places, held to MaxUsingDigits
  std::size_t decimals = 0;  // '#' after the point
  bool plus_first = false;
  char sign_last = 0;  // '+', '-', or 0 for none
  bool asterisks = false;
  bool dollar = false;
  bool commas = false;
  bool point = false;
  std::size_t exponent_digits = 0;  // 2 or 3 in exponent form; 0 in fixed form
};

bool At(std::string_view format, std::size_t i, std::string_view what) {
  return i <= format.size() && format.substr(i, what.size()) == what;
}

// A double-byte character's lead byte takes the byte after it along.
std::size_t CharacterLength(std::string_view text, std::size_t i) {
  return IsLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size() ? 2 : 1;
}

UsingField StringFieldAt(std::string_view format, std::size_t i) {
  UsingField field;
  if (format[i] == '!' || format[i] == '&') {
    field.kind = format[i] == '!' ? FieldKind::FirstCharacter : FieldKind::WholeString;
    field.width = 1;
    field.end = i + 1;
    return field;
  }
  if (format[i] != '\\') return field;
  std::size_t j = i + 1;
  while (j < format.size() && format[j] == ' ') ++j;
  if (j == format.size() || format[j] != '\\') return field;  // a lone '\' is text
  field.kind = FieldKind::FixedString;
  field.width = j - i + 1;
  field.end = j + 1;
  return field;
}

// The prefix (+, **, $$, **$), the places before the point, the point and
// the places after it, the exponent, and a sign after it all.
UsingField NumberFieldAt(std::string_view format, std::size_t i) {
  UsingField field;
  std::size_t j = i;
  field.plus_first = At(format, j, "+");
  if (field.plus_first) ++j;
  if (At(format, j, "**$")) {
    field.asterisks = field.dollar = true;
    field.width = 3;
    field.digits = 2;
  } else if (At(format, j, "**")) {
    field.asterisks = true;
    field.width = field.digits = 2;
  } else if (At(format, j, "$$")) {
    field.dollar = true;
    field.width = 2;
    field.digits = 1;
  } else if (!At(format, j, "#") && !At(format, j, ".#")) {
    return UsingField{};
  }
  j += field.width;
  std::size_t commas = 0;
  for (; j < format.size() && (format[j] == '#' || format[j] == ','); ++j) {
    ++field.width;
    if (format[j] == '#') {
      ++field.digits;
    } else {
      ++commas;
    }
  }
  if (At(format, j, ".")) {
    field.point = true;
    for (++j; j < format.size() && format[j] == '#'; ++j) ++field.decimals;
  }
  field.digits += field.decimals;
  // A floating '$' has no exponent form: carets after it are text.
  if (!field.dollar && (At(format, j, "^^^^^") || At(format, j, "^^^^"))) {
    field.exponent_digits = At(format, j, "^^^^^") ? 3 : 2;
    j += field.exponent_digits + 2;
    field.digits += commas;  // in exponent form a comma is one more digit place
  }
  field.commas = commas > 0 && field.exponent_digits == 0;
  if (!field.plus_first && j < format.size() && (format[j] == '+' || format[j] == '-')) field.sign_last = format[j++];
  field.kind = FieldKind::Number;
  field.end = j;
  return field;
}

UsingField FieldAt(std::string_view format, std::size_t i) {
  const UsingField field = StringFieldAt(format, i);
  return field.kind != FieldKind::None ? field : NumberFieldAt(format, i);
}

// Writes the character at i as text ('_' writes the one after it) and
// gives where the text goes on.
std::size_t WriteLiteral(std::string_view format, std::size_t i, std::string* out) {
  if (format[i] == '_' && i + 1 < format.size()) ++i;
  const std::size_t length = CharacterLength(format, i);
  out->append(format.substr(i, length));
  return i + length;
}

// Writes the text from *position up to the next field and leaves *position
// at that field's start; a field of kind None at the format's end.
UsingField NextField(std::string_view format, std::size_t* position, std::string* out) {
  while (*position < format.size()) {
    const UsingField field = FieldAt(format, *position);
    if (field.kind != FieldKind::None) return field;
    *position = WriteLiteral(format, *position, out);
  }
  return UsingField{};
}

// The next field for an item, going round to the format's beginning once;
// the text before it goes to text, and *position to the field's start.
RunError FindField(std::string_view format, std::size_t* position, UsingField* field, std::string* text) {
  std::size_t at = *position;
  *field = NextField(format, &at, text);
  if (field->kind == FieldKind::None) {
    at = 0;
    *field = NextField(format, &at, text);
    if (field->kind == FieldKind::None) return RunError::IllegalFunctionCall;
  }
  *position = at;
  return RunError::None;
}

// A string cut or padded to width, never splitting a double-byte character:
// one that would not fit whole leaves a space.
void AppendCut(std::string_view text, std::size_t width, std::string* out) {
  std::size_t used = 0;
  while (used < text.size() && used + CharacterLength(text, used) <= width) used += CharacterLength(text, used);
  out->append(text.substr(0, used));
  out->append(width - used, ' ');
}

// A magnitude as decimal digits: value = 0.digits * 10^exponent, the
// digits without leading or trailing zeros, none at all for zero.
struct Decimal {
  std::string digits;
  int64_t exponent = 0;
};

// How many significant digits the exact expansion of magnitude may have, at
// most 767: it is m * 2^k with m a whole number below 2^53 (k at least
// -1074). For k < 0 that is m * 5^-k / 10^-k, whose digits number at most
// 17 + 0.7 * -k; for k >= 0 a whole number below 2^(53 + k). Asking
// to_chars for no more than that keeps the common numbers cheap.
int ExactDigits(double magnitude) {
  int e = 0;
  std::frexp(magnitude, &e);
  const int k = std::max(e - 53, -1074);
  const int digits = k < 0 ? 18 + (-k * 7 + 9) / 10 : 2 + (53 + k) * 302 / 1000;
  return std::min(digits, 767);
}

// Every digit of the double, exactly: to_chars gives them all at a
// precision its expansion does not pass.
Decimal ExactDecimal(double magnitude) {
  Decimal decimal;
  if (magnitude == 0) return decimal;
  char buffer[800];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific,
                                    ExactDigits(magnitude));
  const std::string_view text(buffer, result.ec == std::errc() ? static_cast<std::size_t>(result.ptr - buffer) : 0);
  const std::size_t e = text.find('e');
  if (e == std::string_view::npos) return decimal;
  decimal.digits = std::string(1, text[0]) + std::string(text.substr(2, e - 2));
  decimal.digits.erase(decimal.digits.find_last_not_of('0') + 1);
  const std::size_t exponent_start = e + (text[e + 1] == '+' ? 2 : 1);
  int32_t exponent = 0;
  std::from_chars(text.data() + exponent_start, text.data() + text.size(), exponent);
  decimal.exponent = exponent + 1;
  return decimal;
}

// Keeps `keep` significant digits, rounding halves away from zero; the
// digits are exact, so the first dropped digit decides.
void RoundDecimal(Decimal* decimal, int64_t keep) {
  std::string& digits = decimal->digits;
  if (keep < 0) digits.clear();
  if (digits.empty()) {
    decimal->exponent = 0;
    return;
  }
  if (keep >= static_cast<int64_t>(digits.size())) return;
  const bool up = digits[static_cast<std::size_t>(keep)] >= '5';
  digits.resize(static_cast<std::size_t>(keep));
  if (up) {
    while (!digits.empty() && digits.back() == '9') digits.pop_back();
    if (digits.empty()) {
      digits = "1";
      ++decimal->exponent;
    } else {
      ++digits.back();
    }
  }
  digits.erase(digits.find_last_not_of('0') + 1);
  if (digits.empty()) decimal->exponent = 0;
}

// The digits at places first..last (place 1 is the first significant
// digit), '0' where the number has none.
std::string Digits(const Decimal& decimal, int64_t first, int64_t last) {
  std::string text;
  for (int64_t k = first; k <= last; ++k) {
    const bool held = k >= 1 && k <= static_cast<int64_t>(decimal.digits.size());
    text += held ? decimal.digits[static_cast<std::size_t>(k - 1)] : '0';
  }
  return text;
}

std::string WithCommas(std::string_view digits) {
  std::string text;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) text += ',';
    text += digits[i];
  }
  return text;
}

// A SINGLE holds 7 significant digits and a DOUBLE 16; an integer's digits
// are all exact.
int64_t SignificantDigits(ValueKind type) {
  switch (type) {
    case ValueKind::Single: return 7;
    case ValueKind::Double: return 16;
    default: return std::numeric_limits<int32_t>::max();
  }
}

struct NumberParts {
  bool negative = false;
  std::string before;    // the digits before the point, commas in
  std::string after;     // the digits after it
  std::string exponent;  // "E+02", or empty
  bool lead_zero = false;  // a 0 before the point when no digit is there and a place is free
  bool overflow = false;   // '%' whatever the width
};

// The sign, '$' and digits in the places before the point, right-aligned
// with spaces or '*', or after a '%' when they do not fit; then the point,
// the decimals, the exponent and a sign after.
std::string Assemble(const UsingField& field, const NumberParts& parts) {
  std::string body;
  if (field.plus_first) body += parts.negative ? '-' : '+';
  if (!field.plus_first && field.sign_last == 0 && parts.negative) body += '-';
  if (field.dollar) body += '$';
  const std::size_t places = field.width + (field.plus_first ? 1 : 0);
  body += parts.before;
  if (parts.before.empty() && parts.lead_zero && (!field.point || body.size() < places)) body += '0';
  std::string text;
  if (parts.overflow || body.size() > places) {
    text += '%';
  } else {
    text.append(places - body.size(), field.asterisks ? '*' : ' ');
  }
  text += body;
  if (field.point) text += '.' + parts.after;
  text += parts.exponent;
  if (field.sign_last == '+') text += parts.negative ? '-' : '+';
  if (field.sign_last == '-') text += parts.negative ? '-' : ' ';
  return text;
}

std::string FixedText(const UsingField& field, Decimal decimal, NumberParts parts, int64_t precision) {
  const auto decimals = static_cast<int64_t>(field.decimals);
  RoundDecimal(&decimal, std::min(decimal.exponent + decimals, precision));
  parts.before = Digits(decimal, 1, decimal.exponent);
  if (field.commas) parts.before = WithCommas(parts.before);
  parts.after = Digits(decimal, decimal.exponent + 1, decimal.exponent + decimals);
  parts.lead_zero = true;
  return Assemble(field, parts);
}

// Without a sign place of its own, the first place before the point is kept
// for a space or '-', as long as a digit is left.
std::string ExponentText(const UsingField& field, Decimal decimal, NumberParts parts, int64_t precision) {
  const bool own_sign = field.plus_first || field.sign_last != 0;
  const bool reserve = !own_sign && field.width >= 1 && field.width - 1 + field.decimals >= 1;
  const auto before = static_cast<int64_t>(field.width) - (reserve ? 1 : 0);
  const int64_t count = before + static_cast<int64_t>(field.decimals);
  RoundDecimal(&decimal, std::min(count, precision));
  const int64_t shown = decimal.digits.empty() ? 0 : decimal.exponent - before;
  parts.before = Digits(decimal, 1, before);
  parts.after = Digits(decimal, before + 1, count);
  std::string number = std::to_string(shown < 0 ? -shown : shown);
  if (number.size() < field.exponent_digits) number.insert(0, field.exponent_digits - number.size(), '0');
  parts.overflow = number.size() > field.exponent_digits;
  parts.exponent = std::string("E") + (shown < 0 ? '-' : '+') + number;
  return Assemble(field, parts);
}

std::string NumberText(const UsingField& field, double value, ValueKind type) {
  if (std::isnan(value)) return "%nan";
  if (std::isinf(value)) return value < 0 ? "%-inf" : "%inf";
  NumberParts parts;
  parts.negative = value < 0;  // from the value as given: -0.001 shows as -0.00
  const Decimal decimal = ExactDecimal(std::fabs(value));
  const int64_t precision = SignificantDigits(type);
  return field.exponent_digits ? ExponentText(field, decimal, parts, precision)
                               : FixedText(field, decimal, parts, precision);
}

}  // namespace

UsingFormat::UsingFormat(std::string_view format) : format_(format) {}

RunError UsingFormat::AddNumber(double value, ValueKind type, std::string* out) {
  std::string text;
  UsingField field;
  std::size_t position = position_;
  if (const RunError error = FindField(format_, &position, &field, &text); error != RunError::None) return error;
  if (field.kind != FieldKind::Number) return RunError::TypeMismatch;
  if (field.digits > MaxUsingDigits) return RunError::IllegalFunctionCall;
  *out += text;
  *out += NumberText(field, value, type);
  position_ = field.end;
  return RunError::None;
}

RunError UsingFormat::AddString(std::string_view item, std::string* out) {
  std::string text;
  UsingField field;
  std::size_t position = position_;
  if (const RunError error = FindField(format_, &position, &field, &text); error != RunError::None) return error;
  if (field.kind == FieldKind::Number) return RunError::TypeMismatch;
  *out += text;
  if (field.kind == FieldKind::WholeString) {
    out->append(item);
  } else {
    AppendCut(item, field.width, out);
  }
  position_ = field.end;
  return RunError::None;
}

void UsingFormat::Finish(std::string* out) { NextField(format_, &position_, out); }
