// OPEN, CLOSE, SEEK, the file functions and the disk's commands at run
// time (run_files.h).
#include "basic/files/run_files.h"

#include <cmath>
#include <string>

#include "basic/builtins/builtins.h"
#include "basic/executor/machine.h"
#include "basic/executor/statements.h"
#include "basic/executor/string_values.h"
#include "basic/files/disk_commands.h"
#include "basic/keys_and_sound/keyboard.h"
#include "basic/text/output.h"
#include "basic/text/run_print.h"

namespace {

RunFault Fault(RunError error) { return RunFault{error}; }

// A number the program gave as a count or position, rounded as CLNG
// rounds; false beyond what 32 bits hold.
bool WholeNumber(double value, int64_t* whole) {
  if (!(value > -2147483648.5 && value < 2147483647.5)) return false;
  *whole = static_cast<int64_t>(std::nearbyint(value));
  return true;
}

// The string on the stack's top, taken off it.
std::string PopText(Machine& machine) {
  RtString s = machine.Pop();
  std::string text(BytesOf(s));
  ReleaseString(s);
  return text;
}

RunFault OpenWith(Machine& machine, int32_t number, const std::string& name, OpenRequest request) {
  MachineFiles& files = machine.files;
  if (RunError error = files.table.Open(number, name, request); error != RunError::None) return Fault(error);
  FileMode mode;
  int32_t record_length;
  files.table.Describe(number, &mode, &record_length);
  files.fields[static_cast<std::size_t>(number)] = FileFields{std::string(static_cast<std::size_t>(record_length), '\0'), {}};
  return {};
}

// The record length a program gave: BadRecordLength outside 1 to 32767.
RunError RecordLength(double value, std::optional<int32_t>* length) {
  int64_t whole = 0;
  if (!WholeNumber(value, &whole) || whole < 1 || whole > MaxRecordLength) return RunError::BadRecordLength;
  *length = static_cast<int32_t>(whole);
  return RunError::None;
}

// One file number from the stack into a function's call.
RunError CallNumber(const BuiltinCall& call, int32_t* number) { return FileNumberOf(call.numbers[0], number); }

}  // namespace

void RunDevices::WriteScreen(std::string_view bytes) {
  Printed(machine_, bytes);
  FlushPrinted(machine_);
}

void RunDevices::WritePrinter(std::string_view bytes) { EchoOnly(bytes, machine_.echo); }

int RunDevices::ReadKey() {
  uint8_t byte = 0;
  return AwaitKeyByte(machine_, &byte) ? byte : -1;
}

RunError FileNumberOf(double value, int32_t* number) {
  int64_t whole = 0;
  if (!WholeNumber(value, &whole) || whole < 1 || whole > MaxFileNumber) return RunError::BadFileNameOrNumber;
  *number = static_cast<int32_t>(whole);
  return RunError::None;
}

void ForgetFields(MachineFiles& files, int32_t number) {
  if (number != 0) {
    files.fields[static_cast<std::size_t>(number)] = FileFields{};
    return;
  }
  for (FileFields& fields : files.fields) fields = FileFields{};
}

RunFault RunOpen(Machine& machine, const Instruction& in, double*& sp) {
  const double length = *--sp;
  const double number_value = *--sp;
  const std::string name = PopText(machine);
  OpenRequest request;
  request.mode = static_cast<FileMode>(in.a);
  request.access = static_cast<FileAccess>(in.b);
  request.lock = static_cast<FileLock>(in.c & 7);
  if (in.c & 8) {
    if (RunError error = RecordLength(length, &request.record_length); error != RunError::None) return Fault(error);
  }
  int32_t number = 0;
  if (RunError error = FileNumberOf(number_value, &number); error != RunError::None) return Fault(error);
  return OpenWith(machine, number, name, request);
}

RunFault RunOpenClassic(Machine& machine, const Instruction& in, double*& sp) {
  const double length = *--sp;
  const double number_value = *--sp;
  const std::string name = PopText(machine);
  const std::string letters = PopText(machine);
  OpenRequest request;
  if (RunError error = ModeOfLetter(letters, &request.mode); error != RunError::None) return Fault(error);
  if (in.a) {
    if (RunError error = RecordLength(length, &request.record_length); error != RunError::None) return Fault(error);
  }
  int32_t number = 0;
  if (RunError error = FileNumberOf(number_value, &number); error != RunError::None) return Fault(error);
  return OpenWith(machine, number, name, request);
}

RunFault RunClose(Machine& machine, const Instruction&, double*& sp) {
  int32_t number = 0;
  if (RunError error = FileNumberOf(*--sp, &number); error != RunError::None) return Fault(error);
  ForgetFields(machine.files, number);
  return Fault(machine.files.table.Close(number));
}

RunFault RunCloseAll(Machine& machine, const Instruction&, double*&) {
  ForgetFields(machine.files, 0);
  return Fault(machine.files.table.CloseAll());
}

