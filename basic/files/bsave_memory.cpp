#include "basic/files/bsave_memory.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <vector>

#include "basic/files/file_names.h"
#include "basic/executor/machine.h"
#include "basic/files/file_system.h"
#include "basic/memory/memory.h"
#include "basic/screen/video_memory.h"
#include "basic/variables/array_bytes.h"

namespace {

RunError PathOf(std::string_view name, std::string* path) {
  if (name.empty() || DeviceOfName(name) != DeviceKind::None) return RunError::BadFileName;
  return SystemPathOf(name, false, path);
}

RunError WriteWholeFile(std::string_view name, const std::string& bytes) {
  std::string path;
  if (const RunError error = PathOf(name, &path); error != RunError::None) return error;
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return SystemError(errno);
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  const bool closed = std::fclose(file) == 0;
  return written && closed ? RunError::None : RunError::DiskFull;
}

// At most the header and a whole segment's bytes: a longer file's tail
// is never loaded.
RunError ReadFileStart(std::string_view name, std::string* bytes) {
  std::string path;
  if (const RunError error = PathOf(name, &path); error != RunError::None) return error;
  if (SystemPathKind(path) != PathKind::File) return FileOrPathNotFound(path);
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return SystemError(errno);
  bytes->resize(BsaveHeaderBytes + 65535);
  bytes->resize(std::fread(bytes->data(), 1, bytes->size(), file));
  std::fclose(file);
  return RunError::None;
}

}  // namespace

bool ArrayAtAddress(Machine& machine, int32_t segment, int32_t offset, ArrayVariable** array, int64_t* first_byte) {
  int32_t slot = 0;
  uint32_t byte = 0;
  if (!machine.memory.variables.ArrayAt(LinearAddress(segment, offset), &slot, &byte)) return false;
  *array = &machine.variables.arrays[static_cast<std::size_t>(slot)];
  *first_byte = byte;
  return true;
}

int32_t VideoReadPlane() { return 0; }
int32_t VideoWritePlanes() { return 15; }

RunError BsaveArray(const ArrayVariable& array, int64_t first_byte, BsaveHeader header, std::string_view name) {
  std::vector<uint8_t> bytes(header.length);
  ReadArrayBytes(array, first_byte, bytes.data(), header.length);
  return WriteWholeFile(name, BsaveFile(header, bytes.data()));
}

RunError BsaveScreen(const ScreenState& screen, BsaveHeader header, int32_t plane, std::string_view name) {
  std::vector<uint8_t> bytes(header.length);
  for (int64_t i = 0; i < header.length; ++i) {
    bytes[static_cast<std::size_t>(i)] = ReadVideoByte(screen, header.offset + i, plane);
  }
  return WriteWholeFile(name, BsaveFile(header, bytes.data()));
}

RunError ReadBsaveFile(std::string_view name, BsaveHeader* header, std::string* bytes) {
  std::string file;
  if (const RunError error = ReadFileStart(name, &file); error != RunError::None) return error;
  if (!ReadBsaveHeader(file, header)) return RunError::BadFileMode;
  const std::size_t present = std::min<std::size_t>(header->length, file.size() - BsaveHeaderBytes);
  *bytes = file.substr(BsaveHeaderBytes, present);
  return RunError::None;
}

RunError BloadArray(ArrayVariable& array, int64_t first_byte, std::string_view bytes) {
  const auto n = static_cast<int64_t>(bytes.size());
  if (first_byte < 0 || first_byte + n > ArrayByteCount(array)) return RunError::IllegalFunctionCall;
  WriteArrayBytes(array, first_byte, reinterpret_cast<const uint8_t*>(bytes.data()), n);
  return RunError::None;
}

void BloadScreen(ScreenState& screen, int32_t offset, std::string_view bytes, int32_t planes) {
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    WriteVideoByte(screen, offset + static_cast<int64_t>(i), static_cast<uint8_t>(bytes[i]), planes);
  }
}
