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
RunFault FindElement(Machine& machine, const Instruction& in, int32_t above, double*& sp, std::size_t* index,
                        ArrayVariable** array) {
  *array = &machine.variables.arrays[static_cast<std::size_t>(in.a)];
  sp -= in.b + above;
  return ElementIndex(**array, sp, index);
}

// Stores the value above the subscripts, kept as the element's kind keeps it.
template <bool (*Keep)(double, double*)>
RunFault StoreNumberElement(Machine& machine, const Instruction& in, double*& sp) {
  ArrayVariable* array;
  std::size_t index;
  const double value = sp[-1];
  if (const RunFault fault = FindElement(machine, in, 1, sp, &index, &array)) return fault;
  if (!Keep(value, &array->numbers[index])) return RunFault{RunError::Overflow};
  return {};
}

RunFault Dimension(Machine& machine, const Instruction& in, double*& sp, bool redim) {
  ArrayVariable& array = machine.variables.arrays[static_cast<std::size_t>(in.a)];
  sp -= EffectOf(in).numbers_taken;
  return DimArray(array, sp, in.c, redim);
}

}  // namespace

RunFault RunLoadElement(Machine& machine, const Instruction& in, double*& sp) {
  ArrayVariable* array;
  std::size_t index;
  if (const RunFault fault = FindElement(machine, in, 0, sp, &index, &array)) return fault;
  *sp++ = array->numbers[index];
  return {};
}

RunFault RunStoreDoubleElement(Machine& machine, const Instruction& in, double*& sp) {
  return StoreNumberElement<KeepDouble>(machine, in, sp);
}

RunFault RunStoreSingleElement(Machine& machine, const Instruction& in, double*& sp) {
  return StoreNumberElement<KeepSingle>(machine, in, sp);
}

RunFault RunStoreIntegerElement(Machine& machine, const Instruction& in, double*& sp) {
  return StoreNumberElement<KeepInteger>(machine, in, sp);
}

RunFault RunStoreLongElement(Machine& machine, const Instruction& in, double*& sp) {
  return StoreNumberElement<KeepLong>(machine, in, sp);
}

RunFault RunLoadStringElement(Machine& machine, const Instruction& in, double*& sp) {
  ArrayVariable* array;
  std::size_t index;
  if (const RunFault fault = FindElement(machine, in, 0, sp, &index, &array)) return fault;
  machine.Push(NewString(BytesOf(array->strings[index])));
  return {};
}

RunFault RunStoreStringElement(Machine& machine, const Instruction& in, double*& sp) {
  ArrayVariable* array;
  std::size_t index;
  if (const RunFault fault = FindElement(machine, in, 0, sp, &index, &array)) return fault;
  ReleaseString(array->strings[index]);
  array->strings[index] = machine.Pop();
  return {};
}

RunFault RunDim(Machine& machine, const Instruction& in, double*& sp) { return Dimension(machine, in, sp, false); }
RunFault RunRedim(Machine& machine, const Instruction& in, double*& sp) { return Dimension(machine, in, sp, true); }

RunFault RunErase(Machine& machine, const Instruction& in, double*&) {
  UnmakeArray(machine.variables.arrays[static_cast<std::size_t>(in.a)]);
  return {};
}

// Replaces the dimension on the stack, counted from 1, with its bound; an
// array not made yet is made, as a use would make it.
RunFault RunBound(Machine& machine, const Instruction& in, double*& sp) {
  ArrayVariable& array = machine.variables.arrays[static_cast<std::size_t>(in.a)];
  MakeAutomaticArray(array);
  const int32_t which = NumToInt32(sp[-1]);
  if (which < 1 || which > array.subscripts) return RunFault{RunError::SubscriptOutOfRange};
  sp[-1] = in.b ? array.upper[which - 1] : array.lower[which - 1];
  return {};
}
