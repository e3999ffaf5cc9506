#include "basic/files/file_table.h"

#include "basic/files/record_io.h"
#include "basic/files/sequential_io.h"

namespace {

bool ValidNumber(int32_t number) { return number >= 1 && number <= MaxFileNumber; }

bool Writes(FileMode mode) { return mode == FileMode::Output || mode == FileMode::Append; }

}  // namespace

template <typename Action>
RunError FileTable::With(int32_t number, Action action) {
  if (!ValidNumber(number) || !files_[number]) return RunError::BadFileNameOrNumber;
  return action(*files_[number]);
}

RunError FileTable::CheckSharing(const std::string& key, FileMode mode) const {
  for (const auto& open : files_) {
    if (open && open->key == key && (Writes(mode) || Writes(open->mode))) return RunError::FileAlreadyOpen;
  }
  return RunError::None;
}

bool FileTable::HoldsFile(const std::string& key) const {
  for (const auto& open : files_) {
    if (open && !open->key.empty() && open->key == key) return true;
  }
  return false;
}

RunError FileTable::Open(int32_t number, std::string_view name, const OpenRequest& request) {
  if (!ValidNumber(number)) return RunError::BadFileNameOrNumber;
  if (files_[number]) return RunError::FileAlreadyOpen;
  OpenTarget target;
  if (const RunError error = FindOpenTarget(name, request, &target); error != RunError::None) return error;
  if (target.device == DeviceKind::None) {
    if (const RunError error = CheckSharing(target.key, request.mode); error != RunError::None) return error;
  }
  return OpenTargetFile(target, request, devices_, &files_[number]);
}

RunError FileTable::Close(int32_t number) {
  if (!ValidNumber(number)) return RunError::BadFileNameOrNumber;
  std::unique_ptr<OpenFile> file = std::move(files_[number]);
  return file && file->disk ? file->disk->Close() : RunError::None;
}

RunError FileTable::CloseAll() {
  RunError first = RunError::None;
  for (int32_t number = 1; number <= MaxFileNumber; ++number) {
    const RunError error = Close(number);
    if (first == RunError::None) first = error;
  }
  return first;
}

RunError FileTable::FreeNumber(int32_t* number) const {
  for (int32_t candidate = 1; candidate <= MaxFileNumber; ++candidate) {
    if (!files_[candidate]) {
      *number = candidate;
      return RunError::None;
    }
  }
  return RunError::TooManyFiles;
}

RunError FileTable::Write(int32_t number, std::string_view bytes) {
  return With(number, [&](OpenFile& f) { return WriteText(f, bytes); });
}

RunError FileTable::Column(int32_t number, int32_t* column) {
  return With(number, [&](OpenFile& f) {
    *column = f.column;
    return RunError::None;
  });
}

RunError FileTable::ReadItem(int32_t number, InputItemKind kind, std::string* item) {
  return With(number, [&](OpenFile& f) { return ::ReadItem(f, kind, item); });
}

RunError FileTable::ReadLine(int32_t number, std::string* line) {
  return With(number, [&](OpenFile& f) { return ::ReadLine(f, line); });
}

RunError FileTable::ReadCount(int32_t number, int64_t count, std::string* bytes) {
  return With(number, [&](OpenFile& f) { return ::ReadCount(f, count, bytes); });
}

RunError FileTable::AtEnd(int32_t number, bool* at_end) {
  return With(number, [&](OpenFile& f) { return ::AtEnd(f, at_end); });
}

RunError FileTable::Get(int32_t number, std::optional<int64_t> where, int64_t size, std::string* bytes) {
  return With(number, [&](OpenFile& f) { return GetBytes(f, where, size, bytes); });
}

RunError FileTable::Put(int32_t number, std::optional<int64_t> where, std::string_view bytes) {
  return With(number, [&](OpenFile& f) { return PutBytes(f, where, bytes); });
}

RunError FileTable::Length(int32_t number, int64_t* length) {
  return With(number, [&](OpenFile& f) { return FileLength(f, length); });
}

RunError FileTable::Location(int32_t number, int64_t* location) {
  return With(number, [&](OpenFile& f) { return FileLocation(f, location); });
}

RunError FileTable::Seek(int32_t number, int64_t position) {
  return With(number, [&](OpenFile& f) { return SeekFile(f, position); });
}

RunError FileTable::Position(int32_t number, int64_t* position) {
  return With(number, [&](OpenFile& f) { return FilePosition(f, position); });
}

RunError FileTable::Describe(int32_t number, FileMode* mode, int32_t* record_length) {
  return With(number, [&](OpenFile& f) {
    *mode = f.mode;
    *record_length = f.record_length;
    return RunError::None;
  });
}
