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
#include <algorithm>

#include "basic/procedures/direct_calls.h"
#include "basic/executor/executor.h"

namespace {

// Moves an array's elements and bounds; the source is left unmade.
void TakeContents(ArrayVariable& to, ArrayVariable& from) {
  to.made = from.made;
  to.dimensioned = from.dimensioned;
  std::copy(std::begin(from.lower), std::end(from.lower), std::begin(to.lower));
  std::copy(std::begin(from.upper), std::end(from.upper), std::begin(to.upper));
  to.numbers.swap(from.numbers);
  to.strings.swap(from.strings);
  std::vector<double>().swap(from.numbers);
  std::vector<RtString>().swap(from.strings);
  from.made = false;
  from.dimensioned = false;
}

Resumed Fail(Machine& machine, std::string message) {
  machine.calls.error = std::move(message);
  return Resumed{nullptr, -1};
}

bool IsElement(ArgumentKind kind) {
  return kind == ArgumentKind::NumberElement || kind == ArgumentKind::IntegerElement ||
         kind == ArgumentKind::StringElement;
}

bool IsString(ArgumentKind kind) {
  return kind == ArgumentKind::StringValue || kind == ArgumentKind::StringVariable ||
         kind == ArgumentKind::StringElement;
}

bool ByReference(ArgumentKind kind) { return kind != ArgumentKind::NumberValue && kind != ArgumentKind::StringValue; }

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

// The elements passed by reference, found before anything moves, since
// finding one can fail.
const char* FindElements(Machine& machine, const CallSite& site, const double* numbers) {
  for (const Argument& argument : site.arguments) {
    if (IsElement(argument.kind)) {
      std::size_t index;
      ArrayVariable& array = machine.variables.arrays[static_cast<std::size_t>(argument.slot)];
      if (const char* error = ElementIndex(array, numbers, &index)) return error;
      machine.calls.elements.push_back(index);
    }
    if (IsElement(argument.kind)) numbers += argument.subscripts;
    if (argument.kind == ArgumentKind::NumberValue) ++numbers;
  }
  return nullptr;
}

// The arguments' values, in order, into the passed lists; values on the
// stacks are taken off them.
void ReadArguments(Machine& machine, const CallSite& site, const Procedure& procedure, const double* numbers,
                   RtString* strings, std::size_t element) {
  Variables& variables = machine.variables;
  CallStack& calls = machine.calls;
  std::size_t number = 0, string = 0;
  for (std::size_t i = 0; i < site.arguments.size(); ++i) {
    const Argument& argument = site.arguments[i];
    const std::size_t slot = static_cast<std::size_t>(argument.slot);
    switch (argument.kind) {
      case ArgumentKind::NumberValue: calls.passed_numbers[number++] = *numbers++; break;
      case ArgumentKind::StringValue: calls.passed_strings[string++] = *strings++; break;
      case ArgumentKind::NumberVariable: case ArgumentKind::IntegerVariable:
        calls.passed_numbers[number++] = variables.numbers[slot];
        break;
      case ArgumentKind::StringVariable:
        calls.passed_strings[string++] = NewString(BytesOf(variables.strings[slot]));
        break;
      case ArgumentKind::NumberElement: case ArgumentKind::IntegerElement:
        calls.passed_numbers[number++] = variables.arrays[slot].numbers[calls.elements[element++]];
        numbers += argument.subscripts;
        break;
      case ArgumentKind::StringElement:
        calls.passed_strings[string++] = NewString(BytesOf(variables.arrays[slot].strings[calls.elements[element++]]));
        numbers += argument.subscripts;
        break;
      case ArgumentKind::WholeArray:
        if (procedure.parameters[i].slot < 0) break;
        calls.passed_arrays.emplace_back();
        TakeContents(calls.passed_arrays.back(), variables.arrays[slot]);
        break;
    }
  }
}

void SaveOtherLocals(Machine& machine, const Procedure& procedure);
void RestoreOtherLocals(Machine& machine, const Procedure& procedure, const OtherSaves& saves);

// Room for count more saved numbers; out of line, as it is seldom needed.
[[gnu::noinline]] void GrowSavedNumbers(CallStack& calls, std::size_t count) {
  calls.saved_numbers.resize(std::max(2 * calls.saved_numbers.size(), calls.saved_numbers_top + count));
}

void SaveLocals(Machine& machine, const Procedure& procedure) {
  CallStack& calls = machine.calls;
  const std::size_t count = procedure.number_locals.size();
  if (calls.saved_numbers_top + count > calls.saved_numbers.size()) GrowSavedNumbers(calls, count);
  double* saved = calls.saved_numbers.data() + calls.saved_numbers_top;
  calls.saved_numbers_top += count;
  double* const numbers = machine.variables.numbers.data();
  const int32_t* const slots = procedure.number_locals.data();
  for (std::size_t i = 0; i < count; ++i) {
    saved[i] = numbers[slots[i]];
    numbers[slots[i]] = 0;
  }
  if (!procedure.numbers_only) SaveOtherLocals(machine, procedure);
}

void SaveOtherLocals(Machine& machine, const Procedure& procedure) {
  Variables& variables = machine.variables;
  CallStack& calls = machine.calls;
  for (int32_t slot : procedure.string_locals) {
    RtString& value = variables.strings[static_cast<std::size_t>(slot)];
    calls.saved_strings.push_back(value);
    value = nullptr;
  }
  for (int32_t slot : procedure.array_locals) {
    calls.saved_arrays.emplace_back();
    TakeContents(calls.saved_arrays.back(), variables.arrays[static_cast<std::size_t>(slot)]);
  }
  for (int32_t loop = procedure.first_loop; loop < procedure.loop_end; ++loop) {
    LoopState& state = machine.loops[static_cast<std::size_t>(loop)];
    calls.saved_loops.push_back(state);
    state.started = false;
  }
}

// Puts back what the call saved, releasing what the call leaves.
void RestoreLocals(Machine& machine, const Procedure& procedure, const Frame& frame, const OtherSaves& saves) {
  CallStack& calls = machine.calls;
  const std::size_t count = procedure.number_locals.size();
  double* const numbers = machine.variables.numbers.data();
  const int32_t* const slots = procedure.number_locals.data();
  const double* const saved = calls.saved_numbers.data() + frame.numbers;
  for (std::size_t i = 0; i < count; ++i) numbers[slots[i]] = saved[i];
  calls.saved_numbers_top = frame.numbers;
  if (!procedure.numbers_only) RestoreOtherLocals(machine, procedure, saves);
}

void RestoreOtherLocals(Machine& machine, const Procedure& procedure, const OtherSaves& saves) {
  Variables& variables = machine.variables;
  CallStack& calls = machine.calls;
  for (std::size_t i = 0; i < procedure.string_locals.size(); ++i) {
    RtString& value = variables.strings[static_cast<std::size_t>(procedure.string_locals[i])];
    StrRelease(value);
    value = calls.saved_strings[saves.strings + i];
  }
  for (std::size_t i = 0; i < procedure.array_locals.size(); ++i) {
    ArrayVariable& array = variables.arrays[static_cast<std::size_t>(procedure.array_locals[i])];
    UnmakeArray(array);
    TakeContents(array, calls.saved_arrays[saves.arrays + i]);
  }
  for (int32_t loop = procedure.first_loop; loop < procedure.loop_end; ++loop) {
    machine.loops[static_cast<std::size_t>(loop)] = calls.saved_loops[saves.loops + static_cast<std::size_t>(loop - procedure.first_loop)];
  }
  calls.saved_strings.resize(saves.strings);
  calls.saved_arrays.resize(saves.arrays);
  calls.saved_loops.resize(saves.loops);
}

void GiveParameters(Machine& machine, const Procedure& procedure) {
  Variables& variables = machine.variables;
  CallStack& calls = machine.calls;
  std::size_t number = 0, string = 0, array = 0;
  for (const Parameter& parameter : procedure.parameters) {
    const std::size_t slot = static_cast<std::size_t>(parameter.slot);
    switch (parameter.kind) {
      case ParameterKind::Number: variables.numbers[slot] = calls.passed_numbers[number++]; break;
      case ParameterKind::Integer: variables.numbers[slot] = Integer16(calls.passed_numbers[number++]); break;
      case ParameterKind::String: variables.strings[slot] = calls.passed_strings[string++]; break;
      case ParameterKind::Array:
        if (parameter.slot >= 0) TakeContents(variables.arrays[slot], calls.passed_arrays[array++]);
        break;
    }
  }
  calls.passed_arrays.clear();
}

// The quick call: every argument a number and every local of the
// procedure a number, so that the call is the steps of ReadArguments,
// SaveLocals and GiveParameters for numbers alone, in one pass each.
Resumed QuickCall(Machine& machine, int32_t call_site, const CallSite& site, const Procedure& procedure,
                  int32_t return_position, double* stack) {
  CallStack& calls = machine.calls;
  calls.frames.push_back(Frame{call_site, return_position, site.way, calls.saved_numbers_top, machine.gosub_floor});
  machine.gosub_floor = machine.gosubs.size();
  double* const numbers = machine.variables.numbers.data();
  double* const passed = calls.passed_numbers;
  const std::size_t count = site.arguments.size();
  const Argument* const arguments = site.arguments.data();
  const double* values = stack;
  for (std::size_t i = 0; i < count; ++i) {
    passed[i] = arguments[i].kind == ArgumentKind::NumberValue ? *values++ : numbers[arguments[i].slot];
  }
  const std::size_t locals = procedure.number_locals.size();
  if (calls.saved_numbers_top + locals > calls.saved_numbers.size()) GrowSavedNumbers(calls, locals);
  double* const saved = calls.saved_numbers.data() + calls.saved_numbers_top;
  calls.saved_numbers_top += locals;
  const int32_t* const slots = procedure.number_locals.data();
  for (std::size_t i = 0; i < locals; ++i) {
    saved[i] = numbers[slots[i]];
    numbers[slots[i]] = 0;
  }
  const Parameter* const parameters = procedure.parameters.data();
  for (std::size_t i = 0; i < count; ++i) {
    numbers[parameters[i].slot] = parameters[i].kind == ParameterKind::Integer ? Integer16(passed[i]) : passed[i];
  }
  return Resumed{MakeRoom(machine, stack), procedure.entry};
}

// And its return: ReadParameters, RestoreLocals and WriteBack for numbers,
// then the result onto the stack.
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
  for (std::size_t i = 0; i < count; ++i) {
    if (arguments[i].kind == ArgumentKind::NumberVariable) numbers[arguments[i].slot] = passed[i];
    if (arguments[i].kind == ArgumentKind::IntegerVariable) numbers[arguments[i].slot] = Integer16(passed[i]);
  }
  PopFrame(machine, frame);
  return Resumed{sp, position};
}

