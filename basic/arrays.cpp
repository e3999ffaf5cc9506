// Arrays: made by DIM or on first use, elements in row-major order.
#include "basic/executor.h"
#include "runtime/numeric/numeric.h"

static const char* MakeArray(ArrayVariable& array, const int32_t* bounds) {
  int64_t elements = 1;
  for (int32_t i = 0; i < array.subscripts; ++i) {
    if (bounds[i] < 0) return "an array bound must be 0 or more";
    elements *= int64_t{bounds[i]} + 1;
    if (elements > MaxArrayElements) return "array too large (at most 16777216 elements)";
  }
  for (int32_t i = 0; i < array.subscripts; ++i) array.bounds[i] = bounds[i];
  if (array.kind == ValueKind::String) {
    array.strings.assign(static_cast<std::size_t>(elements), nullptr);
  } else {
    array.numbers.assign(static_cast<std::size_t>(elements), 0.0);
  }
  array.made = true;
  return nullptr;
}

const char* DimArray(ArrayVariable& array, const double* bounds) {
  if (array.made) return "array already dimensioned";
  int32_t converted[3] = {0, 0, 0};
  for (int32_t i = 0; i < array.subscripts; ++i) converted[i] = NumToInt32(bounds[i]);
  return MakeArray(array, converted);
}

const char* ElementIndex(ArrayVariable& array, const double* subscripts, std::size_t* index) {
  if (!array.made) {
    const int32_t defaults[3] = {DefaultArrayBound, DefaultArrayBound, DefaultArrayBound};
    MakeArray(array, defaults);
  }
  std::size_t at = 0;
  for (int32_t i = 0; i < array.subscripts; ++i) {
    const int32_t subscript = NumToInt32(subscripts[i]);
    if (subscript < 0 || subscript > array.bounds[i]) return "subscript out of range";
    at = at * (static_cast<std::size_t>(array.bounds[i]) + 1) + static_cast<std::size_t>(subscript);
  }
  *index = at;
  return nullptr;
}
