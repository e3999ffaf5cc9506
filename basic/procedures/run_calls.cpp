// Method: a call reads its arguments (by reference: the variable's or the
// element's value now), saves the procedure's locals on the save stacks and
// clears them, and gives the parameters the arguments. The return reads the
// parameters passed by reference and the result, puts the saved locals back,
// then writes the parameters' values to the caller's variables. Reading
// before the locals change and writing after they are back is what keeps a
// recursive call's arguments, which may be its caller's locals, right.
//
// A call whose arguments and whose procedure's locals are all numbers, the
// common case, takes a quick way through the same steps (QuickCall and
// QuickReturn): its frame saves numbers only, and what the other calls
// save besides goes on a stack of its own. When the procedure is not
// reentrant, such a call saves nothing at all (direct_calls.h); the
// executor takes that way itself and comes here only when the stacks must
// grow first.
//
// Special cases: an element passed by reference is found again by its place
// in the array, which must still be there at the return; an array passed
// whole moves into the parameter for the call and back after it.
#include "basic/procedures/run_calls.h"

#include <algorithm>
#include <string>

#include "basic/executor/machine.h"
#include "basic/executor/string_values.h"
#include "basic/procedures/call_values.h"
#include "basic/procedures/direct_calls.h"

namespace {

Resumed Fail(Machine& machine, RunFault fault) {
  machine.calls.fault = fault;
  return Resumed{nullptr, -1};
}

// Grows the stacks for MakeRoom; out of line, as it is seldom needed.
[[gnu::noinline]] double* GrowStacks(Machine& machine, double* sp) {
  const std::size_t used = static_cast<std::size_t>(sp - machine.numbers.data());
  const std::size_t needed = used + static_cast<std::size_t>(machine.code.number_stack) + 1;
  if (needed > machine.numbers.size()) machine.numbers.resize(std::max(needed, machine.numbers.size() * 2));
  const std::size_t strings_used = static_cast<std::size_t>(machine.strings_top - machine.strings.data());
  const std::size_t strings_needed = strings_used + static_cast<std::size_t>(machine.code.string_stack) + 1;
  if (strings_needed > machine.strings.size()) {
    machine.strings.resize(std::max(strings_needed, machine.strings.size() * 2));
  }
  machine.strings_top = machine.strings.data() + strings_used;
  return machine.numbers.data() + used;
}

double* MakeRoom(Machine& machine, double* sp) { return StacksHaveRoom(machine, sp) ? sp : GrowStacks(machine, sp); }

// The quick call: every argument a number and every local of the
// procedure a number, so that the call is the steps of ReadArguments,
// SaveLocals and GiveParameters for numbers alone, in one pass each.
Resumed QuickCall(Machine& machine, int32_t call_site, const CallSite& site, const Procedure& procedure,
                  int32_t return_position, double* stack) {
  CallStack& calls = machine.calls;
  double* const numbers = machine.variables.numbers.data();
  double* const passed = calls.passed_numbers;
  const std::size_t count = site.arguments.size();
  const Argument* const arguments = site.arguments.data();
  const Parameter* const parameters = procedure.parameters.data();
  const double* values = stack;
  for (std::size_t i = 0; i < count; ++i) {
    const double value = arguments[i].kind == ArgumentKind::NumberValue ? *values++ : numbers[arguments[i].slot];
    if (!KeepNumber(parameters[i].number_kind, value, &passed[i])) return Fail(machine, RunFault{RunError::Overflow});
  }
  calls.frames.push_back(Frame{call_site, return_position, site.way, calls.saved_numbers_top, machine.gosub_floor});
  machine.gosub_floor = machine.gosubs.size();
  const std::size_t locals = procedure.number_locals.size();
  if (calls.saved_numbers_top + locals > calls.saved_numbers.size()) GrowSavedNumbers(calls, locals);
  double* const saved = calls.saved_numbers.data() + calls.saved_numbers_top;
  calls.saved_numbers_top += locals;
  const int32_t* const slots = procedure.number_locals.data();
  for (std::size_t i = 0; i < locals; ++i) {
    saved[i] = numbers[slots[i]];
    numbers[slots[i]] = 0;
  }
  for (std::size_t i = 0; i < count; ++i) numbers[parameters[i].slot] = passed[i];
  return Resumed{MakeRoom(machine, stack), procedure.entry};
}

// And its return: ReadParameters, RestoreLocals and WriteBack for numbers,
// then the result onto the stack. A value its variable cannot hold is left
// out, and the return fails with Overflow once the call is over.
[[gnu::always_inline]] inline Resumed QuickReturn(Machine& machine, const CallSite& site,
                                                  const Procedure& procedure, double* sp) {
  CallStack& calls = machine.calls;
  const Frame& frame = calls.frames.back();
  const int32_t position = frame.return_position;
  double* const numbers = machine.variables.numbers.data();
  // Numbers only: a procedure with a result is a numeric function, called
  // by CallFunction.
  if (procedure.result_slot >= 0) *sp++ = numbers[procedure.result_slot];
  double* const passed = calls.passed_numbers;
  const std::size_t count = site.arguments.size();
  const Argument* const arguments = site.arguments.data();
  const Parameter* const parameters = procedure.parameters.data();
  for (std::size_t i = 0; i < count; ++i) passed[i] = numbers[parameters[i].slot];
  const std::size_t locals = procedure.number_locals.size();
  const int32_t* const slots = procedure.number_locals.data();
  const double* const saved = calls.saved_numbers.data() + frame.numbers;
  for (std::size_t i = 0; i < locals; ++i) numbers[slots[i]] = saved[i];
  calls.saved_numbers_top = frame.numbers;
  bool kept = true;
  for (std::size_t i = 0; i < count; ++i) {
    if (arguments[i].kind != ArgumentKind::NumberVariable) continue;
    kept &= KeepNumber(arguments[i].number_kind, passed[i], &numbers[arguments[i].slot]);
  }
  PopFrame(machine, frame);
  if (!kept) return Fail(machine, RunFault{RunError::Overflow});
  return Resumed{sp, position};
}

// Ends the innermost call; its result, if any, goes to *number or
// *string.
RunFault EndCall(Machine& machine, double* number, RtString* string) {
  CallStack& calls = machine.calls;
  const Frame& frame = calls.frames.back();  // until the pop at the end
  const CallSite& site = machine.code.call_sites[static_cast<std::size_t>(frame.call_site)];
  const Procedure& procedure = machine.code.procedures[static_cast<std::size_t>(site.procedure)];
  double result[1];  // where a quick call's result would go; an unwinding drops it
  if (frame.way == CallWay::Quick) QuickReturn(machine, site, procedure, result);
  if (frame.way == CallWay::Direct) {
    double* top = result;
    LeaveDirectly(machine, top);
  }
  if (frame.way != CallWay::Full) return {};
  ReadParameters(machine, site, procedure);
  if (procedure.result_slot >= 0) {
    const std::size_t slot = static_cast<std::size_t>(procedure.result_slot);
    if (procedure.returns_string) {
      *string = machine.variables.strings[slot];
      machine.variables.strings[slot] = nullptr;
    } else {
      *number = machine.variables.numbers[slot];
    }
  }
  const OtherSaves saves = calls.other_saves.back();
  RestoreLocals(machine, procedure, frame, saves);
  const RunFault fault = WriteBack(machine, site, procedure, saves.elements);
  calls.elements.resize(saves.elements);
  calls.other_saves.pop_back();
  PopFrame(machine, frame);
  return fault;
}

// The call of every other kind, and the call too deep.
[[gnu::noinline]] Resumed FullCall(Machine& machine, const Instruction& in, int32_t return_position, double* sp) {
  CallStack& calls = machine.calls;
  if (calls.frames.size() >= MaxCallDepth) {
    machine.calls.detail = "procedures nested too deeply (more than " + std::to_string(MaxCallDepth) + " calls)";
    return Fail(machine, RunFault{RunError::OutOfStackSpace, machine.calls.detail.c_str()});
  }
  const CallSite& site = machine.code.call_sites[static_cast<std::size_t>(in.a)];
  const Procedure& procedure = machine.code.procedures[static_cast<std::size_t>(site.procedure)];
  double* const numbers = sp - in.b;
  RtString* const strings = machine.strings_top - in.c;
  const Frame frame{in.a, return_position, site.way, calls.saved_numbers_top, machine.gosub_floor};
  const OtherSaves saves{calls.saved_strings.size(), calls.saved_arrays.size(), calls.saved_loops.size(),
                         calls.elements.size()};
  if (const RunFault fault = PrepareArguments(machine, site, procedure, numbers)) {
    calls.elements.resize(saves.elements);
    return Fail(machine, fault);
  }
  ReadArguments(machine, site, procedure, numbers, strings, saves.elements);
  machine.strings_top = strings;  // the string values now belong to the passed list
  SaveLocals(machine, procedure);
  GiveParameters(machine, procedure);
  calls.frames.push_back(frame);
  calls.other_saves.push_back(saves);
  machine.gosub_floor = machine.gosubs.size();
  return Resumed{MakeRoom(machine, numbers), procedure.entry};
}

// The return of every other kind.
[[gnu::noinline]] Resumed FullReturn(Machine& machine, double* sp) {
  const int32_t position = machine.calls.frames.back().return_position;
  const Op call = machine.code.instructions[static_cast<std::size_t>(position - 1)].op;
  double number = 0;
  RtString string = nullptr;
  if (const RunFault fault = EndCall(machine, &number, &string)) {
    ReleaseString(string);
    return Fail(machine, fault);
  }
  if (call == Op::CallFunction) *sp++ = number;
  // A variable holds "" as null; the stack holds real strings only.
  if (call == Op::CallStringFunction) machine.Push(string ? string : NewString(""));
  return Resumed{sp, position};
}

}  // namespace

