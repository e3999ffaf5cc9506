// One open disk file: bytes read and written at offsets from its start
// (0 is the first byte), through the C runtime's stream in binary mode, so
// that what is written is on the disk as it was given and reads back the
// same. Offsets and sizes stay below 2^31, as the classic BASICs' did.
//
// ByteAt reads through a buffer of its own, for sequential input; ReadAt
// and WriteAt go to the stream each time, and WriteAt with flush hands the
// bytes to the system at once, so that two numbers open on one file see
// each other's records.
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "basic/executor/run_errors.h"

// The largest offset of a byte plus one: a file ends at or before it.
inline constexpr int64_t MaxFileBytes = 2147483647;

class DiskFile {
 public:
  // fopen's mode ("rb", "r+b", "wb", "w+b"); the error when it fails.
  static RunError Open(const std::string& path, const char* mode, std::unique_ptr<DiskFile>* file);
  ~DiskFile();
  DiskFile(const DiskFile&) = delete;
  DiskFile& operator=(const DiskFile&) = delete;

  // Closes the stream, reporting what its last writes met.
  RunError Close();

  // The byte at offset, 0 to 255, or -1 past the end.
  int ByteAt(int64_t offset);
  // Up to count bytes from offset, fewer where the file ends.
  RunError ReadAt(int64_t offset, std::size_t count, std::string* bytes);
  // Writes bytes at offset; a gap before it reads as zero bytes.
  RunError WriteAt(int64_t offset, std::string_view bytes, bool flush);
  RunError Size(int64_t* size);

 private:
  explicit DiskFile(std::FILE* stream) : stream_(stream) {}
  // Puts the stream at offset for a read or a write.
  bool MoveTo(int64_t offset, bool writing);

  std::FILE* stream_;
  int64_t stream_offset_ = -1;  // where the stream stands; -1 unknown
  bool stream_writing_ = false;
  std::vector<char> buffer_;  // ByteAt's bytes, from buffer_offset_ on
  int64_t buffer_offset_ = 0;
};
