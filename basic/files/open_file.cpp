#include "basic/files/open_file.h"

#include "basic/files/file_system.h"
#include "basic/tokens/lexer.h"

namespace {

RunError CheckRecordLength(const OpenRequest& request, int32_t* length) {
  *length = request.mode == FileMode::Random ? DefaultRecordLength : 1;
  if (request.mode == FileMode::Binary || !request.record_length) return RunError::None;
  const int32_t given = *request.record_length;
  if (given < 1 || given > MaxRecordLength) return RunError::BadRecordLength;
  if (request.mode == FileMode::Random) *length = given;
  return RunError::None;
}

// What the mode with its ACCESS clause lets the file do; BadFileMode where
// the clause contradicts the mode.
RunError Permissions(const OpenRequest& request, bool* can_read, bool* can_write) {
  const FileAccess access = request.access;
  switch (request.mode) {
    case FileMode::Input:
      *can_read = true;
      return access == FileAccess::Default || access == FileAccess::Read ? RunError::None : RunError::BadFileMode;
    case FileMode::Output:
      *can_write = true;
      return access == FileAccess::Default || access == FileAccess::Write ? RunError::None : RunError::BadFileMode;
    case FileMode::Append:
      *can_write = true;
      return access == FileAccess::Read ? RunError::BadFileMode : RunError::None;
    case FileMode::Random:
    case FileMode::Binary:
      *can_read = access != FileAccess::Write;
      *can_write = access != FileAccess::Read;
      return RunError::None;
  }
  return RunError::BadFileMode;
}

RunError CheckDeviceMode(DeviceKind device, FileMode mode) {
  const bool output = mode == FileMode::Output || mode == FileMode::Append;
  switch (device) {
    case DeviceKind::Screen:
    case DeviceKind::Printer:
      return output ? RunError::None : RunError::BadFileMode;
    case DeviceKind::Keyboard:
      return mode == FileMode::Input ? RunError::None : RunError::BadFileMode;
    case DeviceKind::Null:
      return output || mode == FileMode::Input ? RunError::None : RunError::BadFileMode;
    case DeviceKind::Unavailable:
      return RunError::DeviceUnavailable;
    case DeviceKind::None:
      break;
  }
  return RunError::None;
}

RunError OpenStream(const std::string& path, const char* mode, std::unique_ptr<DiskFile>* disk) {
  const RunError error = DiskFile::Open(path, mode, disk);
  return error == RunError::FileNotFound ? FileOrPathNotFound(path) : error;
}

// Opens the disk file as the mode wants it: INPUT and ACCESS READ need it
// there; OUTPUT starts it empty; the others keep what is there or make it.
// A random or binary file opened without ACCESS that the system will not
// let us write is opened for reading only.
RunError OpenDisk(const OpenTarget& target, const OpenRequest& request, OpenFile* file) {
  const PathKind kind = SystemPathKind(target.path);
  if (kind == PathKind::Folder) return RunError::PathFileAccessError;
  const bool exists = kind == PathKind::File;
  if (request.mode == FileMode::Input || (file->can_read && !file->can_write)) {
    return exists ? OpenStream(target.path, "rb", &file->disk) : FileOrPathNotFound(target.path);
  }
  if (request.mode == FileMode::Output || !exists) {
    return OpenStream(target.path, request.mode == FileMode::Output ? "wb" : "w+b", &file->disk);
  }
  const RunError error = OpenStream(target.path, "r+b", &file->disk);
  if (error != RunError::PathFileAccessError || request.access != FileAccess::Default ||
      request.mode == FileMode::Append) {
    return error;
  }
  file->can_write = false;
  return OpenStream(target.path, "rb", &file->disk);
}

}  // namespace

RunError ModeOfLetter(std::string_view letters, FileMode* mode) {
  if (letters.empty()) return RunError::BadFileMode;
  switch (letters[0]) {
    case 'I': case 'i': *mode = FileMode::Input; return RunError::None;
    case 'O': case 'o': *mode = FileMode::Output; return RunError::None;
    case 'A': case 'a': *mode = FileMode::Append; return RunError::None;
    case 'R': case 'r': *mode = FileMode::Random; return RunError::None;
    case 'B': case 'b': *mode = FileMode::Binary; return RunError::None;
    default: return RunError::BadFileMode;
  }
}

std::string FileKey(const std::string& system_path) {
  std::string key = SystemFullPath(system_path);
  if (!SystemIgnoresCase()) return key;
  for (std::size_t at = 0; at < key.size(); ++at) {
    if (IsLeadByte(static_cast<unsigned char>(key[at]))) {
      ++at;
    } else if (key[at] >= 'a' && key[at] <= 'z') {
      key[at] = static_cast<char>(key[at] - 'a' + 'A');
    }
  }
  return key;
}

RunError FindOpenTarget(std::string_view name, const OpenRequest& request, OpenTarget* target) {
  if (name.empty()) return RunError::BadFileName;
  target->device = DeviceOfName(name);
  if (target->device != DeviceKind::None) return CheckDeviceMode(target->device, request.mode);
  if (const RunError error = SystemPathOf(name, false, &target->path); error != RunError::None) return error;
  if (LastPartStart(name) == name.size()) return RunError::BadFileName;  // a folder's name
  target->key = FileKey(target->path);
  return target->key.empty() ? RunError::PathNotFound : RunError::None;
}

RunError OpenTargetFile(const OpenTarget& target, const OpenRequest& request, FileDevices* devices,
                        std::unique_ptr<OpenFile>* opened) {
  auto file = std::make_unique<OpenFile>();
  file->mode = request.mode;
  file->device = target.device;
  file->devices = devices;
  file->key = target.key;
  if (const RunError error = CheckRecordLength(request, &file->record_length); error != RunError::None) return error;
  if (const RunError error = Permissions(request, &file->can_read, &file->can_write); error != RunError::None) {
    return error;
  }
  if (target.device == DeviceKind::None) {
    if (const RunError error = OpenDisk(target, request, file.get()); error != RunError::None) return error;
    if (request.mode == FileMode::Append) {
      if (const RunError error = file->disk->Size(&file->offset); error != RunError::None) return error;
    }
  }
  *opened = std::move(file);
  return RunError::None;
}

RunError PositionToIndex(int64_t position, int64_t* index) {
  if (position < 1 || position > MaxFileBytes) return RunError::BadRecordNumber;
  *index = position - 1;
  return RunError::None;
}

RunError FileLength(OpenFile& file, int64_t* length) {
  if (!file.disk) return RunError::BadFileMode;
  return file.disk->Size(length);
}

RunError FileLocation(const OpenFile& file, int64_t* location) {
  if (!file.disk) return RunError::BadFileMode;
  const bool records = file.mode == FileMode::Random || file.mode == FileMode::Binary;
  *location = records ? file.last_transfer : file.offset / 128;
  return RunError::None;
}

RunError SeekFile(OpenFile& file, int64_t position) {
  int64_t index = 0;
  if (const RunError error = PositionToIndex(position, &index); error != RunError::None) return error;
  if (!file.disk) return RunError::None;
  if (file.mode == FileMode::Random) {
    file.next_record = position;
  } else {
    file.offset = index;
  }
  return RunError::None;
}

RunError FilePosition(const OpenFile& file, int64_t* position) {
  if (!file.disk) return RunError::BadFileMode;
  *position = file.mode == FileMode::Random ? file.next_record : file.offset + 1;
  return RunError::None;
}
