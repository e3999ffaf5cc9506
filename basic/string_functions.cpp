// The string functions on bytes: LEFT$, RIGHT$, MID$, CHR$, STR$, SPACE$.
#include <algorithm>
#include <cstring>

#include "basic/executor.h"
#include "basic/number_text.h"
#include "runtime/numeric/numeric.h"

namespace {

// The bytes [start, start + count) of s, which the caller has checked to be
// inside it; s is consumed.
RtString Slice(RtString s, int32_t start, int32_t count) {
  if (start == 0 && count == StrLength(s)) return s;
  RtString part = NewString(std::string_view(s + start, static_cast<std::size_t>(count)));
  StrRelease(s);
  return part;
}

}  // namespace

const char* StringFunction(Op op, RtString* s, const double* numbers, RtString* result) {
  const int32_t first = NumToInt32(numbers[0]);
  switch (op) {
    case Op::FnChr:
      if (first < 0 || first > 255) return "CHR$ needs a code from 0 to 255";
      *result = StrNew(1);
      (*result)[0] = static_cast<char>(first);
      return nullptr;
    case Op::FnStr:
      *result = NewString(FormatStrNumber(numbers[0]));
      return nullptr;
    case Op::FnSpace:
      if (first < 0) return "SPACE$ needs a count of 0 or more";
      *result = StrNew(first);
      std::memset(*result, ' ', static_cast<std::size_t>(first));
      return nullptr;
    default:
      break;
  }
  const int32_t length = StrLength(*s);
  if (op == Op::FnLeft || op == Op::FnRight) {
    if (first < 0) {
      return op == Op::FnLeft ? "LEFT$ needs a count of 0 or more" : "RIGHT$ needs a count of 0 or more";
    }
    const int32_t count = std::min(first, length);
    *result = Slice(*s, op == Op::FnLeft ? 0 : length - count, count);
    *s = nullptr;
    return nullptr;
  }
  // MID$(s, start [, count]): start counts from 1.
  if (first < 1) return "MID$ needs a start of 1 or more";
  const int32_t second = op == Op::FnMid ? NumToInt32(numbers[1]) : INT32_MAX;
  if (second < 0) return "MID$ needs a count of 0 or more";
  const int32_t start = std::min(first - 1, length);
  *result = Slice(*s, start, std::min(second, length - start));
  *s = nullptr;
  return nullptr;
}
