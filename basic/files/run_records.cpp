// FIELD, LSET, RSET, GET and PUT at run time (run_files.h), of FIELD
// buffers, of single variables and of whole records (TYPE). A FIELD ties
// string variables to parts of a random file's buffer: GET fills the
// buffer and gives each tied variable its part, LSET and RSET write a
// tied variable's part, PUT writes the buffer. A string variable tied by
// FIELD keeps its tie until its file is closed or another FIELD ties it.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "basic/builtins/binary_numbers.h"
#include "basic/executor/machine.h"
#include "basic/executor/statements.h"
#include "basic/executor/string_values.h"
#include "basic/records/record_bytes.h"

namespace {

RunFault Fault(RunError error) { return RunFault{error}; }

RtString& StringVariable(Machine& machine, int32_t slot) {
  return machine.variables.strings[static_cast<std::size_t>(slot)];
}

void SetString(Machine& machine, int32_t slot, std::string_view bytes) {
  RtString& variable = StringVariable(machine, slot);
  ReleaseString(variable);
  variable = NewString(bytes);
}

// The bytes a number of its kind takes in a file.
int64_t SizeOfKind(ValueKind kind) {
  switch (kind) {
    case ValueKind::Integer: return 2;
    case ValueKind::Long: case ValueKind::Single: return 4;
    default: return 8;
  }
}

RunError NumberBytes(ValueKind kind, double value, std::string* bytes) {
  switch (kind) {
    case ValueKind::Integer: return Mki(value, bytes);
    case ValueKind::Long: return Mkl(value, bytes);
    case ValueKind::Single: return Mks(value, bytes);
    default: return Mkd(value, bytes);
  }
}

RunError NumberOfBytes(ValueKind kind, std::string_view bytes, double* value) {
  switch (kind) {
    case ValueKind::Integer: return Cvi(bytes, value);
    case ValueKind::Long: return Cvl(bytes, value);
    case ValueKind::Single: return Cvs(bytes, value);
    default: return Cvd(bytes, value);
  }
}

RunError ModeOf(Machine& machine, int32_t number, FileMode* mode, int32_t* record_length) {
  return machine.files.table.Describe(number, mode, record_length);
}

// The record length of the file GET or PUT works on, which must be random.
RunError RandomFile(Machine& machine, int32_t* record_length) {
  FileMode mode;
  if (RunError error = ModeOf(machine, machine.files.transfer_file, &mode, record_length); error != RunError::None) {
    return error;
  }
  return mode == FileMode::Random ? RunError::None : RunError::BadFileMode;
}

// The binding of a string variable to a FIELD and the buffer it is in, or
// nulls.
struct FoundBinding {
  FileFields* fields = nullptr;
  const FieldBinding* binding = nullptr;
};
FoundBinding BindingOf(MachineFiles& files, int32_t slot) {
  for (FileFields& fields : files.fields) {
    for (const FieldBinding& binding : fields.bindings) {
      if (binding.slot == slot) return FoundBinding{&fields, &binding};
    }
  }
  return {};
}

void Unbind(MachineFiles& files, int32_t slot) {
  for (FileFields& fields : files.fields) {
    auto& bindings = fields.bindings;
    bindings.erase(std::remove_if(bindings.begin(), bindings.end(),
                                  [slot](const FieldBinding& binding) { return binding.slot == slot; }),
                   bindings.end());
  }
}

// PUT of a variable's bytes. A random file's record is written whole: a
// string's bytes follow their 2-byte length, zero bytes fill the rest.
RunFault PutVariable(Machine& machine, std::string bytes, bool string) {
  MachineFiles& files = machine.files;
  FileMode mode;
  int32_t record_length;
  if (RunError error = ModeOf(machine, files.transfer_file, &mode, &record_length); error != RunError::None) {
    return Fault(error);
  }
  if (mode == FileMode::Random) {
    const std::size_t length = bytes.size();
    if (string) bytes.insert(0, {static_cast<char>(length & 0xFF), static_cast<char>((length >> 8) & 0xFF)});
    if (bytes.size() > static_cast<std::size_t>(record_length)) return Fault(RunError::BadRecordLength);
    bytes.resize(static_cast<std::size_t>(record_length), '\0');
  }
  return Fault(files.table.Put(files.transfer_file, files.transfer_where, bytes));
}

}  // namespace

