#include "basic/text/number_text.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

std::string FormatNumber(double x) {
  char buffer[64];
  const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, x);
  std::string text(buffer, error == std::errc() ? end : buffer);
  for (char& c : text) {
    if (c == 'e') c = 'E';
  }
  return text;
}

std::string FormatStrNumber(double x) {
  const std::string text = FormatNumber(x);
  return text[0] == '-' ? text : " " + text;
}

std::string FormatPrintedNumber(double x) { return FormatStrNumber(x) + " "; }

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
