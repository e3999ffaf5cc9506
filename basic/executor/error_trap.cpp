// Method: the failed statement is found among the compiled statements'
// ranges, and the depth its stacks started at is the sum of the depths
// below each call under way, all known when the program was compiled, so
// that nothing is recorded while the program runs without errors.
#include "basic/executor/error_trap.h"

#include <algorithm>

#include "basic/executor/machine.h"
#include "basic/executor/string_values.h"
#include "basic/procedures/run_calls.h"
#include "basic/text/run_print.h"

namespace {

// The innermost statement holding position; the instruction alone if none
// does (code the compiler writes between statements).
StatementRange FailedStatement(const Code& code, int32_t position) {
  const std::vector<StatementRange>& ranges = code.statements;
  auto range = std::upper_bound(ranges.begin(), ranges.end(), position,
                                [](int32_t at, const StatementRange& r) { return at < r.start; });
  while (range != ranges.begin()) {
    --range;
    if (range->end > position) return *range;
  }
  return StatementRange{position, position + 1};
}

// ERL: the number of the last numbered line at or before position's line.
int32_t LineNumberAt(const Code& code, int32_t position) {
  if (position < 0 || static_cast<std::size_t>(position) >= code.lines.size()) return 0;
  for (int32_t line = code.lines[static_cast<std::size_t>(position)]; line >= 1; --line) {
    if (static_cast<std::size_t>(line) > code.source.size()) continue;
    const int32_t number = code.source[static_cast<std::size_t>(line - 1)].number;
    if (number >= 0) return number;
  }
  return 0;
}

// Where the innermost call's statements start their stacks.
StackDepth CalleesBase(const Machine& machine) {
  StackDepth base;
  for (const Frame& frame : machine.calls.frames) {
    const auto site = static_cast<std::size_t>(frame.call_site);
    if (site >= machine.code.call_depths.size()) continue;
    base.numbers += machine.code.call_depths[site].numbers;
    base.strings += machine.code.call_depths[site].strings;
  }
  return base;
}

// The stacks back to the trap's bases, the strings above released; the
// number stack's new top comes back.
double* CutStacks(Machine& machine) {
  const ErrorTrap& trap = machine.trap;
  RtString* const floor = machine.strings.data() + std::min(trap.strings_base, machine.strings.size() - 1);
  while (machine.strings_top > floor) ReleaseString(machine.Pop());
  return machine.numbers.data() + std::min(trap.numbers_base, machine.numbers.size() - 1);
}

}  // namespace

TrapJump TrapFault(Machine& machine, int32_t position, const RunFault& fault) {
  ErrorTrap& trap = machine.trap;
  if (trap.handler < 0 || trap.handling || fault.error == RunError::NoMoreInput) return TrapJump{nullptr, -1};
  FlushPrinted(machine);  // what the failed PRINT wrote before its error stays written
  const StackDepth base = CalleesBase(machine);
  trap.handling = true;
  trap.number = static_cast<int32_t>(fault.error);
  trap.line = LineNumberAt(machine.code, position);
  trap.failed = FailedStatement(machine.code, position);
  trap.numbers_base = static_cast<std::size_t>(base.numbers);
  trap.strings_base = static_cast<std::size_t>(base.strings);
  return TrapJump{CutStacks(machine), trap.handler};
}

TrapJump ResumeAfterError(Machine& machine, const Instruction& in) {
  ErrorTrap& trap = machine.trap;
  if (!trap.handling) return TrapJump{nullptr, -1};
  trap.handling = false;
  if (in.b == ResumeAtLine) {
    // The calls under way end: the line is the program's own code.
    UnwindProcedures(machine);
    trap.numbers_base = trap.strings_base = 0;
  }
  double* const sp = CutStacks(machine);
  if (in.b == ResumeAtLine) return TrapJump{sp, in.a};
  return TrapJump{sp, in.b == ResumeNext ? trap.failed.end : trap.failed.start};
}

bool EndsInHandler(const Machine& machine, int32_t position) {
  return machine.trap.handling && static_cast<std::size_t>(position) + 1 == machine.code.instructions.size();
}
