// Method: each instruction's handler jumps straight to the next one's. The
// arithmetic, comparisons, jumps, loops and calls run here on a stack of
// doubles held in a register; everything slower goes through
// ExecuteStatement, out of line, so that the hot code keeps its few values
// in registers.
#include "basic/executor/executor.h"

#include <cmath>

#include "basic/code/messages.h"
#include "basic/executor/machine.h"
#include "basic/executor/statements.h"
#include "basic/executor/string_values.h"
#include "basic/procedures/direct_calls.h"
#include "basic/procedures/run_calls.h"
#include "basic/text/input_source.h"
#include "basic/text/run_print.h"
#include "basic/variables/arrays.h"
#include "runtime/numeric/numeric.h"

namespace {

double Truth(bool value) { return value ? -1.0 : 0.0; }

bool Continues(double value, const LoopState& loop) {
  return loop.step >= 0 ? value <= loop.limit : value >= loop.limit;
}

constexpr RunFault Overflow{RunError::Overflow};
constexpr RunFault DivisionByZero{RunError::DivisionByZero};
constexpr RunFault GosubTooDeep{RunError::OutOfStackSpace, "GOSUB nested too deeply (more than 100000 without RETURN)"};
constexpr RunFault EnteredByAJump{RunError::NextWithoutFor, "the loop was entered by a jump"};
constexpr int32_t MaxOnChoice = 255;  // classic BASIC's limit for ON n

// The kind a FOR instruction keeps its variable to.
ValueKind LoopKind(Op op) {
  switch (op) {
    case Op::ForStartInteger: case Op::ForNextInteger: return ValueKind::Integer;
    case Op::ForStartLong: case Op::ForNextLong: return ValueKind::Long;
    case Op::ForStartSingle: case Op::ForNextSingle: return ValueKind::Single;
    default: return ValueKind::Double;
  }
}

// Dividing by zero: 0 / 0 has no value at all, which the classic BASICs
// reported as an overflow of the floating-point unit.
RunFault DivisionFault(double numerator) { return numerator == 0 ? Overflow : DivisionByZero; }

// Why x ^ y is no number: 0 to a negative power divides by zero, and a
// negative number to a fraction has no real power (the runtime's power
// gives 0 for both, which the classic BASICs reported as these errors).
// The rest is too large for a number.
RunFault PowerFault(double x, double y, double power) {
  if (x == 0 && y < 0) return DivisionByZero;
  if (x < 0 && y != std::trunc(y)) return IllegalCall("a negative number to a fractional power");
  if (std::isnan(power)) return IllegalCall("a negative number to a fractional power");
  return Overflow;
}
bool PowerUndefined(double x, double y) { return x <= 0 && ((x == 0 && y < 0) || (x < 0 && y != std::trunc(y))); }

bool PushReturn(Machine& machine, int32_t position) {
  if (machine.gosubs.size() >= MaxGosubDepth) return false;
  machine.gosubs.push_back(position);
  return true;
}

BasicRunResult Failed(Machine& machine, int32_t position, const RunFault& fault) {
  FlushPrinted(machine);
  const BasicOutcome outcome =
      fault.error == RunError::NoMoreInput ? BasicOutcome::NoMoreInput : BasicOutcome::RuntimeError;
  return RunMessage(machine.code, position, outcome, RunFaultText(fault));
}

// STOP: without a state to keep it ends the run as END does.
BasicRunResult Stop(Machine& machine, int32_t next, RunState* state) {
  FlushPrinted(machine);
  if (!state) return BasicRunResult{BasicOutcome::Ended, std::string(), std::string()};
  state->position = next;
  state->gosubs = machine.gosubs;
  state->loops = machine.loops;
  state->events = machine.events;
  state->soft_keys = machine.soft_keys;
  return BasicRunResult{BasicOutcome::Stopped, std::string(), std::string()};
}

// A state saved by STOP, or a fresh one at position 0.
int32_t Resume(Machine& machine, const RunState* state) {
  if (!state) return 0;
  machine.gosubs = state->gosubs;
  if (state->loops.size() == machine.loops.size()) machine.loops = state->loops;
  machine.events = state->events;
  machine.events.countdown = 1;  // what happened while stopped is looked at first
  machine.soft_keys = state->soft_keys;
  for (int32_t key = 0; key < SoftKeyCount; ++key) HandSoftKeyToWindow(machine.soft_keys, key);
  const auto size = static_cast<int32_t>(machine.code.instructions.size());
  return state->position >= 0 && state->position < size ? state->position : size - 1;
}

// The arrays the program declares exist before it runs, unless they
// exist already (a direct line's, or a session's from an earlier line); a
// declaration whose bounds cannot be made leaves its DIM to say why.
void DeclareArrays(const Code& code, Variables& variables) {
  for (const ArrayDeclaration& declaration : code.declarations) {
    ArrayVariable& array = variables.arrays[static_cast<std::size_t>(declaration.slot)];
    if (!array.made) DimArray(array, declaration.bounds.data(), declaration.given_lower, false);
  }
}

// RUN: the run starts anew, the calls, GOSUBs, loops, DATA, values and
// ON ERROR as at its start; the screen stays.
int32_t Restart(Machine& machine, int32_t target) {
  FlushPrinted(machine);
  UnwindProcedures(machine);
  while (machine.strings_top != machine.strings.data()) ReleaseString(machine.Pop());
  machine.variables.Reset();
  DeclareArrays(machine.code, machine.variables);
  machine.gosubs.clear();
  machine.gosub_floor = 0;
  for (LoopState& loop : machine.loops) loop.started = false;
  machine.data_next = 0;
  machine.trap = ErrorTrap{};
  machine.functions_defined.clear();
  machine.events = EventTraps{};
  return target;
}

}  // namespace

