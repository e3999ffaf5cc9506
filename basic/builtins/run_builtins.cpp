// A built-in function's call at run time: its row's routine on the stacks'
// top operands (builtins.h). And RANDOMIZE, which seeds RND's generator,
// and ENVIRON.
#include "basic/builtins/builtins.h"
#include "basic/builtins/environment.h"
#include "basic/executor/machine.h"
#include "basic/executor/statements.h"
#include "basic/executor/string_values.h"
#include "runtime/numeric/numeric.h"

// The string arguments stay on the stack until the routine has returned,
// so that an error leaves them to the machine to release.
RunFault RunCallBuiltin(Machine& machine, const Instruction& in, double*& sp) {
  const Builtin& builtin = BuiltinAt(in.a);
  const int32_t texts = in.c >> BuiltinTextsShift;
  sp -= in.c & ((1 << BuiltinTextsShift) - 1);
  BuiltinCall call{sp, machine.strings_top - texts};
  call.machine = &machine;
  call.first_kind = static_cast<ValueKind>(in.b);
  if (const RunFault fault = builtin.routine(call)) return fault;
  for (int32_t i = 0; i < texts; ++i) ReleaseString(machine.Pop());
  if (builtin.result == BuiltinResult::String) {
    machine.Push(call.text);
  } else {
    *sp++ = call.number;
  }
  return {};
}

RunFault RunRandomize(Machine&, const Instruction&, double*& sp) {
  RandSeed = static_cast<uint32_t>(NumToInt32(*--sp));
  return {};
}

RunFault RunSetEnvironment(Machine& machine, const Instruction&, double*&) {
  const RtString assignment = machine.Pop();
  const bool set = SetEnvironment(BytesOf(assignment));
  ReleaseString(assignment);
  return set ? RunFault{} : IllegalCall("ENVIRON needs NAME=value");
}
