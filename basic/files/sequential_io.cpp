#include "basic/files/sequential_io.h"

#include <climits>

namespace {

constexpr int End = -1;

// A disk file read FOR INPUT, from where it stands to its end or Ctrl-Z.
class FileSource final : public ByteSource {
 public:
  explicit FileSource(OpenFile& file) : file_(file) {}
  int Peek() override {
    const int byte = file_.disk->ByteAt(file_.offset);
    return byte == EndOfFileMark ? End : byte;
  }
  void Take() override { ++file_.offset; }

 private:
  OpenFile& file_;
};

// KYBD:: keys as the devices give them, one read ahead for Peek. Once the
// keys have ended they stay ended.
class KeyboardSource final : public ByteSource {
 public:
  explicit KeyboardSource(OpenFile& file) : file_(file) {}
  int Peek() override {
    if (file_.key_ahead == -2) {
      const int key = file_.devices != nullptr ? file_.devices->ReadKey() : End;
      file_.key_ahead = key >= 0 && key <= 255 ? key : End;
    }
    return file_.key_ahead;
  }
  void Take() override { file_.key_ahead = -2; }

 private:
  OpenFile& file_;
};

class EmptySource final : public ByteSource {
 public:
  int Peek() override { return End; }
  void Take() override {}
};

// Runs read(source) over the file's bytes; BadFileMode unless it is read
// FOR INPUT.
template <typename Read>
RunError WithSource(OpenFile& file, Read read) {
  if (file.mode != FileMode::Input) return RunError::BadFileMode;
  if (file.device == DeviceKind::Keyboard) {
    KeyboardSource keys(file);
    return read(keys);
  }
  if (!file.disk) {
    EmptySource nothing;
    return read(nothing);
  }
  FileSource bytes(file);
  return read(bytes);
}

void AdvanceColumn(OpenFile& file, std::string_view bytes) {
  const std::size_t line_end = bytes.find_last_of("\r\n");
  const std::size_t after = line_end == std::string_view::npos ? bytes.size() : bytes.size() - line_end - 1;
  const int64_t column = (line_end == std::string_view::npos ? file.column : 0) + static_cast<int64_t>(after);
  file.column = static_cast<int32_t>(column < INT32_MAX ? column : INT32_MAX);
}

RunError ReadBinaryCount(OpenFile& file, int64_t count, std::string* bytes) {
  if (!file.can_read) return RunError::PathFileAccessError;
  if (const RunError error = file.disk->ReadAt(file.offset, static_cast<std::size_t>(count), bytes);
      error != RunError::None) {
    return error;
  }
  file.short_get = static_cast<int64_t>(bytes->size()) < count;
  if (file.short_get) return RunError::InputPastEndOfFile;
  file.offset += count;
  file.last_transfer = file.offset;
  return RunError::None;
}

}  // namespace

RunError WriteText(OpenFile& file, std::string_view bytes) {
  if (file.mode != FileMode::Output && file.mode != FileMode::Append) return RunError::BadFileMode;
  if (file.device == DeviceKind::Screen && file.devices != nullptr) file.devices->WriteScreen(bytes);
  if (file.device == DeviceKind::Printer && file.devices != nullptr) file.devices->WritePrinter(bytes);
  if (file.disk) {
    if (static_cast<int64_t>(bytes.size()) > MaxFileBytes - file.offset) return RunError::DiskFull;
    if (const RunError error = file.disk->WriteAt(file.offset, bytes, false); error != RunError::None) return error;
    file.offset += static_cast<int64_t>(bytes.size());
  }
  AdvanceColumn(file, bytes);
  return RunError::None;
}

RunError ReadItem(OpenFile& file, InputItemKind kind, std::string* item) {
  return WithSource(file, [&](ByteSource& source) { return ReadInputItem(source, kind, item); });
}

RunError ReadLine(OpenFile& file, std::string* line) {
  return WithSource(file, [&](ByteSource& source) { return ReadInputLine(source, line); });
}

RunError ReadCount(OpenFile& file, int64_t count, std::string* bytes) {
  bytes->clear();
  if (count < 1 || count > static_cast<int64_t>(MaxItemBytes)) return RunError::IllegalFunctionCall;
  if (file.mode == FileMode::Binary) return ReadBinaryCount(file, count, bytes);
  const int64_t start = file.offset;
  return WithSource(file, [&](ByteSource& source) {
    while (static_cast<int64_t>(bytes->size()) < count) {
      const int byte = source.Peek();
      if (byte == End) {
        file.offset = start;
        bytes->clear();
        return RunError::InputPastEndOfFile;
      }
      bytes->push_back(static_cast<char>(byte));
      source.Take();
    }
    return RunError::None;
  });
}

RunError AtEnd(OpenFile& file, bool* at_end) {
  if (file.mode == FileMode::Random || file.mode == FileMode::Binary) {
    *at_end = file.short_get;
    return RunError::None;
  }
  if (file.mode != FileMode::Input || file.device == DeviceKind::Keyboard) return RunError::BadFileMode;
  if (!file.disk) {
    *at_end = true;
    return RunError::None;
  }
  *at_end = FileSource(file).Peek() == End;
  return RunError::None;
}
