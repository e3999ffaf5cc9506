// Fixed-length strings at run time: loads and stores of scalars and
// elements, the length in the instruction's c.
#include "basic/executor/machine.h"
#include "basic/executor/statements.h"
#include "basic/executor/string_values.h"
#include "basic/records/fixed_strings.h"
#include "basic/variables/arrays.h"

namespace {

RunFault FindString(Machine& machine, const Instruction& in, double*& sp, RtString** element) {
  ArrayVariable& array = machine.variables.arrays[static_cast<std::size_t>(in.a)];
  sp -= in.b;
  std::size_t index;
  if (const RunFault fault = ElementIndex(array, sp, &index)) return fault;
  *element = &array.strings[index];
  return {};
}

void Load(Machine& machine, RtString held, int32_t length) {
  machine.Push(FitString(NewString(BytesOf(held)), length, '\0'));
}

void Store(Machine& machine, RtString* variable, int32_t length) {
  RtString value = FitString(machine.Pop(), length, ' ');
  ReleaseString(*variable);
  *variable = value;
}

}  // namespace

RunFault RunLoadFixedString(Machine& machine, const Instruction& in, double*&) {
  Load(machine, machine.variables.strings[static_cast<std::size_t>(in.a)], in.c);
  return {};
}

RunFault RunStoreFixedString(Machine& machine, const Instruction& in, double*&) {
  Store(machine, &machine.variables.strings[static_cast<std::size_t>(in.a)], in.c);
  return {};
}

RunFault RunLoadFixedStringElement(Machine& machine, const Instruction& in, double*& sp) {
  RtString* element;
  if (const RunFault fault = FindString(machine, in, sp, &element)) return fault;
  Load(machine, *element, in.c);
  return {};
}

RunFault RunStoreFixedStringElement(Machine& machine, const Instruction& in, double*& sp) {
  RtString* element;
  if (const RunFault fault = FindString(machine, in, sp, &element)) return fault;
  Store(machine, element, in.c);
  return {};
}
