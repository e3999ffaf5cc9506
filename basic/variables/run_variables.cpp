// SWAP and CLEAR at run time: the statements that act on variables as a
// whole.
#include <utility>
#include <vector>

#include "basic/executor/machine.h"
#include "basic/executor/statements.h"
#include "basic/variables/arrays.h"

namespace {

// Where SWAP finds one of its variables: a scalar's slot, or an element.
template <typename Value>
RunFault Place(Machine& machine, int32_t slot, int32_t subscripts, const double* values,
                  std::vector<Value>& scalars, std::vector<Value> ArrayVariable::*elements, Value** place) {
  if (subscripts == 0) {
    *place = &scalars[static_cast<std::size_t>(slot)];
    return {};
  }
  ArrayVariable& array = machine.variables.arrays[static_cast<std::size_t>(slot)];
  std::size_t index;
  if (const RunFault fault = ElementIndex(array, values, &index)) return fault;
  *place = &(array.*elements)[index];
  return {};
}

// Both places are found before either value moves; strings change places
// without a copy.
template <typename Value>
RunFault Swap(Machine& machine, const Instruction& in, double*& sp, std::vector<Value>& scalars,
                 std::vector<Value> ArrayVariable::*elements) {
  sp -= EffectOf(in).numbers_taken;
  const int32_t first_count = in.c & 3;
  Value* first;
  Value* second;
  if (const RunFault fault = Place(machine, in.a, first_count, sp, scalars, elements, &first)) return fault;
  if (const RunFault fault = Place(machine, in.b, in.c >> 2, sp + first_count, scalars, elements, &second)) {
    return fault;
  }
  std::swap(*first, *second);
  return {};
}

}  // namespace

RunFault RunSwapNumbers(Machine& machine, const Instruction& in, double*& sp) {
  return Swap(machine, in, sp, machine.variables.numbers, &ArrayVariable::numbers);
}

RunFault RunSwapStrings(Machine& machine, const Instruction& in, double*& sp) {
  return Swap(machine, in, sp, machine.variables.strings, &ArrayVariable::strings);
}

RunFault RunClear(Machine& machine, const Instruction&, double*&) {
  machine.variables.Reset();
  return {};
}