RunFault RunTransferStart(Machine& machine, const Instruction& in, double*& sp) {
  const double where = *--sp;
  MachineFiles& files = machine.files;
  if (RunError error = FileNumberOf(*--sp, &files.transfer_file); error != RunError::None) return Fault(error);
  files.transfer_where.reset();
  if (!in.a) return {};
  if (!(where >= 1 && where < 2147483647.5)) return Fault(RunError::BadRecordNumber);
  files.transfer_where = static_cast<int64_t>(std::nearbyint(where));
  return {};
}

// GET and PUT without a variable: the FIELD buffer of a random file.
RunFault RunGetRecord(Machine& machine, const Instruction&, double*&) {
  MachineFiles& files = machine.files;
  int32_t record_length;
  if (RunError error = RandomFile(machine, &record_length); error != RunError::None) return Fault(error);
  FileFields& fields = files.fields[static_cast<std::size_t>(files.transfer_file)];
  std::string bytes;
  if (RunError error = files.table.Get(files.transfer_file, files.transfer_where, record_length, &bytes);
      error != RunError::None) {
    return Fault(error);
  }
  bytes.resize(static_cast<std::size_t>(record_length), '\0');
  fields.buffer = std::move(bytes);
  for (const FieldBinding& binding : fields.bindings) {
    SetString(machine, binding.slot,
              std::string_view(fields.buffer).substr(static_cast<std::size_t>(binding.offset), static_cast<std::size_t>(binding.width)));
  }
  return {};
}

RunFault RunPutRecord(Machine& machine, const Instruction&, double*&) {
  MachineFiles& files = machine.files;
  int32_t record_length;
  if (RunError error = RandomFile(machine, &record_length); error != RunError::None) return Fault(error);
  const std::string& buffer = files.fields[static_cast<std::size_t>(files.transfer_file)].buffer;
  return Fault(files.table.Put(files.transfer_file, files.transfer_where, buffer));
}

// A number's bytes as MKI$, MKL$, MKS$ or MKD$ make them, by its kind.
RunFault RunGetNumber(Machine& machine, const Instruction& in, double*& sp) {
  MachineFiles& files = machine.files;
  const auto kind = static_cast<ValueKind>(in.a);
  std::string bytes;
  if (RunError error = files.table.Get(files.transfer_file, files.transfer_where, SizeOfKind(kind), &bytes);
      error != RunError::None) {
    return Fault(error);
  }
  bytes.resize(static_cast<std::size_t>(SizeOfKind(kind)), '\0');
  double value = 0;
  if (RunError error = NumberOfBytes(kind, bytes, &value); error != RunError::None) return Fault(error);
  *sp++ = value;
  return {};
}

RunFault RunPutNumber(Machine& machine, const Instruction& in, double*& sp) {
  std::string bytes;
  if (RunError error = NumberBytes(static_cast<ValueKind>(in.a), *--sp, &bytes); error != RunError::None) {
    return Fault(error);
  }
  return PutVariable(machine, std::move(bytes), false);
}

// A string of a binary file: as many bytes as the variable holds. Of a
// random file: a 2-byte length, then the bytes.
RunFault RunGetString(Machine& machine, const Instruction&, double*&) {
  MachineFiles& files = machine.files;
  RtString old = machine.Pop();
  const int64_t length = StringLength(old);
  ReleaseString(old);
  FileMode mode;
  int32_t record_length;
  if (RunError error = ModeOf(machine, files.transfer_file, &mode, &record_length); error != RunError::None) {
    return Fault(error);
  }
  const bool random = mode == FileMode::Random;
  std::string bytes;
  if (RunError error = files.table.Get(files.transfer_file, files.transfer_where, random ? record_length : length, &bytes);
      error != RunError::None) {
    return Fault(error);
  }
  if (random) {
    bytes.resize(static_cast<std::size_t>(record_length), '\0');
    const std::size_t stored = static_cast<uint8_t>(bytes[0]) | (static_cast<std::size_t>(static_cast<uint8_t>(bytes.size() > 1 ? bytes[1] : 0)) << 8);
    bytes = bytes.substr(std::min<std::size_t>(2, bytes.size()), stored);
  } else {
    bytes.resize(static_cast<std::size_t>(length), '\0');
  }
  machine.Push(NewString(bytes));
  return {};
}

