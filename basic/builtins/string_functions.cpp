// The string built-ins that cut, join and search bytes: LEN, ASC, VAL,
// CHR$, STR$, SPACE$, LEFT$, RIGHT$, MID$, INSTR and STRING$.
#include <algorithm>
#include <cstring>

#include "basic/builtins/builtins.h"
#include "basic/executor/executor.h"
#include "basic/text/number_text.h"
#include "runtime/numeric/numeric.h"

namespace {

int32_t Length(RtString s) { return static_cast<int32_t>(BytesOf(s).size()); }

// Takes the call's first string argument over.
RtString TakeText(BuiltinCall& call) {
  RtString s = call.texts[0];
  call.texts[0] = nullptr;
  return s;
}

// The bytes [start, start + count) of the first argument, which the caller
// has checked to be inside it.
const char* Slice(BuiltinCall& call, int32_t start, int32_t count) {
  RtString s = TakeText(call);
  if (start == 0 && count == Length(s)) {
    call.text = s;
    return nullptr;
  }
  call.text = NewString(BytesOf(s).substr(static_cast<std::size_t>(start), static_cast<std::size_t>(count)));
  StrRelease(s);
  return nullptr;
}

// count copies of byte.
const char* Repeated(BuiltinCall& call, int32_t count, char byte) {
  call.text = StrNew(count);
  std::memset(call.text, byte, static_cast<std::size_t>(count));
  return nullptr;
}

// Where t first occurs in s at or after byte `from` (counted from 0), as a
// position counted from 1; 0 when it does not. An empty s never holds
// anything; an empty t is found at once.
int32_t Find(std::string_view s, std::string_view t, int32_t from) {
  if (s.empty() || from >= static_cast<int32_t>(s.size())) return 0;
  const std::size_t at = s.find(t, static_cast<std::size_t>(from));
  return at == std::string_view::npos ? 0 : static_cast<int32_t>(at) + 1;
}

}  // namespace

const char* FnLen(BuiltinCall& call) {
  call.number = Length(call.texts[0]);
  return nullptr;
}

const char* FnAsc(BuiltinCall& call) {
  call.number = StrFirstByte(TakeText(call));
  return nullptr;
}

const char* FnVal(BuiltinCall& call) {
  call.number = ReadNumberPrefix(BytesOf(call.texts[0])).value;
  return nullptr;
}

const char* FnChr(BuiltinCall& call) {
  const int32_t code = NumToInt32(call.numbers[0]);
  if (code < 0 || code > 255) return "CHR$ needs a code from 0 to 255";
  return Repeated(call, 1, static_cast<char>(code));
}

const char* FnStr(BuiltinCall& call) {
  call.text = NewString(FormatStrNumber(call.numbers[0]));
  return nullptr;
}

const char* FnSpace(BuiltinCall& call) {
  const int32_t count = NumToInt32(call.numbers[0]);
  if (count < 0) return "SPACE$ needs a count of 0 or more";
  return Repeated(call, count, ' ');
}

const char* FnLeft(BuiltinCall& call) {
  const int32_t count = NumToInt32(call.numbers[0]);
  if (count < 0) return "LEFT$ needs a count of 0 or more";
  return Slice(call, 0, std::min(count, Length(call.texts[0])));
}

const char* FnRight(BuiltinCall& call) {
  const int32_t count = NumToInt32(call.numbers[0]);
  if (count < 0) return "RIGHT$ needs a count of 0 or more";
  const int32_t length = Length(call.texts[0]);
  const int32_t kept = std::min(count, length);
  return Slice(call, length - kept, kept);
}

// MID$(s, start [, count]): start counts from 1; past the end it gives "".
const char* FnMid(BuiltinCall& call) {
  const int32_t first = NumToInt32(call.numbers[0]);
  if (first < 1) return "MID$ needs a start of 1 or more";
  const int32_t count = NumToInt32(call.numbers[1]);
  if (count < 0) return "MID$ needs a count of 0 or more";
  const int32_t length = Length(call.texts[0]);
  const int32_t start = std::min(first - 1, length);
  return Slice(call, start, std::min(count, length - start));
}

const char* FnMidToEnd(BuiltinCall& call) {
  const double numbers[] = {call.numbers[0], 2147483647.0};
  BuiltinCall whole{numbers, call.texts};
  const char* error = FnMid(whole);
  call.text = whole.text;
  return error;
}

const char* FnInstr(BuiltinCall& call) {
  call.number = Find(BytesOf(call.texts[0]), BytesOf(call.texts[1]), 0);
  return nullptr;
}

// INSTR(start, s, t): a start past the end finds nothing.
const char* FnInstrFrom(BuiltinCall& call) {
  const int32_t start = NumToInt32(call.numbers[0]);
  if (start < 1) return "INSTR needs a start of 1 or more";
  call.number = Find(BytesOf(call.texts[0]), BytesOf(call.texts[1]), start - 1);
  return nullptr;
}

const char* FnStringOfCode(BuiltinCall& call) {
  const int32_t count = NumToInt32(call.numbers[0]);
  if (count < 0) return "STRING$ needs a count of 0 or more";
  const int32_t code = NumToInt32(call.numbers[1]);
  if (code < 0 || code > 255) return "STRING$ needs a code from 0 to 255";
  return Repeated(call, count, static_cast<char>(code));
}

// STRING$(n, s): n copies of the first byte of s.
const char* FnStringOfText(BuiltinCall& call) {
  const int32_t count = NumToInt32(call.numbers[0]);
  if (count < 0) return "STRING$ needs a count of 0 or more";
  const std::string_view s = BytesOf(call.texts[0]);
  if (s.empty()) return "STRING$ needs a string of one byte or more";
  return Repeated(call, count, s[0]);
}