BasicRunResult Execute(const Code& code, Variables& variables, const BasicRunOptions& options) {
  return ExecuteFrom(code, variables, options, nullptr);
}

#define HANDLER(name) handle_##name
// A fault goes to the handler ON ERROR set, or ends the run (cold code,
// out of the handlers' way).
#define FAIL(made)      \
  do {                  \
    fault = (made);     \
    goto failed;        \
  } while (false)
#define DISPATCH()                                \
  do {                                            \
    in = &program[pc++];                          \
    goto* handlers[static_cast<uint8_t>(in->op)]; \
  } while (false)

BasicRunResult ExecuteFrom(const Code& code, Variables& variables, const BasicRunOptions& options,
                           RunState* state) {
  Machine machine(code, variables, options);
  DeclareArrays(code, variables);
  int32_t pc = Resume(machine, state);  // before the loops' place is taken below
  const Instruction* const program = code.instructions.data();
  const double* const constants = code.numbers.data();
  double* const vars = variables.numbers.data();
  LoopState* const loops = machine.loops.data();
  double* sp = machine.numbers.data();
  RunFault fault;

  // Threaded dispatch: each handler ends by jumping straight to the next
  // instruction's handler, through a table of the handlers' addresses (a
  // GCC extension). A shared switch cost each instruction a bounds check
  // and a jump back to it, a third of the arithmetic loop's instructions.
  // The inline instructions each have a handler below, under their own
  // name; the others all go to ExecuteStatement. The table is constant but
  // the function's own, on its stack: a static one takes a register from
  // the loop for its address, and the arithmetic loop then spills its
  // variables' base (4 instructions more an iteration, by callgrind), while
  // this one costs a store per instruction of the list once a run.
#define BASIC_INLINE_HANDLER(name, ...) &&HANDLER(name),
#define BASIC_STATEMENT_HANDLER(name, ...) &&HANDLER(Statement),
  const void* const handlers[] = {BASIC_INSTRUCTIONS(BASIC_INLINE_HANDLER, BASIC_STATEMENT_HANDLER)};
#undef BASIC_STATEMENT_HANDLER
#undef BASIC_INLINE_HANDLER
  const Instruction* in;
  DISPATCH();

  HANDLER(PushNumber): *sp++ = constants[in->a]; DISPATCH();
  HANDLER(LoadNumber): *sp++ = vars[in->a]; DISPATCH();
  HANDLER(StringVariableLength):
    *sp++ = StringLength(variables.strings[static_cast<std::size_t>(in->a)]);
    DISPATCH();
  HANDLER(StoreDouble):
    if (!KeepDouble(*--sp, &vars[in->a])) FAIL(Overflow);
    DISPATCH();
  HANDLER(StoreSingle):
    if (!KeepSingle(*--sp, &vars[in->a])) FAIL(Overflow);
    DISPATCH();
  HANDLER(StoreInteger):
    if (!KeepInteger(*--sp, &vars[in->a])) FAIL(Overflow);
    DISPATCH();
  HANDLER(StoreLong):
    if (!KeepLong(*--sp, &vars[in->a])) FAIL(Overflow);
    DISPATCH();
  HANDLER(CheckInteger):
    if (!(sp[-1] >= -32768.0 && sp[-1] <= 32767.0)) FAIL(Overflow);
    DISPATCH();
  HANDLER(CheckLong):
    if (!(sp[-1] >= -2147483648.0 && sp[-1] <= 2147483647.0)) FAIL(Overflow);
    DISPATCH();
  HANDLER(Add): --sp; sp[-1] = sp[-1] + sp[0]; DISPATCH();
  HANDLER(Subtract): --sp; sp[-1] = sp[-1] - sp[0]; DISPATCH();
  HANDLER(Multiply): --sp; sp[-1] = sp[-1] * sp[0]; DISPATCH();
  HANDLER(Divide):
    --sp;
    if (sp[0] == 0) FAIL(DivisionFault(sp[-1]));
    sp[-1] = sp[-1] / sp[0];
    DISPATCH();
  HANDLER(AddVariable): sp[-1] = sp[-1] + vars[in->a]; DISPATCH();
  HANDLER(SubtractVariable): sp[-1] = sp[-1] - vars[in->a]; DISPATCH();
  HANDLER(MultiplyVariable): sp[-1] = sp[-1] * vars[in->a]; DISPATCH();
  HANDLER(DivideVariable):
    if (vars[in->a] == 0) FAIL(DivisionFault(sp[-1]));
    sp[-1] = sp[-1] / vars[in->a];
    DISPATCH();
  HANDLER(AddConstant): sp[-1] = sp[-1] + constants[in->a]; DISPATCH();
  HANDLER(SubtractConstant): sp[-1] = sp[-1] - constants[in->a]; DISPATCH();
  HANDLER(MultiplyConstant): sp[-1] = sp[-1] * constants[in->a]; DISPATCH();
  HANDLER(DivideConstant):
    if (constants[in->a] == 0) FAIL(DivisionFault(sp[-1]));
    sp[-1] = sp[-1] / constants[in->a];
    DISPATCH();
  HANDLER(VariableAddConstant): *sp++ = vars[in->a] + constants[in->b]; DISPATCH();
  HANDLER(VariableSubtractConstant): *sp++ = vars[in->a] - constants[in->b]; DISPATCH();
  HANDLER(VariableMultiplyConstant): *sp++ = vars[in->a] * constants[in->b]; DISPATCH();
  HANDLER(VariableDivideConstant):
    if (constants[in->b] == 0) FAIL(DivisionFault(vars[in->a]));
    *sp++ = vars[in->a] / constants[in->b];
    DISPATCH();
  HANDLER(VariableAddVariable): *sp++ = vars[in->a] + vars[in->b]; DISPATCH();
  HANDLER(VariableSubtractVariable): *sp++ = vars[in->a] - vars[in->b]; DISPATCH();
  HANDLER(VariableMultiplyVariable): *sp++ = vars[in->a] * vars[in->b]; DISPATCH();
  HANDLER(VariableDivideVariable):
    if (vars[in->b] == 0) FAIL(DivisionFault(vars[in->a]));
    *sp++ = vars[in->a] / vars[in->b];
    DISPATCH();
  HANDLER(Power): {
    --sp;
    if (PowerUndefined(sp[-1], sp[0])) FAIL(PowerFault(sp[-1], sp[0], 0));
    const double power = NumPow(sp[-1], sp[0]);
    if (!std::isfinite(power)) FAIL(PowerFault(sp[-1], sp[0], power));
    sp[-1] = power;
    DISPATCH();
  }
  HANDLER(Negate): sp[-1] = -sp[-1]; DISPATCH();
  HANDLER(Equal): --sp; sp[-1] = Truth(sp[-1] == sp[0]); DISPATCH();
  HANDLER(NotEqual): --sp; sp[-1] = Truth(sp[-1] != sp[0]); DISPATCH();
  HANDLER(Less): --sp; sp[-1] = Truth(sp[-1] < sp[0]); DISPATCH();
  HANDLER(Greater): --sp; sp[-1] = Truth(sp[-1] > sp[0]); DISPATCH();
  HANDLER(LessEqual): --sp; sp[-1] = Truth(sp[-1] <= sp[0]); DISPATCH();
  HANDLER(GreaterEqual): --sp; sp[-1] = Truth(sp[-1] >= sp[0]); DISPATCH();
  HANDLER(Pop): --sp; DISPATCH();

  HANDLER(Jump): pc = in->a; DISPATCH();
  HANDLER(JumpIfFalse): if (*--sp == 0) pc = in->a; DISPATCH();
  HANDLER(JumpIfTrue): if (*--sp != 0) pc = in->a; DISPATCH();
  HANDLER(Gosub):
    if (!PushReturn(machine, pc)) FAIL(GosubTooDeep);
    pc = in->a;
    DISPATCH();
  HANDLER(OnGoto): HANDLER(OnGosub): {
    // Lands on the chosen one of the in->a Jumps that follow, or past them.
    const int32_t choice = NumToInt32(*--sp);
    if (choice < 0 || choice > MaxOnChoice) FAIL(IllegalCall("ON needs a number from 0 to 255"));
    const int32_t after = pc + in->a;
    if (choice == 0 || choice > in->a) {
      pc = after;
      DISPATCH();
    }
    if (in->op == Op::OnGosub && !PushReturn(machine, after)) FAIL(GosubTooDeep);
    pc += choice - 1;
    DISPATCH();
  }
  HANDLER(Return):
    if (machine.gosubs.size() <= machine.gosub_floor) FAIL(RunFault{RunError::ReturnWithoutGosub});
    pc = machine.gosubs.back();
    machine.gosubs.pop_back();
    if (machine.events.handlers_running > 0) EndHandlers(machine.events, machine.gosubs.size());
    DISPATCH();
  HANDLER(EventCheck): {
    // A countdown per statement; the keys and the clock only when it runs out.
    if (--machine.events.countdown > 0) DISPATCH();
    const int32_t handler = TakeEvent(machine, machine.gosubs.size() + 1);
    if (handler >= 0) {
      if (!PushReturn(machine, pc)) FAIL(GosubTooDeep);
      pc = handler;
    }
    DISPATCH();
  }
  HANDLER(ForStartDouble): HANDLER(ForStartSingle): HANDLER(ForStartInteger): HANDLER(ForStartLong): {
    sp -= 3;
    const ValueKind kind = LoopKind(in->op);
    double start, limit, step;
    if (!KeepNumber(kind, sp[0], &start) || !KeepNumber(kind, sp[1], &limit) || !KeepNumber(kind, sp[2], &step)) {
      FAIL(Overflow);
    }
    LoopState& loop = loops[in->b];
    loop = LoopState{limit, step, true};
    vars[in->a] = start;
    if (!Continues(start, loop)) pc = in->c;
    DISPATCH();
  }
  HANDLER(ForNextDouble): {
    const LoopState& loop = loops[in->b];
    if (!loop.started) FAIL(EnteredByAJump);
    const double value = vars[in->a] + loop.step;
    if (!KeepDouble(value, &vars[in->a])) FAIL(Overflow);
    if (Continues(value, loop)) pc = in->c;
    DISPATCH();
  }
  HANDLER(ForNextSingle): HANDLER(ForNextInteger): HANDLER(ForNextLong): {
    const LoopState& loop = loops[in->b];
    if (!loop.started) FAIL(EnteredByAJump);
    double value;
    if (!KeepNumber(LoopKind(in->op), vars[in->a] + loop.step, &value)) FAIL(Overflow);
    vars[in->a] = value;
    if (Continues(value, loop)) pc = in->c;
    DISPATCH();
  }
  HANDLER(CallSub): HANDLER(CallFunction): HANDLER(CallStringFunction): {
    const CallSite& site = code.call_sites[static_cast<std::size_t>(in->a)];
    if (GoesDirectly(machine, site, sp - in->b)) {
      const int32_t entry = EnterDirectly(machine, in->a, site, pc, sp - in->b);
      if (entry < 0) FAIL(Overflow);
      sp -= in->b;
      pc = entry;
      DISPATCH();
    }
    const Resumed resumed = CallProcedure(machine, *in, pc, sp);
    if (resumed.position < 0) FAIL(machine.calls.fault);
    sp = resumed.sp;
    pc = resumed.position;
    DISPATCH();
  }
  HANDLER(ReturnFromProcedure): {
    // A return that fails has ended its call: the error is the caller's,
    // at the call.
    if (!machine.calls.frames.empty() && machine.calls.frames.back().way == CallWay::Direct) {
      const int32_t caller = machine.calls.frames.back().return_position;
      const int32_t back = LeaveDirectly(machine, sp);
      if (back < 0) {
        pc = caller;
        FAIL(Overflow);
      }
      pc = back;
      DISPATCH();
    }
    const int32_t caller = machine.calls.frames.empty() ? pc : machine.calls.frames.back().return_position;
    const Resumed resumed = ReturnFromProcedure(machine, sp);
    if (resumed.position < 0) {
      pc = caller;
      FAIL(machine.calls.fault);
    }
    sp = resumed.sp;
    pc = resumed.position;
    DISPATCH();
  }
  HANDLER(End):
    if (EndsInHandler(machine, pc - 1)) FAIL(RunFault{RunError::NoResume});
    FlushPrinted(machine);
    return BasicRunResult{BasicOutcome::Ended, std::string(), std::string()};
  HANDLER(Stop): return Stop(machine, pc, state);
  HANDLER(Statement):
    sp = ExecuteStatement(machine, *in, sp, &fault);
    if (fault) goto failed;
    DISPATCH();
  HANDLER(Restart):
    pc = Restart(machine, in->a);
    sp = machine.numbers.data();
    DISPATCH();
  HANDLER(Resume): {
    const TrapJump resumed = ResumeAfterError(machine, *in);
    if (resumed.position < 0) FAIL(RunFault{RunError::ResumeWithoutError});
    sp = resumed.sp;
    pc = resumed.position;
    DISPATCH();
  }
failed : {
  const TrapJump handler = TrapFault(machine, pc - 1, fault);
  if (handler.position < 0) return Failed(machine, pc - 1, fault);
  sp = handler.sp;
  pc = handler.position;
  DISPATCH();
}
}

#undef FAIL

#undef DISPATCH
#undef HANDLER
