// Concatenation, comparison and the small buffer operations on RtStrings.
// Every operand handed over is released before the operation returns.
#include <cstdint>
#include <cstring>

#include "runtime/strings/strings.h"

// Only a live string has a length field and bytes to read: anything else
// (null, a freed block, a pointer into the middle of a string, whose
// "length field" is text) counts as empty. So does a length field below
// zero, which belongs to no string of this heap, rather than steering a
// copy out of bounds.
static int32_t OperandLength(RtString s) {
  if (!StrIsLive(s)) return 0;
  const int32_t length = StrLength(s);
  return length < 0 ? 0 : length;
}

// n bytes of s to dest; nothing at all for none, so that an operand counted
// as empty is not even handed to the copy.
static void CopyOperand(char* dest, RtString s, int32_t n) {
  if (n > 0) std::memmove(dest, s, static_cast<std::size_t>(n));
}

RtString StrConcat(RtString left, RtString right) {
  const int32_t left_length = OperandLength(left);
  const int32_t right_length = OperandLength(right);
  const int64_t total = int64_t{left_length} + right_length;
  // StrNew ends the process for a negative length exactly as for a heap that
  // cannot serve the block, so a sum past INT32_MAX never wraps into a short
  // block.
  RtString result = StrNew(total > INT32_MAX ? -1 : static_cast<int32_t>(total));
  CopyOperand(result, left, left_length);
  CopyOperand(result + left_length, right, right_length);
  StrRelease(left);
  StrRelease(right);
  return result;
}

// An empty operand is compared as the empty text, never through its
// pointer, which may be null or dangling.
static int32_t CompareOperands(RtString left, RtString right) {
  const int32_t left_length = OperandLength(left);
  const int32_t right_length = OperandLength(right);
  return SysCompareStrings(left_length > 0 ? left : "", left_length, right_length > 0 ? right : "", right_length);
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
  const int32_t byte = StrIsLive(s) ? static_cast<unsigned char>(s[0]) : 0;
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
