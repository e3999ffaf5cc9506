// The built-ins that rewrite text: HEX$ and OCT$ write a number's bits,
// UCASE$ and LCASE$ fold ASCII letters, LTRIM$ and RTRIM$ drop spaces.
#include <cmath>
#include <string>

#include "basic/builtins/builtins.h"
#include "basic/executor/executor.h"
#include "basic/tokens/lexer.h"

namespace {

// The 32 bits HEX$ and OCT$ write: x rounded to nearest (ties to even),
// negatives as two's complement, so that both -1 and &HFFFFFFFF give
// FFFFFFFF. False when x is outside -2^31 .. 2^32 - 1 or NaN.
bool Bits32(double x, uint32_t* bits) {
  const double rounded = std::nearbyint(x);
  if (!(rounded >= -2147483648.0 && rounded <= 4294967295.0)) return false;
  *bits = rounded < 0 ? static_cast<uint32_t>(static_cast<int64_t>(rounded))
                      : static_cast<uint32_t>(rounded);
  return true;
}

// The digits of bits in base 2^shift, most significant first, no leading zeros.
std::string Digits(uint32_t bits, int shift) {
  static const char digits[] = "0123456789ABCDEF";
  std::string text;
  do {
    text.insert(text.begin(), digits[bits & ((1u << shift) - 1)]);
    bits >>= shift;
  } while (bits != 0);
  return text;
}

const char* InBase(BuiltinCall& call, int shift, const char* out_of_range) {
  uint32_t bits;
  if (!Bits32(call.numbers[0], &bits)) return out_of_range;
  call.text = NewString(Digits(bits, shift));
  return nullptr;
}

// Folds the ASCII letters from `from` to `to`, leaving every double-byte
// character whole: its second byte may look like a letter.
const char* Folded(BuiltinCall& call, char from, char to) {
  std::string text(BytesOf(call.texts[0]));
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (IsLeadByte(static_cast<unsigned char>(text[i]))) {
      ++i;
    } else if (text[i] >= from && text[i] <= from + 25) {
      text[i] = static_cast<char>(text[i] - from + to);
    }
  }
  call.text = NewString(text);
  return nullptr;
}

}  // namespace

const char* FnHex(BuiltinCall& call) { return InBase(call, 4, "HEX$ needs a value from -2147483648 to 4294967295"); }
const char* FnOct(BuiltinCall& call) { return InBase(call, 3, "OCT$ needs a value from -2147483648 to 4294967295"); }
const char* FnUcase(BuiltinCall& call) { return Folded(call, 'a', 'A'); }
const char* FnLcase(BuiltinCall& call) { return Folded(call, 'A', 'a'); }

const char* FnLtrim(BuiltinCall& call) {
  const std::string_view s = BytesOf(call.texts[0]);
  const std::size_t first = s.find_first_not_of(' ');
  call.text = NewString(first == std::string_view::npos ? std::string_view() : s.substr(first));
  return nullptr;
}

const char* FnRtrim(BuiltinCall& call) {
  const std::string_view s = BytesOf(call.texts[0]);
  call.text = NewString(s.substr(0, s.find_last_not_of(' ') + 1));
  return nullptr;
}