// The quick kinds are told apart first; the others go out of line, so
// that the quick ones stay lean.
Resumed CallProcedure(Machine& machine, const Instruction& in, int32_t return_position, double* sp) {
  const CallSite& site = machine.code.call_sites[static_cast<std::size_t>(in.a)];
  const Procedure& procedure = machine.code.procedures[static_cast<std::size_t>(site.procedure)];
  if (machine.calls.frames.size() < MaxCallDepth) {
    if (site.way == CallWay::Direct) {
      double* const stack = MakeRoom(machine, sp - in.b);
      const int32_t entry = EnterDirectly(machine, in.a, site, return_position, stack);
      return entry < 0 ? Fail(machine, RunFault{RunError::Overflow}) : Resumed{stack, entry};
    }
    if (site.way == CallWay::Quick) return QuickCall(machine, in.a, site, procedure, return_position, sp - in.b);
  }
  return FullCall(machine, in, return_position, sp);
}

Resumed ReturnFromProcedure(Machine& machine, double* sp) {
  // Only a call reaches a body; this guards the executor all the same.
  if (machine.calls.frames.empty()) {
    return Fail(machine, RunFault{RunError::InternalError, "the end of a procedure reached without a call"});
  }
  const Frame& frame = machine.calls.frames.back();
  const CallSite& site = machine.code.call_sites[static_cast<std::size_t>(frame.call_site)];
  const Procedure& procedure = machine.code.procedures[static_cast<std::size_t>(site.procedure)];
  if (frame.way == CallWay::Direct) {
    const int32_t position = LeaveDirectly(machine, sp);
    return position < 0 ? Fail(machine, RunFault{RunError::Overflow}) : Resumed{sp, position};
  }
  if (frame.way == CallWay::Quick) return QuickReturn(machine, site, procedure, sp);
  return FullReturn(machine, sp);
}

void UnwindProcedures(Machine& machine) {
  while (!machine.calls.frames.empty()) {
    double number;
    RtString string = nullptr;
    EndCall(machine, &number, &string);
    ReleaseString(string);
  }
}
