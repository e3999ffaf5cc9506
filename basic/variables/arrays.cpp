#include "basic/variables/arrays.h"

#include "runtime/numeric/numeric.h"

namespace {

RunFault MakeArray(ArrayVariable& array, const int32_t* lower, const int32_t* upper) {
  int64_t elements = 1;
  for (int32_t i = 0; i < array.subscripts; ++i) {
    if (upper[i] < lower[i]) {
      return RunFault{RunError::SubscriptOutOfRange, "an array's upper bound is below its lower bound"};
    }
    elements *= int64_t{upper[i]} - lower[i] + 1;
    if (elements > MaxArrayElements) {
      return RunFault{RunError::OutOfMemory, "array too large (at most 16777216 elements)"};
    }
  }
  for (int32_t i = 0; i < array.subscripts; ++i) {
    array.lower[i] = lower[i];
    array.upper[i] = upper[i];
  }
  if (array.kind == ValueKind::String) {
    array.strings.assign(static_cast<std::size_t>(elements), nullptr);
  } else {
    array.numbers.assign(static_cast<std::size_t>(elements), 0.0);
  }
  array.made = true;
  return {};
}

}  // namespace

// A DIM reached again, by a jump back over it, finds its own array and
// leaves it alone.
RunFault DimArray(ArrayVariable& array, const double* bounds, int32_t given_lower, bool redim) {
  int32_t lower[3] = {0, 0, 0};
  int32_t upper[3] = {0, 0, 0};
  bool same = true;
  for (int32_t i = 0; i < array.subscripts; ++i) {
    lower[i] = given_lower >> i & 1 ? NumToInt32(*bounds++) : array.base;
    upper[i] = NumToInt32(*bounds++);
    same = same && lower[i] == array.lower[i] && upper[i] == array.upper[i];
  }
  if (array.made && !redim) {
    return array.dimensioned && same ? RunFault{} : RunFault{RunError::DuplicateDefinition, "array already dimensioned"};
  }
  UnmakeArray(array);
  const RunFault fault = MakeArray(array, lower, upper);
  array.dimensioned = !fault;
  return fault;
}

void MakeAutomaticArray(ArrayVariable& array) {
  if (array.made) return;
  const int32_t lower[3] = {array.base, array.base, array.base};
  const int32_t upper[3] = {DefaultArrayBound, DefaultArrayBound, DefaultArrayBound};
  MakeArray(array, lower, upper);
}

RunFault ElementIndex(ArrayVariable& array, const double* subscripts, std::size_t* index) {
  MakeAutomaticArray(array);
  std::size_t at = 0;
  for (int32_t i = 0; i < array.subscripts; ++i) {
    const int32_t subscript = NumToInt32(subscripts[i]);
    if (subscript < array.lower[i] || subscript > array.upper[i]) return RunFault{RunError::SubscriptOutOfRange};
    const auto extent = static_cast<std::size_t>(int64_t{array.upper[i]} - array.lower[i] + 1);
    at = at * extent + static_cast<std::size_t>(int64_t{subscript} - array.lower[i]);
  }
  *index = at;
  return {};
}
