// Concatenation, comparison and the small buffer operations on RtStrings.
// Every operand handed over is released before the operation returns.
#include <cstdint>
#include <cstring>

#include "runtime/strings/strings.h"

// A length field below zero belongs to no string of this heap; such an
// operand counts as empty rather than steering a copy out of bounds.
static int32_t OperandLength(RtString s) {
  const int32_t length = StrLength(s);
  return length < 0 ? 0 : length;
}

RtString StrConcat(RtString left, RtString right) {
  const int32_t left_length = OperandLength(left);
  const int32_t right_length = OperandLength(right);
  const int64_t total = int64_t{left_length} + right_length;
  // StrNew ends the process for a negative length exactly as for a heap that
  // cannot serve the block, so a sum past INT32_MAX never wraps into a short
  // block.
  RtString result = StrNew(total > INT32_MAX ? -1 : static_cast<int32_t>(total));
  std::memmove(result, left, static_cast<std::size_t>(left_length));
  std::memmove(result + left_length, right, static_cast<std::size_t>(right_length));
  StrRelease(left);
  StrRelease(right);
  return result;
}

static int32_t CompareOperands(RtString left, RtString right) {
  return SysCompareStrings(left, OperandLength(left), right, OperandLength(right));
}

int32_t StrCompare(RtString left, RtString right) {
  const int32_t result = CompareOperands(left, right);
  StrRelease(left);
  StrRelease(right);
  return result;
}

int32_t StrCompareKeep(RtString left, RtString right) {
  const int32_t result = CompareOperands(left, right);
  StrRelease(right);
  return result;
}

int32_t StrFirstByte(RtString s) {
  // Zero-extended: a lead byte such as 0x82 is 130, never negative.
  const int32_t byte = static_cast<unsigned char>(s[0]);
  StrRelease(s);
  return byte;
}

RtString StrRenew(int32_t length) {
  // A string-valued routine starts its result as an empty string; that
  // string lives only inside the call.
  StrRelease(StrNew(0));
  return StrNew(length);
}

RtString StrPeek(const RtString* variable) { return *variable; }
