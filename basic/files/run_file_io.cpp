// PRINT #, LPRINT, WRITE and PRINT USING's items, and INPUT # and LINE
// INPUT #, at run time (run_files.h). A PRINT # statement's text is built
// whole and written to its file at its end, in one write.
#include <string>

#include "basic/executor/machine.h"
#include "basic/executor/statements.h"
#include "basic/executor/string_values.h"
#include "basic/text/number_text.h"
#include "basic/text/run_print.h"
#include "runtime/numeric/numeric.h"

namespace {

// WRITE's string: in quotes, as it is inside them.
std::string Quoted(std::string_view text) {
  std::string quoted;
  quoted.reserve(text.size() + 3);
  quoted += '"';
  quoted.append(text);
  quoted += '"';
  return quoted;
}

}  // namespace

// The file is checked now, so that an unopened number fails before the
// items are built; LPRINT's printer is always there.
RunFault RunPrintFileStart(Machine& machine, const Instruction& in, double*& sp) {
  MachineFiles& files = machine.files;
  files.printed.clear();
  if (in.a) {
    files.print_file = 0;
    files.column = files.printer_column;
    return {};
  }
  int32_t number = 0;
  if (RunError error = FileNumberOf(*--sp, &number); error != RunError::None) return RunFault{error};
  if (RunError error = files.table.Column(number, &files.column); error != RunError::None) return RunFault{error};
  files.print_file = number;
  return {};
}

RunFault RunPrintFileEnd(Machine& machine, const Instruction&, double*&) {
  MachineFiles& files = machine.files;
  RunError error = RunError::None;
  if (files.print_file == 0) {
    files.devices.WritePrinter(files.printed);
    files.printer_column = files.column;
  } else {
    error = files.table.Write(files.print_file, files.printed);
  }
  files.printed.clear();
  return RunFault{error};
}

// WRITE's number: the digits PRINT shows, without its spaces.
RunFault RunWriteNumber(Machine& machine, const Instruction& in, double*& sp) {
  const auto kind = static_cast<ValueKind>(in.a);
  double value;
  if (!KeepNumber(kind, *--sp, &value)) return RunFault{RunError::Overflow};
  std::string text = FormatClassic(value, kind);
  if (in.c) text += ',';
  PrintedTo(machine, text, in.b);
  return {};
}

RunFault RunWriteString(Machine& machine, const Instruction& in, double*&) {
  RtString s = machine.Pop();
  std::string text = Quoted(BytesOf(s));
  ReleaseString(s);
  if (in.c) text += ',';
  PrintedTo(machine, text, in.b);
  return {};
}

// PRINT USING: the format is kept while the statement's items fill it.
RunFault RunUsingStart(Machine& machine, const Instruction&, double*&) {
  RtString format = machine.Pop();
  machine.files.using_format.emplace(BytesOf(format));
  ReleaseString(format);
  return {};
}

RunFault RunUsingNumber(Machine& machine, const Instruction& in, double*& sp) {
  const auto kind = static_cast<ValueKind>(in.a);
  double value;
  if (!KeepNumber(kind, *--sp, &value)) return RunFault{RunError::Overflow};
  std::string text;
  if (RunError error = machine.files.using_format->AddNumber(value, kind, &text); error != RunError::None) {
    return RunFault{error};
  }
  PrintedTo(machine, text, in.b);
  return {};
}

RunFault RunUsingString(Machine& machine, const Instruction& in, double*&) {
  RtString s = machine.Pop();
  std::string text;
  const RunError error = machine.files.using_format->AddString(BytesOf(s), &text);
  ReleaseString(s);
  if (error != RunError::None) return RunFault{error};
  PrintedTo(machine, text, in.b);
  return {};
}

RunFault RunUsingEnd(Machine& machine, const Instruction& in, double*&) {
  std::string text;
  machine.files.using_format->Finish(&text);
  machine.files.using_format.reset();
  PrintedTo(machine, text, in.b);
  return {};
}

RunFault RunInputFileStart(Machine& machine, const Instruction&, double*& sp) {
  int32_t number = 0;
  if (RunError error = FileNumberOf(*--sp, &number); error != RunError::None) return RunFault{error};
  FileMode mode;
  int32_t record_length;
  if (RunError error = machine.files.table.Describe(number, &mode, &record_length); error != RunError::None) {
    return RunFault{error};
  }
  machine.files.input_file = number;
  return {};
}

// A number item is read as VAL reads it; the store keeps it to its kind.
RunFault RunInputFileNumber(Machine& machine, const Instruction&, double*& sp) {
  std::string item;
  const RunError error = machine.files.table.ReadItem(machine.files.input_file, InputItemKind::Number, &item);
  if (error != RunError::None) return RunFault{error};
  const ClassicNumber number = ReadClassicNumber(item);
  if (number.error != RunError::None) return RunFault{number.error};
  *sp++ = number.value;
  return {};
}

RunFault RunInputFileString(Machine& machine, const Instruction&, double*&) {
  std::string item;
  const RunError error = machine.files.table.ReadItem(machine.files.input_file, InputItemKind::String, &item);
  if (error != RunError::None) return RunFault{error};
  machine.Push(NewString(item));
  return {};
}

RunFault RunLineInputFile(Machine& machine, const Instruction&, double*&) {
  std::string line;
  const RunError error = machine.files.table.ReadLine(machine.files.input_file, &line);
  if (error != RunError::None) return RunFault{error};
  machine.Push(NewString(line));
  return {};
}
