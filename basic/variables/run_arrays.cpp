// Arrays at run time: their elements loaded and stored, DIM, REDIM, ERASE,
// and LBOUND and UBOUND. The subscripts are on the number stack, below the
// value to store.
#include "basic/executor/machine.h"
#include "basic/executor/statements.h"
#include "basic/executor/string_values.h"
#include "basic/variables/arrays.h"
#include "runtime/numeric/numeric.h"

namespace {

// The element the subscripts below the top `above` numbers pick; sp is
// left at the subscripts' first.
const char* FindElement(Machine& machine, const Instruction& in, int32_t above, double*& sp, std::size_t* index,
                        ArrayVariable** array) {
  *array = &machine.variables.arrays[static_cast<std::size_t>(in.a)];
  sp -= in.b + above;
  return ElementIndex(**array, sp, index);
}

// Stores the value above the subscripts, kept as the element's kind keeps it.
template <double (*Keep)(double)>
const char* StoreNumberElement(Machine& machine, const Instruction& in, double*& sp) {
  ArrayVariable* array;
  std::size_t index;
  const double value = sp[-1];
  if (const char* error = FindElement(machine, in, 1, sp, &index, &array)) return error;
  array->numbers[index] = Keep(value);
  return nullptr;
}

double AsItIs(double x) { return x; }

const char* Dimension(Machine& machine, const Instruction& in, double*& sp, bool redim) {
  ArrayVariable& array = machine.variables.arrays[static_cast<std::size_t>(in.a)];
  sp -= EffectOf(in).numbers_taken;
  return DimArray(array, sp, in.c, redim);
}

}  // namespace

const char* RunLoadElement(Machine& machine, const Instruction& in, double*& sp) {
  ArrayVariable* array;
  std::size_t index;
  if (const char* error = FindElement(machine, in, 0, sp, &index, &array)) return error;
  *sp++ = array->numbers[index];
  return nullptr;
}

const char* RunStoreElement(Machine& machine, const Instruction& in, double*& sp) {
  return StoreNumberElement<AsItIs>(machine, in, sp);
}

const char* RunStoreIntegerElement(Machine& machine, const Instruction& in, double*& sp) {
  return StoreNumberElement<Integer16>(machine, in, sp);
}

const char* RunStoreLongElement(Machine& machine, const Instruction& in, double*& sp) {
  return StoreNumberElement<Integer32>(machine, in, sp);
}

const char* RunLoadStringElement(Machine& machine, const Instruction& in, double*& sp) {
  ArrayVariable* array;
  std::size_t index;
  if (const char* error = FindElement(machine, in, 0, sp, &index, &array)) return error;
  machine.Push(NewString(BytesOf(array->strings[index])));
  return nullptr;
}

const char* RunStoreStringElement(Machine& machine, const Instruction& in, double*& sp) {
  ArrayVariable* array;
  std::size_t index;
  if (const char* error = FindElement(machine, in, 0, sp, &index, &array)) return error;
  StrRelease(array->strings[index]);
  array->strings[index] = machine.Pop();
  return nullptr;
}

const char* RunDim(Machine& machine, const Instruction& in, double*& sp) { return Dimension(machine, in, sp, false); }
const char* RunRedim(Machine& machine, const Instruction& in, double*& sp) { return Dimension(machine, in, sp, true); }

const char* RunErase(Machine& machine, const Instruction& in, double*&) {
  UnmakeArray(machine.variables.arrays[static_cast<std::size_t>(in.a)]);
  return nullptr;
}

// Replaces the dimension on the stack, counted from 1, with its bound; an
// array not made yet is made, as a use would make it.
const char* RunBound(Machine& machine, const Instruction& in, double*& sp) {
  ArrayVariable& array = machine.variables.arrays[static_cast<std::size_t>(in.a)];
  MakeAutomaticArray(array);
  const int32_t which = NumToInt32(sp[-1]);
  if (which < 1 || which > array.subscripts) return "subscript out of range";
  sp[-1] = in.b ? array.upper[which - 1] : array.lower[which - 1];
  return nullptr;
}
