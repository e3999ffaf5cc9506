// What a run keeps for its files: the devices' ends (the screen, the
// printer, the keys), the FIELD buffers of random files, and the state one
// statement on a file leaves for the next instruction of the same
// statement (the PRINT # text being built, the file INPUT # reads, the
// file and record of a GET or PUT). The statements' routines are in
// run_files.cpp (OPEN, CLOSE, SEEK, the functions, the disk's commands),
// run_file_io.cpp (PRINT #, WRITE, PRINT USING, INPUT #) and
// run_records.cpp (FIELD, LSET, RSET, GET, PUT).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "basic/executor/run_errors.h"
#include "basic/files/file_table.h"
#include "basic/text/print_using.h"

struct Machine;

// SCRN: writes as PRINT does, LPT1: to standard output when the run
// echoes (and nowhere else), KYBD: reads the keys INPUT$ reads.
class RunDevices final : public FileDevices {
 public:
  explicit RunDevices(Machine& machine) : machine_(machine) {}
  void WriteScreen(std::string_view bytes) override;
  void WritePrinter(std::string_view bytes) override;
  int ReadKey() override;

 private:
  Machine& machine_;
};

// One string variable FIELD ties to a part of a random file's buffer.
struct FieldBinding {
  int32_t slot = 0;  // the variable's string slot
  int32_t offset = 0;
  int32_t width = 0;
};

struct FileFields {
  std::string buffer;  // the record length's bytes, zeros until a GET or LSET
  std::vector<FieldBinding> bindings;
};

struct MachineFiles {
  explicit MachineFiles(Machine& machine) : devices(machine), table(&devices) {}

  RunDevices devices;
  FileTable table;
  std::array<FileFields, MaxFileNumber + 1> fields;
  // PRINT # and LPRINT: the file (0 the printer), its text so far and the
  // column it reached; PRINT USING's format while its statement runs.
  int32_t print_file = 0;
  std::string printed;
  int32_t column = 0;
  int32_t printer_column = 0;
  std::optional<UsingFormat> using_format;
  int32_t input_file = 0;
  // GET and PUT: the file and, when given, the record or byte position.
  int32_t transfer_file = 0;
  std::optional<int64_t> transfer_where;
  // FIELD: the file and the next field's offset in its buffer.
  int32_t field_file = 0;
  int32_t field_offset = 0;
};

// A file number as a program gives it: BadFileNameOrNumber outside 1 to
// 255 (and for values no integer holds).
RunError FileNumberOf(double value, int32_t* number);
// Drops the FIELD buffer of a file being closed (number 0: of all files).
void ForgetFields(MachineFiles& files, int32_t number);