RunFault RunSeekFile(Machine& machine, const Instruction&, double*& sp) {
  const double position = *--sp;
  int32_t number = 0;
  if (RunError error = FileNumberOf(*--sp, &number); error != RunError::None) return Fault(error);
  int64_t whole = 0;
  if (!WholeNumber(position, &whole)) return Fault(RunError::BadRecordNumber);
  return Fault(machine.files.table.Seek(number, whole));
}

// The disk's commands: each takes its names off the string stack.
RunFault RunKill(Machine& machine, const Instruction&, double*&) {
  return Fault(KillFiles(machine.files.table, PopText(machine)));
}

RunFault RunNameFile(Machine& machine, const Instruction&, double*&) {
  const std::string to = PopText(machine);
  const std::string from = PopText(machine);
  return Fault(RenameFile(machine.files.table, from, to));
}

RunFault RunMkdir(Machine& machine, const Instruction&, double*&) { return Fault(MakeFolder(PopText(machine))); }
RunFault RunRmdir(Machine& machine, const Instruction&, double*&) { return Fault(RemoveFolder(PopText(machine))); }
RunFault RunChdir(Machine& machine, const Instruction&, double*&) { return Fault(ChangeFolder(PopText(machine))); }

// FILES: the folder, then the names, each in a column of 18, four to a
// line, a folder's with "<DIR>" after it, and the bytes free.
RunFault RunFiles(Machine& machine, const Instruction& in, double*&) {
  const std::string pattern = in.a ? PopText(machine) : std::string();
  FileListing listing;
  if (RunError error = ListFiles(pattern, &listing); error != RunError::None) return Fault(error);
  std::string text = listing.folder + "\r\n";
  int32_t in_line = 0;
  for (const FolderEntry& entry : listing.entries) {
    std::string cell = entry.name + (entry.is_folder ? " <DIR>" : "");
    cell.resize(std::max<std::size_t>(cell.size() + 1, 18), ' ');
    text += cell;
    if (++in_line == 4) {
      text += "\r\n";
      in_line = 0;
    }
  }
  if (in_line != 0) text += "\r\n";
  text += " " + std::to_string(listing.free_bytes) + " Bytes free\r\n";
  Printed(machine, text);
  FlushPrinted(machine);
  return {};
}

// The functions of files.
RunFault FnFreefile(BuiltinCall& call) {
  int32_t number = 0;
  if (RunError error = call.machine->files.table.FreeNumber(&number); error != RunError::None) return Fault(error);
  call.number = number;
  return {};
}

RunFault FnEof(BuiltinCall& call) {
  int32_t number = 0;
  bool at_end = false;
  if (RunError error = CallNumber(call, &number); error != RunError::None) return Fault(error);
  if (RunError error = call.machine->files.table.AtEnd(number, &at_end); error != RunError::None) return Fault(error);
  call.number = at_end ? -1 : 0;
  return {};
}

// LOF, LOC and SEEK: one of the table's positions.
template <RunError (FileTable::*Position)(int32_t, int64_t*)>
RunFault FilePositionFunction(BuiltinCall& call) {
  int32_t number = 0;
  int64_t position = 0;
  if (RunError error = CallNumber(call, &number); error != RunError::None) return Fault(error);
  if (RunError error = (call.machine->files.table.*Position)(number, &position); error != RunError::None) {
    return Fault(error);
  }
  call.number = static_cast<double>(position);
  return {};
}

RunFault FnLof(BuiltinCall& call) { return FilePositionFunction<&FileTable::Length>(call); }
RunFault FnLoc(BuiltinCall& call) { return FilePositionFunction<&FileTable::Location>(call); }
RunFault FnSeek(BuiltinCall& call) { return FilePositionFunction<&FileTable::Position>(call); }

// FILEATTR(n, 1): the mode as a number (INPUT 1, OUTPUT 2, RANDOM 4,
// APPEND 8, BINARY 32); FILEATTR(n, 2), the system's handle, is 0 here.
RunFault FnFileattr(BuiltinCall& call) {
  int32_t number = 0;
  FileMode mode;
  int32_t record_length;
  if (RunError error = CallNumber(call, &number); error != RunError::None) return Fault(error);
  if (RunError error = call.machine->files.table.Describe(number, &mode, &record_length); error != RunError::None) {
    return Fault(error);
  }
  const double which = call.numbers[1];
  if (which != 1 && which != 2) return IllegalCall("FILEATTR needs attribute 1 or 2");
  static constexpr int32_t ModeNumbers[] = {1, 2, 8, 4, 32};  // in FileMode's order
  call.number = which == 2 ? 0 : ModeNumbers[static_cast<int>(mode)];
  return {};
}

// INPUT$(count, [#]n): bytes of a file, as they are.
RunFault FnInputCharsFile(BuiltinCall& call) {
  int32_t number = 0;
  int64_t count = 0;
  if (RunError error = FileNumberOf(call.numbers[1], &number); error != RunError::None) return Fault(error);
  if (!WholeNumber(call.numbers[0], &count)) return IllegalCall("INPUT$ needs a count from 1 to 32767");
  std::string bytes;
  if (RunError error = call.machine->files.table.ReadCount(number, count, &bytes); error != RunError::None) {
    return Fault(error);
  }
  call.text = NewString(bytes);
  return {};
}
