// The string built-ins, on bytes: LEN, ASC, VAL, CHR$, STR$, SPACE$,
// LEFT$, RIGHT$, MID$, INSTR and STRING$ cut, join and search them; HEX$
// and OCT$ write a number's bits; UCASE$ and LCASE$ fold ASCII letters,
// leaving double-byte characters whole; LTRIM$ and RTRIM$ drop spaces.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>

#include "basic/builtins/builtins.h"
#include "basic/executor/string_values.h"
#include "basic/text/number_text.h"
#include "basic/tokens/lexer.h"
#include "runtime/numeric/numeric.h"

namespace {


// Takes the call's first string argument over.
RtString TakeText(BuiltinCall& call) {
  RtString s = call.texts[0];
  call.texts[0] = nullptr;
  return s;
}

// The bytes [start, start + count) of the first argument, which the caller
// has checked to be inside it.
RunFault Slice(BuiltinCall& call, int32_t start, int32_t count) {
  RtString s = TakeText(call);
  if (start == 0 && count == StringLength(s)) {
    call.text = s;
    return {};
  }
  call.text = NewString(BytesOf(s).substr(static_cast<std::size_t>(start), static_cast<std::size_t>(count)));
  ReleaseString(s);
  return {};
}

// count copies of byte.
RunFault Repeated(BuiltinCall& call, int32_t count, char byte) {
  call.text = NewBlankString(count);
  std::memset(call.text, byte, static_cast<std::size_t>(count));
  return {};
}

// Where t first occurs in s at or after byte `from` (counted from 0), as a
// position counted from 1; 0 when it does not. An empty s never holds
// anything; an empty t is found at once.
int32_t Find(std::string_view s, std::string_view t, int32_t from) {
  if (s.empty() || from >= static_cast<int32_t>(s.size())) return 0;
  const std::size_t at = s.find(t, static_cast<std::size_t>(from));
  return at == std::string_view::npos ? 0 : static_cast<int32_t>(at) + 1;
}


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

RunFault InBase(BuiltinCall& call, int shift, const char* out_of_range) {
  uint32_t bits;
  if (!Bits32(call.numbers[0], &bits)) return IllegalCall(out_of_range);
  call.text = NewString(Digits(bits, shift));
  return {};
}

// Folds the ASCII letters from `from` to `to`, leaving every double-byte
// character whole: its second byte may look like a letter.
RunFault Folded(BuiltinCall& call, char from, char to) {
  std::string text(BytesOf(call.texts[0]));
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (IsLeadByte(static_cast<unsigned char>(text[i]))) {
      ++i;
    } else if (text[i] >= from && text[i] <= from + 25) {
      text[i] = static_cast<char>(text[i] - from + to);
    }
  }
  call.text = NewString(text);
  return {};
}

}  // namespace

RunFault FnLen(BuiltinCall& call) {
  call.number = StringLength(call.texts[0]);
  return {};
}

// Zero-extended: a lead byte such as 0x82 is 130, never negative.
RunFault FnAsc(BuiltinCall& call) {
  const std::string_view bytes = BytesOf(call.texts[0]);
  call.number = bytes.empty() ? 0 : static_cast<unsigned char>(bytes[0]);
  return {};
}

RunFault FnVal(BuiltinCall& call) {
  const ClassicNumber number = ReadClassicNumber(BytesOf(call.texts[0]));
  if (number.error != RunError::None) return RunFault{number.error, "VAL's number is beyond the range of numbers"};
  call.number = number.value;
  return {};
}

RunFault FnChr(BuiltinCall& call) {
  const int32_t code = NumToInt32(call.numbers[0]);
  if (code < 0 || code > 255) return IllegalCall("CHR$ needs a code from 0 to 255");
  return Repeated(call, 1, static_cast<char>(code));
}

RunFault FnStr(BuiltinCall& call) {
  call.text = NewString(FormatStrClassic(call.numbers[0], call.first_kind));
  return {};
}

