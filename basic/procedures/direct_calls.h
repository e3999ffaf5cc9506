// The direct call, inlined in the executor's loop: a numbers-only call of
// a procedure that is not reentrant (CallWay::Direct). Its locals hold
// none of a caller's values, so they are only cleared, and no argument
// can be one of its parameters, so the arguments go straight into them
// and, at the return, straight back to the caller's variables.
#pragma once

#include "basic/executor/machine.h"

// Room above the number stack's top for the deepest statement of a body,
// and above the string stack's; a call inside an expression leaves its
// caller's operands below.
inline bool StacksHaveRoom(const Machine& machine, const double* sp) {
  return sp + machine.code.number_stack < machine.numbers.data() + machine.numbers.size() &&
         machine.strings_top + machine.code.string_stack < machine.strings.data() + machine.strings.size();
}

// The GOSUBs a call left unreturned are dropped with its frame.
inline void PopFrame(Machine& machine, const Frame& frame) {
  if (machine.gosubs.size() > machine.gosub_floor) machine.gosubs.resize(machine.gosub_floor);
  machine.gosub_floor = frame.gosub_floor;
  machine.calls.frames.pop_back();
}

// Whether the call can go directly: its way, room for one more frame and
// room on the stacks above its arguments (stack).
inline bool GoesDirectly(const Machine& machine, const CallSite& site, const double* stack) {
  return site.way == CallWay::Direct && machine.calls.frames.size() < MaxCallDepth && StacksHaveRoom(machine, stack);
}

// The call: the arguments' values start at stack. The body's first
// instruction comes back, or -1 when an argument does not fit its
// parameter's kind (Overflow), before anything has changed.
[[gnu::always_inline]] inline int32_t EnterDirectly(Machine& machine, int32_t call_site, const CallSite& site,
                                                    int32_t return_position, const double* stack) {
  const Procedure& procedure = machine.code.procedures[static_cast<std::size_t>(site.procedure)];
  CallStack& calls = machine.calls;
  double* const numbers = machine.variables.numbers.data();
  double* const kept = calls.passed_numbers;
  const std::size_t count = site.arguments.size();
  for (std::size_t i = 0; i < count; ++i) {
    const Argument& argument = site.arguments[i];
    const double value = argument.kind == ArgumentKind::NumberValue ? *stack++ : numbers[argument.slot];
    if (!KeepNumber(procedure.parameters[i].number_kind, value, &kept[i])) return -1;
  }
  calls.frames.push_back(
      Frame{call_site, return_position, CallWay::Direct, calls.saved_numbers_top, machine.gosub_floor});
  machine.gosub_floor = machine.gosubs.size();
  for (const int32_t slot : procedure.cleared_numbers) numbers[slot] = 0;
  for (std::size_t i = 0; i < count; ++i) numbers[procedure.parameters[i].slot] = kept[i];
  return procedure.entry;
}

// The return: the result onto the stack, the parameters passed by
// reference to the caller's variables, kept to their kinds. Where to go on
// comes back, or -1, once the call is over, when a variable cannot hold its
// value (Overflow; it keeps its own).
[[gnu::always_inline]] inline int32_t LeaveDirectly(Machine& machine, double*& sp) {
  const Frame& frame = machine.calls.frames.back();
  const CallSite& site = machine.code.call_sites[static_cast<std::size_t>(frame.call_site)];
  const Procedure& procedure = machine.code.procedures[static_cast<std::size_t>(site.procedure)];
  const int32_t position = frame.return_position;
  double* const numbers = machine.variables.numbers.data();
  if (procedure.result_slot >= 0) *sp++ = numbers[procedure.result_slot];
  const Parameter* parameter = procedure.parameters.data();
  bool kept = true;
  for (const Argument& argument : site.arguments) {
    if (argument.kind == ArgumentKind::NumberVariable) {
      kept &= KeepNumber(argument.number_kind, numbers[parameter->slot], &numbers[argument.slot]);
    }
    ++parameter;
  }
  PopFrame(machine, frame);
  return kept ? position : -1;
}
