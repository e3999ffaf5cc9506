// READ and RESTORE at run time, over the program's one list of DATA items.
#include <string>

#include "basic/executor/machine.h"
#include "basic/executor/statements.h"
#include "basic/executor/string_values.h"
#include "basic/text/fields.h"

namespace {

// The next item, or null when the items have run out.
const DataItem* NextItem(Machine& machine) {
  if (machine.data_next >= machine.code.data.size()) return {};
  return &machine.code.data[machine.data_next++];
}

}  // namespace

RunFault RunReadNumber(Machine& machine, const Instruction&, double*& sp) {
  const DataItem* item = NextItem(machine);
  if (!item) return RunFault{RunError::OutOfData};
  double value;
  RunError error;
  if (!ReadFieldNumber(Field{item->text, item->quoted, false}, &value, &error)) {
    return machine.Fail(RunError::SyntaxError, "READ found \"" + item->text + "\" where a number belongs (DATA in line " +
                         std::to_string(item->line) + ")");
  }
  if (error != RunError::None) return machine.Fail(error, "DATA item \"" + item->text + "\" is beyond the range of numbers");
  *sp++ = value;
  return {};
}

RunFault RunReadString(Machine& machine, const Instruction&, double*&) {
  const DataItem* item = NextItem(machine);
  if (!item) return RunFault{RunError::OutOfData};
  machine.Push(NewString(item->text));
  return {};
}

RunFault RunRestore(Machine& machine, const Instruction& in, double*&) {
  machine.data_next = static_cast<std::size_t>(in.a);
  return {};
}