RunFault FnSpace(BuiltinCall& call) {
  const int32_t count = NumToInt32(call.numbers[0]);
  if (count < 0) return IllegalCall("SPACE$ needs a count of 0 or more");
  return Repeated(call, count, ' ');
}

RunFault FnLeft(BuiltinCall& call) {
  const int32_t count = NumToInt32(call.numbers[0]);
  if (count < 0) return IllegalCall("LEFT$ needs a count of 0 or more");
  return Slice(call, 0, std::min(count, StringLength(call.texts[0])));
}

RunFault FnRight(BuiltinCall& call) {
  const int32_t count = NumToInt32(call.numbers[0]);
  if (count < 0) return IllegalCall("RIGHT$ needs a count of 0 or more");
  const int32_t length = StringLength(call.texts[0]);
  const int32_t kept = std::min(count, length);
  return Slice(call, length - kept, kept);
}

// MID$(s, start [, count]): start counts from 1; past the end it gives "".
RunFault FnMid(BuiltinCall& call) {
  const int32_t first = NumToInt32(call.numbers[0]);
  if (first < 1) return IllegalCall("MID$ needs a start of 1 or more");
  const int32_t count = NumToInt32(call.numbers[1]);
  if (count < 0) return IllegalCall("MID$ needs a count of 0 or more");
  const int32_t length = StringLength(call.texts[0]);
  const int32_t start = std::min(first - 1, length);
  return Slice(call, start, std::min(count, length - start));
}

RunFault FnMidToEnd(BuiltinCall& call) {
  const double numbers[] = {call.numbers[0], 2147483647.0};
  BuiltinCall whole{numbers, call.texts};
  const RunFault fault = FnMid(whole);
  call.text = whole.text;
  return fault;
}

RunFault FnInstr(BuiltinCall& call) {
  call.number = Find(BytesOf(call.texts[0]), BytesOf(call.texts[1]), 0);
  return {};
}

// INSTR(start, s, t): a start past the end finds nothing.
RunFault FnInstrFrom(BuiltinCall& call) {
  const int32_t start = NumToInt32(call.numbers[0]);
  if (start < 1) return IllegalCall("INSTR needs a start of 1 or more");
  call.number = Find(BytesOf(call.texts[0]), BytesOf(call.texts[1]), start - 1);
  return {};
}

RunFault FnStringOfCode(BuiltinCall& call) {
  const int32_t count = NumToInt32(call.numbers[0]);
  if (count < 0) return IllegalCall("STRING$ needs a count of 0 or more");
  const int32_t code = NumToInt32(call.numbers[1]);
  if (code < 0 || code > 255) return IllegalCall("STRING$ needs a code from 0 to 255");
  return Repeated(call, count, static_cast<char>(code));
}

// STRING$(n, s): n copies of the first byte of s.
RunFault FnStringOfText(BuiltinCall& call) {
  const int32_t count = NumToInt32(call.numbers[0]);
  if (count < 0) return IllegalCall("STRING$ needs a count of 0 or more");
  const std::string_view s = BytesOf(call.texts[0]);
  if (s.empty()) return IllegalCall("STRING$ needs a string of one byte or more");
  return Repeated(call, count, s[0]);
}

RunFault FnHex(BuiltinCall& call) { return InBase(call, 4, "HEX$ needs a value from -2147483648 to 4294967295"); }
RunFault FnOct(BuiltinCall& call) { return InBase(call, 3, "OCT$ needs a value from -2147483648 to 4294967295"); }
RunFault FnUcase(BuiltinCall& call) { return Folded(call, 'a', 'A'); }
RunFault FnLcase(BuiltinCall& call) { return Folded(call, 'A', 'a'); }

RunFault FnLtrim(BuiltinCall& call) {
  const std::string_view s = BytesOf(call.texts[0]);
  const std::size_t first = s.find_first_not_of(' ');
  call.text = NewString(first == std::string_view::npos ? std::string_view() : s.substr(first));
  return {};
}

RunFault FnRtrim(BuiltinCall& call) {
  const std::string_view s = BytesOf(call.texts[0]);
  call.text = NewString(s.substr(0, s.find_last_not_of(' ') + 1));
  return {};
}
