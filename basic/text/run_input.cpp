// INPUT and LINE INPUT at run time. INPUT reads a line, from the window or
// the run's script, until it fits the statement's form of fields, then its
// fields go to the variables one by one; LINE INPUT takes the whole line.
#include <string>
#include <vector>

#include "basic/executor/machine.h"
#include "basic/executor/statements.h"
#include "basic/executor/string_values.h"
#include "basic/screen/run_text_screen.h"
#include "basic/text/fields.h"
#include "basic/text/input_source.h"
#include "basic/text/output.h"
#include "basic/text/run_print.h"

// Prints the prompt, reads lines until one fits the form.
RunFault RunInput(Machine& machine, const Instruction& in, double*&) {
  std::string prompt = in.b >= 0 ? machine.code.strings[static_cast<std::size_t>(in.b)] : std::string();
  if (in.c) prompt += "? ";
  const std::vector<ValueKind>& form = machine.code.input_forms[static_cast<std::size_t>(in.a)];
  for (;;) {
    Printed(machine, prompt);
    FlushPrinted(machine);
    std::string line;
    if (!ReadInputLine(machine, &line)) return RunFault{RunError::NoMoreInput};
    const InputVerdict verdict = SplitInputLine(line, form, &machine.input_numbers, &machine.input_texts);
    if (verdict == InputVerdict::Redo || verdict == InputVerdict::Overflow) {
      ShowText(machine, verdict == InputVerdict::Overflow ? "Overflow\r\n?Redo from start\r\n" : "?Redo from start\r\n", machine.echo);
      continue;
    }
    if (verdict == InputVerdict::ExtraIgnored) ShowText(machine, "?Extra ignored\r\n", machine.echo);
    return {};
  }
}

RunFault RunInputFieldNumber(Machine& machine, const Instruction& in, double*& sp) {
  *sp++ = machine.input_numbers[static_cast<std::size_t>(in.a)];
  return {};
}

RunFault RunInputFieldString(Machine& machine, const Instruction& in, double*&) {
  machine.Push(NewString(machine.input_texts[static_cast<std::size_t>(in.a)]));
  return {};
}

// LINE INPUT prints its prompt as written, without "? ", and takes the
// whole line, from the window or the script, as INPUT does.
RunFault RunLineInput(Machine& machine, const Instruction& in, double*&) {
  if (in.a >= 0) Printed(machine, machine.code.strings[static_cast<std::size_t>(in.a)]);
  FlushPrinted(machine);
  std::string line;
  if (!ReadInputLine(machine, &line)) return RunFault{RunError::NoMoreInput};
  machine.Push(NewString(line));
  return {};
}
