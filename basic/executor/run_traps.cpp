// The routines of error trapping: ON ERROR GOTO, ERROR n, a kept line's
// error, ERR and ERL; and a numbered program's DEF FN, defined when run.
// RESUME runs in the executor's loop, which it moves.
#include <cmath>

#include "basic/builtins/builtins.h"
#include "basic/executor/machine.h"
#include "basic/executor/statements.h"

constexpr int32_t MaxErrorNumber = 255;

// Inside a handler, ON ERROR GOTO 0 ends the run with the error it handles.
RunFault RunOnErrorGoto(Machine& machine, const Instruction& in, double*& /*sp*/) {
  ErrorTrap& trap = machine.trap;
  trap.handler = in.a;
  if (in.a < 0 && trap.handling) return RunFault{static_cast<RunError>(trap.number)};
  return {};
}

// ERROR n raises error n as the run would; a number no error has is an
// "Unprintable error" all the same.
RunFault RunRaiseError(Machine& /*machine*/, const Instruction& /*in*/, double*& sp) {
  const double value = *--sp;
  if (!(value >= 0.5 && value < MaxErrorNumber + 0.5)) return IllegalCall("ERROR needs a number from 1 to 255");
  const auto number = static_cast<int32_t>(std::nearbyint(value));
  if (number < 1) return IllegalCall("ERROR needs a number from 1 to 255");
  return RunFault{static_cast<RunError>(number)};
}

RunFault RunFailWith(Machine& machine, const Instruction& in, double*& sp) {
  if (in.c == 1 && *--sp == 0) return {};
  if (in.c == 2) --sp;
  return RunFault{static_cast<RunError>(in.a), machine.code.strings[static_cast<std::size_t>(in.b)].c_str()};
}

RunFault FnErr(BuiltinCall& call) {
  call.number = call.machine->trap.number;
  return {};
}

RunFault FnErl(BuiltinCall& call) {
  call.number = call.machine->trap.line;
  return {};
}

RunFault RunDefineFunction(Machine& machine, const Instruction& in, double*& /*sp*/) {
  const auto index = static_cast<std::size_t>(in.a);
  if (machine.functions_defined.size() <= index) machine.functions_defined.resize(index + 1, false);
  machine.functions_defined[index] = true;
  return {};
}

RunFault RunCheckDefined(Machine& machine, const Instruction& in, double*& /*sp*/) {
  const auto index = static_cast<std::size_t>(in.a);
  if (index < machine.functions_defined.size() && machine.functions_defined[index]) return {};
  return RunFault{RunError::FunctionNotDefined, "its DEF FN has not been run yet"};
}