// The values of the parameters passed by reference, taken before the
// locals are put back.
void ReadParameters(Machine& machine, const CallSite& site, const Procedure& procedure) {
  Variables& variables = machine.variables;
  CallStack& calls = machine.calls;
  std::size_t number = 0, string = 0;
  for (std::size_t i = 0; i < site.arguments.size(); ++i) {
    const ArgumentKind kind = site.arguments[i].kind;
    const int32_t slot = procedure.parameters[i].slot;
    if (!ByReference(kind) || slot < 0) continue;
    if (kind == ArgumentKind::WholeArray) {
      calls.passed_arrays.emplace_back();
      TakeContents(calls.passed_arrays.back(), variables.arrays[static_cast<std::size_t>(slot)]);
    } else if (IsString(kind)) {
      RtString& value = variables.strings[static_cast<std::size_t>(slot)];
      calls.passed_strings[string++] = value;
      value = nullptr;
    } else {
      calls.passed_numbers[number++] = variables.numbers[static_cast<std::size_t>(slot)];
    }
  }
}

// Writes the parameters' values to the caller's variables. An element
// whose array is gone takes nothing; the message says so.
const char* WriteBack(Machine& machine, const CallSite& site, const Procedure& procedure, std::size_t element) {
  Variables& variables = machine.variables;
  CallStack& calls = machine.calls;
  const char* error = nullptr;
  std::size_t number = 0, string = 0, array = 0;
  for (std::size_t i = 0; i < site.arguments.size(); ++i) {
    const Argument& argument = site.arguments[i];
    const std::size_t slot = static_cast<std::size_t>(argument.slot);
    switch (argument.kind) {
      case ArgumentKind::NumberValue: case ArgumentKind::StringValue: break;
      case ArgumentKind::NumberVariable: variables.numbers[slot] = calls.passed_numbers[number++]; break;
      case ArgumentKind::IntegerVariable: variables.numbers[slot] = Integer16(calls.passed_numbers[number++]); break;
      case ArgumentKind::StringVariable:
        StrRelease(variables.strings[slot]);
        variables.strings[slot] = calls.passed_strings[string++];
        break;
      case ArgumentKind::NumberElement: case ArgumentKind::IntegerElement: {
        std::vector<double>& numbers = variables.arrays[slot].numbers;
        const std::size_t index = calls.elements[element++];
        const double value = calls.passed_numbers[number++];
        if (index >= numbers.size()) {
          error = "an array changed size while its element was passed to a procedure";
        } else {
          numbers[index] = argument.kind == ArgumentKind::IntegerElement ? Integer16(value) : value;
        }
        break;
      }
      case ArgumentKind::StringElement: {
        std::vector<RtString>& strings = variables.arrays[slot].strings;
        const std::size_t index = calls.elements[element++];
        RtString value = calls.passed_strings[string++];
        if (index >= strings.size()) {
          error = "an array changed size while its element was passed to a procedure";
          StrRelease(value);
        } else {
          StrRelease(strings[index]);
          strings[index] = value;
        }
        break;
      }
      case ArgumentKind::WholeArray:
        if (procedure.parameters[i].slot < 0) break;
        UnmakeArray(variables.arrays[slot]);
        TakeContents(variables.arrays[slot], calls.passed_arrays[array++]);
        break;
    }
  }
  calls.passed_arrays.clear();
  return error;
}

