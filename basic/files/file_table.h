// The files a run has open, by the numbers 1 to 255 that OPEN gives them:
// one table a run, whose end closes every file still open. Each call
// takes a file number (BadFileNameOrNumber outside 1 to 255 or when the
// number is not open) and returns RunError::None or the error the program
// sees, the table left as it was on an error.
//
// One file may be open under several numbers for INPUT, RANDOM and BINARY
// (each number with a position of its own); a file open for OUTPUT or
// APPEND under one number can be opened under no other, in any mode
// (FileAlreadyOpen). Devices are not files: any number may hold one.
//
// Bytes pass as given: the caller builds PRINT #'s and WRITE #'s text,
// with its CR LF line ends, and turns GET's and PUT's bytes into records.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "basic/executor/run_errors.h"
#include "basic/files/input_items.h"
#include "basic/files/open_file.h"

inline constexpr int32_t MaxFileNumber = 255;

class FileTable {
 public:
  // devices may be null: screen and printer output dropped, no keys.
  explicit FileTable(FileDevices* devices = nullptr) : devices_(devices) {}
  ~FileTable() { CloseAll(); }
  FileTable(const FileTable&) = delete;
  FileTable& operator=(const FileTable&) = delete;

  // OPEN: FileAlreadyOpen when the number is in use; the name's errors as
  // open_file.h and file_names.h give them; FileNotFound for a missing
  // INPUT file; PathNotFound for a missing folder.
  RunError Open(int32_t number, std::string_view name, const OpenRequest& request);
  // CLOSE #number: a number that is not open is let be.
  RunError Close(int32_t number);
  // CLOSE and RESET: every file; the first error met, all closed anyway.
  RunError CloseAll();
  // FREEFILE: the lowest number not open; TooManyFiles when none is left.
  RunError FreeNumber(int32_t* number) const;

  RunError Write(int32_t number, std::string_view bytes);
  // The column PRINT # stands at: bytes written since the last line end.
  RunError Column(int32_t number, int32_t* column);
  RunError ReadItem(int32_t number, InputItemKind kind, std::string* item);
  RunError ReadLine(int32_t number, std::string* line);
  RunError ReadCount(int32_t number, int64_t count, std::string* bytes);
  RunError AtEnd(int32_t number, bool* at_end);

  // GET and PUT, as record_io.h says: where is a record of a RANDOM file,
  // a byte position of a BINARY one; none for the next.
  RunError Get(int32_t number, std::optional<int64_t> where, int64_t size, std::string* bytes);
  RunError Put(int32_t number, std::optional<int64_t> where, std::string_view bytes);

  RunError Length(int32_t number, int64_t* length);
  RunError Location(int32_t number, int64_t* location);
  RunError Seek(int32_t number, int64_t position);
  RunError Position(int32_t number, int64_t* position);
  // The mode the number was opened in, and its record length (1 for
  // files that have none), as FIELD and FILEATTR want them.
  RunError Describe(int32_t number, FileMode* mode, int32_t* record_length);

  // Whether a file of this key (FileKey) is open under any number: KILL
  // and NAME leave open files alone.
  bool HoldsFile(const std::string& key) const;

 private:
  // Runs action on the number's file; BadFileNameOrNumber when none.
  template <typename Action>
  RunError With(int32_t number, Action action);
  // FileAlreadyOpen when the file is open under another number in a way
  // that excludes opening it again in mode.
  RunError CheckSharing(const std::string& key, FileMode mode) const;

  FileDevices* devices_;
  std::array<std::unique_ptr<OpenFile>, MaxFileNumber + 1> files_;  // [0] unused
};
