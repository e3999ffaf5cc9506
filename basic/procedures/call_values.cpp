#include "basic/procedures/call_values.h"

#include <algorithm>
#include <iterator>

#include "basic/executor/machine.h"
#include "basic/executor/string_values.h"
#include "basic/records/fixed_strings.h"
#include "basic/variables/arrays.h"

namespace {

// A fixed-length string passed by reference keeps its length, whatever
// the procedure gave its parameter.
RtString Fitted(const Argument& argument, RtString value) {
  return argument.fixed_length > 0 ? FitString(value, argument.fixed_length, ' ') : value;
}

bool IsElement(ArgumentKind kind) { return kind == ArgumentKind::NumberElement || kind == ArgumentKind::StringElement; }

// A number argument's value as its parameter keeps it; the check before
// the call has made sure that it can.
double Kept(ValueKind kind, double value) {
  KeepNumber(kind, value, &value);
  return value;
}

bool IsString(ArgumentKind kind) {
  return kind == ArgumentKind::StringValue || kind == ArgumentKind::StringVariable ||
         kind == ArgumentKind::StringElement;
}

bool ByReference(ArgumentKind kind) { return kind != ArgumentKind::NumberValue && kind != ArgumentKind::StringValue; }

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

void RestoreOtherLocals(Machine& machine, const Procedure& procedure, const OtherSaves& saves) {
  Variables& variables = machine.variables;
  CallStack& calls = machine.calls;
  for (std::size_t i = 0; i < procedure.string_locals.size(); ++i) {
    RtString& value = variables.strings[static_cast<std::size_t>(procedure.string_locals[i])];
    ReleaseString(value);
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

}  // namespace

void TakeContents(ArrayVariable& to, ArrayVariable& from) {
  // A parameter whose subscripts its body leaves open takes the array's.
  to.subscripts = from.subscripts;
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

RunFault PrepareArguments(Machine& machine, const CallSite& site, const Procedure& procedure, const double* numbers) {
  const Variables& variables = machine.variables;
  for (std::size_t i = 0; i < site.arguments.size(); ++i) {
    const Argument& argument = site.arguments[i];
    double value = 0;
    if (IsElement(argument.kind)) {
      std::size_t index;
      ArrayVariable& array = machine.variables.arrays[static_cast<std::size_t>(argument.slot)];
      if (const RunFault fault = ElementIndex(array, numbers, &index)) return fault;
      machine.calls.elements.push_back(index);
      numbers += argument.subscripts;
      if (argument.kind == ArgumentKind::NumberElement) value = array.numbers[index];
    }
    if (argument.kind == ArgumentKind::NumberValue) value = *numbers++;
    if (argument.kind == ArgumentKind::NumberVariable) value = variables.numbers[static_cast<std::size_t>(argument.slot)];
    const Parameter& parameter = procedure.parameters[i];
    if (parameter.kind == ParameterKind::Number && !KeepNumber(parameter.number_kind, value, &value)) {
      return RunFault{RunError::Overflow};
    }
  }
  return {};
}

void ReadArguments(Machine& machine, const CallSite& site, const Procedure& procedure, const double* numbers,
                   RtString* strings, std::size_t element) {
  Variables& variables = machine.variables;
  CallStack& calls = machine.calls;
  std::size_t number = 0, string = 0;
  for (std::size_t i = 0; i < site.arguments.size(); ++i) {
    const Argument& argument = site.arguments[i];
    const std::size_t slot = static_cast<std::size_t>(argument.slot);
    switch (argument.kind) {
      case ArgumentKind::NumberValue:
        calls.passed_numbers[number++] = Kept(procedure.parameters[i].number_kind, *numbers++);
        break;
      case ArgumentKind::StringValue: calls.passed_strings[string++] = *strings++; break;
      case ArgumentKind::NumberVariable:
        calls.passed_numbers[number++] = Kept(procedure.parameters[i].number_kind, variables.numbers[slot]);
        break;
      case ArgumentKind::StringVariable:
        calls.passed_strings[string++] = NewString(BytesOf(variables.strings[slot]));
        break;
      case ArgumentKind::NumberElement:
        calls.passed_numbers[number++] =
            Kept(procedure.parameters[i].number_kind, variables.arrays[slot].numbers[calls.elements[element++]]);
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

void GiveParameters(Machine& machine, const Procedure& procedure) {
  Variables& variables = machine.variables;
  CallStack& calls = machine.calls;
  std::size_t number = 0, string = 0, array = 0;
  for (const Parameter& parameter : procedure.parameters) {
    const std::size_t slot = static_cast<std::size_t>(parameter.slot);
    switch (parameter.kind) {
      case ParameterKind::Number: variables.numbers[slot] = calls.passed_numbers[number++]; break;
      case ParameterKind::String: variables.strings[slot] = calls.passed_strings[string++]; break;
      case ParameterKind::Array:
        if (parameter.slot >= 0) TakeContents(variables.arrays[slot], calls.passed_arrays[array++]);
        break;
    }
  }
  calls.passed_arrays.clear();
}

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

RunFault WriteBack(Machine& machine, const CallSite& site, const Procedure& procedure, std::size_t element) {
  Variables& variables = machine.variables;
  CallStack& calls = machine.calls;
  RunFault fault;
  std::size_t number = 0, string = 0, array = 0;
  for (std::size_t i = 0; i < site.arguments.size(); ++i) {
    const Argument& argument = site.arguments[i];
    const std::size_t slot = static_cast<std::size_t>(argument.slot);
    switch (argument.kind) {
      case ArgumentKind::NumberValue: case ArgumentKind::StringValue: break;
      case ArgumentKind::NumberVariable:
        if (!KeepNumber(argument.number_kind, calls.passed_numbers[number++], &variables.numbers[slot])) {
          fault = {RunError::Overflow};
        }
        break;
      case ArgumentKind::StringVariable:
        ReleaseString(variables.strings[slot]);
        variables.strings[slot] = Fitted(argument, calls.passed_strings[string++]);
        break;
      case ArgumentKind::NumberElement: {
        std::vector<double>& numbers = variables.arrays[slot].numbers;
        const std::size_t index = calls.elements[element++];
        const double value = calls.passed_numbers[number++];
        if (index >= numbers.size()) {
          fault = {RunError::SubscriptOutOfRange, "an array changed size while its element was passed to a procedure"};
        } else if (!KeepNumber(argument.number_kind, value, &numbers[index])) {
          fault = {RunError::Overflow};
        }
        break;
      }
      case ArgumentKind::StringElement: {
        std::vector<RtString>& strings = variables.arrays[slot].strings;
        const std::size_t index = calls.elements[element++];
        RtString value = calls.passed_strings[string++];
        if (index >= strings.size()) {
          fault = {RunError::SubscriptOutOfRange, "an array changed size while its element was passed to a procedure"};
          ReleaseString(value);
        } else {
          ReleaseString(strings[index]);
          strings[index] = Fitted(argument, value);
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
  return fault;
}