// Ends the innermost call; its result, if any, goes to *number or
// *string.
const char* EndCall(Machine& machine, double* number, RtString* string) {
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
  if (frame.way != CallWay::Full) return nullptr;
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
  const char* error = WriteBack(machine, site, procedure, saves.elements);
  calls.elements.resize(saves.elements);
  calls.other_saves.pop_back();
  PopFrame(machine, frame);
  return error;
}

// The call of every other kind, and the call too deep.
[[gnu::noinline]] Resumed FullCall(Machine& machine, const Instruction& in, int32_t return_position, double* sp) {
  CallStack& calls = machine.calls;
  if (calls.frames.size() >= MaxCallDepth) {
    return Fail(machine, "procedures nested too deeply (more than " + std::to_string(MaxCallDepth) + " calls)");
  }
  const CallSite& site = machine.code.call_sites[static_cast<std::size_t>(in.a)];
  const Procedure& procedure = machine.code.procedures[static_cast<std::size_t>(site.procedure)];
  double* const numbers = sp - in.b;
  RtString* const strings = machine.strings_top - in.c;
  const Frame frame{in.a, return_position, site.way, calls.saved_numbers_top, machine.gosub_floor};
  const OtherSaves saves{calls.saved_strings.size(), calls.saved_arrays.size(), calls.saved_loops.size(),
                         calls.elements.size()};
  if (const char* error = site.elements ? FindElements(machine, site, numbers) : nullptr) {
    calls.elements.resize(saves.elements);
    return Fail(machine, error);
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
  if (const char* error = EndCall(machine, &number, &string)) {
    StrRelease(string);
    return Fail(machine, error);
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
      return Resumed{stack, EnterDirectly(machine, in.a, site, return_position, stack)};
    }
    if (site.way == CallWay::Quick) return QuickCall(machine, in.a, site, procedure, return_position, sp - in.b);
  }
  return FullCall(machine, in, return_position, sp);
}

Resumed ReturnFromProcedure(Machine& machine, double* sp) {
  // Only a call reaches a body; this guards the executor all the same.
  if (machine.calls.frames.empty()) return Fail(machine, "the end of a procedure reached without a call");
  const Frame& frame = machine.calls.frames.back();
  const CallSite& site = machine.code.call_sites[static_cast<std::size_t>(frame.call_site)];
  const Procedure& procedure = machine.code.procedures[static_cast<std::size_t>(site.procedure)];
  if (frame.way == CallWay::Direct) {
    const int32_t position = LeaveDirectly(machine, sp);
    return Resumed{sp, position};
  }
  if (frame.way == CallWay::Quick) return QuickReturn(machine, site, procedure, sp);
  return FullReturn(machine, sp);
}

void UnwindProcedures(Machine& machine) {
  while (!machine.calls.frames.empty()) {
    double number;
    RtString string = nullptr;
    EndCall(machine, &number, &string);
    StrRelease(string);
  }
}