RunFault RunPutString(Machine& machine, const Instruction&, double*&) {
  RtString s = machine.Pop();
  std::string bytes(BytesOf(s));
  ReleaseString(s);
  return PutVariable(machine, std::move(bytes), true);
}

RunFault RunFieldStart(Machine& machine, const Instruction&, double*& sp) {
  MachineFiles& files = machine.files;
  if (RunError error = FileNumberOf(*--sp, &files.field_file); error != RunError::None) return Fault(error);
  FileMode mode;
  int32_t record_length;
  if (RunError error = ModeOf(machine, files.field_file, &mode, &record_length); error != RunError::None) {
    return Fault(error);
  }
  if (mode != FileMode::Random) return Fault(RunError::BadFileMode);
  files.field_offset = 0;
  return {};
}

// Width AS variable: FieldOverflow past the record's end.
RunFault RunField(Machine& machine, const Instruction& in, double*& sp) {
  MachineFiles& files = machine.files;
  const double width = *--sp;
  if (!(width >= 0 && width < 32767.5)) return IllegalCall("FIELD needs a width from 0 to 32767");
  const auto whole = static_cast<int32_t>(std::nearbyint(width));
  FileFields& fields = files.fields[static_cast<std::size_t>(files.field_file)];
  if (files.field_offset + whole > static_cast<int32_t>(fields.buffer.size())) return Fault(RunError::FieldOverflow);
  Unbind(files, in.a);
  fields.bindings.push_back(FieldBinding{in.a, files.field_offset, whole});
  SetString(machine, in.a,
            std::string_view(fields.buffer).substr(static_cast<std::size_t>(files.field_offset), static_cast<std::size_t>(whole)));
  files.field_offset += whole;
  return {};
}

// LSET and RSET: the text cut or filled with spaces to the variable's
// length, at its left or right; into the FIELD buffer too when tied.
RunFault RunSetField(Machine& machine, const Instruction& in, double*&) {
  MachineFiles& files = machine.files;
  RtString s = machine.Pop();
  const std::string_view text = BytesOf(s);
  const FoundBinding found = BindingOf(files, in.a);
  const FieldBinding* binding = found.binding;
  const std::size_t width = binding ? static_cast<std::size_t>(binding->width) : StringLength(StringVariable(machine, in.a));
  const std::size_t kept = std::min(width, text.size());
  std::string justified(width, ' ');
  justified.replace(in.b ? width - kept : 0, kept, text.substr(0, kept));
  ReleaseString(s);
  SetString(machine, in.a, justified);
  if (binding) found.fields->buffer.replace(static_cast<std::size_t>(binding->offset), width, justified);
  return {};
}

// A whole record variable: its bytes as its layout lays them out. A random
// file's record holds it from its start, zero bytes after it; a record
// longer than the file's records is Bad record length.
RunFault RunGetRecordVariable(Machine& machine, const Instruction& in, double*& sp) {
  const RecordLayout& layout = machine.code.record_layouts[static_cast<std::size_t>(in.a)];
  sp -= in.b;
  RecordValues values;
  if (const RunFault fault = FindRecordValues(machine.variables, layout, sp, &values)) return fault;
  MachineFiles& files = machine.files;
  FileMode mode;
  int32_t record_length;
  if (RunError error = ModeOf(machine, files.transfer_file, &mode, &record_length); error != RunError::None) {
    return Fault(error);
  }
  if (mode == FileMode::Random && layout.size > record_length) return Fault(RunError::BadRecordLength);
  std::string bytes;
  if (RunError error = files.table.Get(files.transfer_file, files.transfer_where, layout.size, &bytes);
      error != RunError::None) {
    return Fault(error);
  }
  bytes.resize(static_cast<std::size_t>(layout.size), '\0');
  return Fault(RecordFromBytes(layout, bytes, values));
}

RunFault RunPutRecordVariable(Machine& machine, const Instruction& in, double*& sp) {
  const RecordLayout& layout = machine.code.record_layouts[static_cast<std::size_t>(in.a)];
  sp -= in.b;
  RecordValues values;
  if (const RunFault fault = FindRecordValues(machine.variables, layout, sp, &values)) return fault;
  std::string bytes;
  if (RunError error = RecordToBytes(layout, values, &bytes); error != RunError::None) return Fault(error);
  return PutVariable(machine, std::move(bytes), false);
}
