// A file or device open under one number: how OPEN asked for it, what it
// may do, and where it stands; the opening itself, and the positions LOF,
// LOC and SEEK report or set.
//
// Positions a program sees count from 1 (bytes of sequential and binary
// files, records of random ones); the offsets kept here count bytes from 0.
// A position must be 1 to 2^31-1, else BadRecordNumber.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "basic/executor/run_errors.h"
#include "basic/files/disk_file.h"
#include "basic/files/file_names.h"

enum class FileMode { Input, Output, Append, Random, Binary };
enum class FileAccess { Default, Read, Write, ReadWrite };
// Taken and kept for the program's sake; this process opens files without
// locks, so other processes are not held off.
enum class FileLock { Default, Shared, Read, Write, ReadWrite };

inline constexpr int32_t DefaultRecordLength = 128;
inline constexpr int32_t MaxRecordLength = 32767;

struct OpenRequest {
  FileMode mode = FileMode::Random;
  FileAccess access = FileAccess::Default;
  FileLock lock = FileLock::Default;
  // LEN=: a random file's record length, 1 to 32767 (else BadRecordLength),
  // DefaultRecordLength when not given; checked but unused for sequential
  // files, ignored for binary ones.
  std::optional<int32_t> record_length;
};

// GW-BASIC's mode letters: the first of "I", "O", "A", "R", "B" in either
// case; anything else is BadFileMode.
RunError ModeOfLetter(std::string_view letters, FileMode* mode);

// Where the devices' bytes go and come from; the caller gives them.
class FileDevices {
 public:
  virtual ~FileDevices() = default;
  // SCRN:, CONS:, CON: what PRINT # and WRITE # write, for the screen.
  virtual void WriteScreen(std::string_view bytes) = 0;
  // LPT1: to LPT3:, PRN: the printer's bytes; without one they are dropped.
  virtual void WritePrinter(std::string_view bytes) { (void)bytes; }
  // KYBD:: the next key's byte, waiting for it; -1 when no more will come.
  virtual int ReadKey() = 0;
};

struct OpenFile {
  FileMode mode = FileMode::Random;
  DeviceKind device = DeviceKind::None;
  FileDevices* devices = nullptr;  // may be null: screen and printer bytes dropped, no keys
  bool can_read = false;
  bool can_write = false;
  int32_t record_length = DefaultRecordLength;
  std::string key;  // the file's full path as the system compares names; empty for a device
  std::unique_ptr<DiskFile> disk;
  int64_t offset = 0;        // the next byte's offset: sequential and binary files
  int64_t next_record = 1;   // random files
  int64_t last_transfer = 0; // LOC: the last record (random) or byte position (binary) read or written
  bool short_get = false;    // EOF of random and binary files: the last read met the end
  int32_t column = 0;        // bytes written since the last CR or LF
  int key_ahead = -2;        // KYBD: a key read ahead, -2 when none
};

// What OPEN will open, found before anything is opened, so that the file
// table can refuse a second number on a file first.
struct OpenTarget {
  DeviceKind device = DeviceKind::None;
  std::string path;  // the system's name for it
  std::string key;   // as OpenFile::key
};
RunError FindOpenTarget(std::string_view name, const OpenRequest& request, OpenTarget* target);
// The key two names of one file share: its full path, in one case where
// the system ignores case.
std::string FileKey(const std::string& system_path);

RunError OpenTargetFile(const OpenTarget& target, const OpenRequest& request, FileDevices* devices,
                        std::unique_ptr<OpenFile>* file);

// LOF: the file's size in bytes.
RunError FileLength(OpenFile& file, int64_t* length);
// LOC: sequential files the 128-byte blocks before where they stand,
// random files the last record read or written, binary files the position
// of the last byte read or written; 0 before any.
RunError FileLocation(const OpenFile& file, int64_t* location);
// The SEEK statement: where the next transfer starts. A device ignores it.
RunError SeekFile(OpenFile& file, int64_t position);
// The SEEK function: the next record of a random file, the next byte's
// position of the others.
RunError FilePosition(const OpenFile& file, int64_t* position);
// Checks a position a program gave (1 to 2^31-1) and turns it into 0-based.
RunError PositionToIndex(int64_t position, int64_t* index);
