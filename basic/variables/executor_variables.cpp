// The statements that act on variables as a whole: DIM, REDIM and ERASE on
// arrays, READ and RESTORE on the program's DATA, SWAP and CLEAR; and the
// array's bounds, LBOUND and UBOUND.
#include <utility>

#include "basic/executor/executor.h"
#include "basic/text/fields.h"
#include "basic/executor/machine.h"
#include "runtime/numeric/numeric.h"

namespace {

const char* ReadItem(Machine& machine, const Instruction& in, double*& sp) {
  if (machine.data_next >= machine.code.data.size()) return "out of DATA";
  const DataItem& item = machine.code.data[machine.data_next++];
  if (in.op == Op::ReadString) {
    machine.Push(NewString(item.text));
    return nullptr;
  }
  double value;
  if (!ReadFieldNumber(Field{item.text, item.quoted, false}, &value)) {
    machine.message = "READ found \"" + item.text + "\" where a number belongs (DATA in line " +
                      std::to_string(item.line) + ")";
    return machine.message.c_str();
  }
  *sp++ = value;
  return nullptr;
}

// Where SWAP finds one of its variables: a scalar's slot, or an element.
template <typename Value>
const char* Place(Machine& machine, int32_t slot, int32_t subscripts, const double* values,
                  std::vector<Value>& scalars, std::vector<Value> ArrayVariable::*elements, Value** place) {
  if (subscripts == 0) {
    *place = &scalars[static_cast<std::size_t>(slot)];
    return nullptr;
  }
  ArrayVariable& array = machine.variables.arrays[static_cast<std::size_t>(slot)];
  std::size_t index;
  if (const char* error = ElementIndex(array, values, &index)) return error;
  *place = &(array.*elements)[index];
  return nullptr;
}

// Both places are found before either value moves; strings change places
// without a copy.
template <typename Value>
const char* Swap(Machine& machine, const Instruction& in, const double* subscripts, std::vector<Value>& scalars,
                 std::vector<Value> ArrayVariable::*elements) {
  const int32_t first_count = in.c & 3;
  Value* first;
  Value* second;
  if (const char* error = Place(machine, in.a, first_count, subscripts, scalars, elements, &first)) return error;
  if (const char* error =
          Place(machine, in.b, in.c >> 2, subscripts + first_count, scalars, elements, &second)) {
    return error;
  }
  std::swap(*first, *second);
  return nullptr;
}

// Replaces the dimension, counted from 1, with its bound.
const char* Bound(ArrayVariable& array, bool upper, double& dimension) {
  MakeAutomaticArray(array);
  const int32_t which = NumToInt32(dimension);
  if (which < 1 || which > array.subscripts) return "subscript out of range";
  dimension = upper ? array.upper[which - 1] : array.lower[which - 1];
  return nullptr;
}

}  // namespace

const char* VariablesStatement(Machine& machine, const Instruction& in, double*& sp) {
  Variables& variables = machine.variables;
  switch (in.op) {
    case Op::Dim: case Op::Redim: {
      ArrayVariable& array = variables.arrays[static_cast<std::size_t>(in.a)];
      sp -= EffectOf(in).numbers_taken;
      return DimArray(array, sp, in.c, in.op == Op::Redim);
    }
    case Op::Erase: UnmakeArray(variables.arrays[static_cast<std::size_t>(in.a)]); return nullptr;
    case Op::ReadNumber: case Op::ReadString: return ReadItem(machine, in, sp);
    case Op::Restore: machine.data_next = static_cast<std::size_t>(in.a); return nullptr;
    case Op::SwapNumbers:
      sp -= EffectOf(in).numbers_taken;
      return Swap(machine, in, sp, variables.numbers, &ArrayVariable::numbers);
    case Op::SwapStrings:
      sp -= EffectOf(in).numbers_taken;
      return Swap(machine, in, sp, variables.strings, &ArrayVariable::strings);
    case Op::Bound: return Bound(variables.arrays[static_cast<std::size_t>(in.a)], in.b, sp[-1]);
    default:  // CLEAR
      variables.Reset();
      return nullptr;
  }
}
