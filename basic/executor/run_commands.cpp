// LIST and SAVE run by a program: its own text, as the file gave it. RUN
// is the executor's (Restart), since it moves the stacks. TRON's trace.
#include <fstream>
#include <string>

#include "basic/executor/machine.h"
#include "basic/executor/statements.h"
#include "basic/executor/string_values.h"
#include "basic/text/run_print.h"

namespace {

// Every line of the text, or with bounds the numbered lines within them.
bool Listed(const ProgramLine& line, int32_t from, int32_t to) {
  if (from < 0 && to < 0) return true;
  return line.number >= 0 && (from < 0 || line.number >= from) && (to < 0 || line.number <= to);
}

}  // namespace

RunFault RunListProgram(Machine& machine, const Instruction& in, double*& /*sp*/) {
  for (const ProgramLine& line : machine.code.source) {
    if (Listed(line, in.a, in.b)) Printed(machine, line.text + "\r\n");
  }
  FlushPrinted(machine);
  return {};
}

RunFault RunSaveProgram(Machine& machine, const Instruction& /*in*/, double*& /*sp*/) {
  RtString name = machine.Pop();
  const std::string file(BytesOf(name));
  ReleaseString(name);
  if (file.empty()) return RunFault{RunError::BadFileName, "SAVE needs a file's name"};
  std::string text;
  for (const ProgramLine& line : machine.code.source) text += line.text + "\r\n";
  std::ofstream stream(file, std::ios::binary | std::ios::trunc);
  stream.write(text.data(), static_cast<std::streamsize>(text.size()));
  stream.close();
  if (!stream) return machine.Fail(RunError::PathFileAccessError, "cannot write " + file);
  return {};
}

RunFault RunTrace(Machine& machine, const Instruction& in, double*& /*sp*/) {
  machine.tracing = in.a != 0;
  return {};
}

RunFault RunTraceLine(Machine& machine, const Instruction& in, double*& /*sp*/) {
  if (!machine.tracing) return {};
  Printed(machine, "[" + std::to_string(in.a) + "]");
  FlushPrinted(machine);
  return {};
}
