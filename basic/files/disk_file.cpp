#include "basic/files/disk_file.h"

#include <cerrno>

#include "basic/files/file_system.h"

namespace {

constexpr std::size_t BufferBytes = 4096;

}  // namespace

RunError DiskFile::Open(const std::string& path, const char* mode, std::unique_ptr<DiskFile>* file) {
  errno = 0;
  std::FILE* stream = std::fopen(path.c_str(), mode);
  if (stream == nullptr) return errno == 0 ? RunError::PathFileAccessError : SystemError(errno);
  file->reset(new DiskFile(stream));
  return RunError::None;
}

DiskFile::~DiskFile() {
  if (stream_ != nullptr) std::fclose(stream_);
}

RunError DiskFile::Close() {
  errno = 0;
  const int result = std::fclose(stream_);
  stream_ = nullptr;
  return result == 0 ? RunError::None : SystemError(errno == 0 ? EIO : errno);
}

bool DiskFile::MoveTo(int64_t offset, bool writing) {
  // Only a write that goes on from the last one skips the seek: a read
  // seeks always, which drops what the stream read ahead and the end it
  // met (msvcrt keeps a handle at its end until it seeks), so that it sees
  // what another number wrote since.
  if (writing && stream_writing_ && stream_offset_ == offset) return true;
  stream_offset_ = -1;
  if (std::fseek(stream_, static_cast<long>(offset), SEEK_SET) != 0) return false;
  stream_offset_ = offset;
  stream_writing_ = writing;
  return true;
}

int DiskFile::ByteAt(int64_t offset) {
  if (offset < buffer_offset_ || offset >= buffer_offset_ + static_cast<int64_t>(buffer_.size())) {
    buffer_.assign(BufferBytes, 0);
    buffer_offset_ = offset;
    std::size_t got = 0;
    if (MoveTo(offset, false)) {
      got = std::fread(buffer_.data(), 1, BufferBytes, stream_);
      stream_offset_ += static_cast<int64_t>(got);
      std::clearerr(stream_);  // forget the end: a later read may find more
    }
    buffer_.resize(got);
    if (got == 0) return -1;
  }
  return static_cast<unsigned char>(buffer_[static_cast<std::size_t>(offset - buffer_offset_)]);
}

RunError DiskFile::ReadAt(int64_t offset, std::size_t count, std::string* bytes) {
  bytes->clear();
  if (count == 0) return RunError::None;
  if (!MoveTo(offset, false)) return RunError::DeviceIoError;
  bytes->resize(count);
  const std::size_t got = std::fread(bytes->data(), 1, count, stream_);
  stream_offset_ += static_cast<int64_t>(got);
  bytes->resize(got);
  if (got < count && std::ferror(stream_)) {
    std::clearerr(stream_);
    return RunError::DeviceIoError;
  }
  std::clearerr(stream_);  // forget the end: a later read may find more
  return RunError::None;
}

RunError DiskFile::WriteAt(int64_t offset, std::string_view bytes, bool flush) {
  buffer_.clear();  // what ByteAt kept may be stale now
  if (!MoveTo(offset, true)) return RunError::DeviceIoError;
  errno = 0;
  const std::size_t put = bytes.empty() ? 0 : std::fwrite(bytes.data(), 1, bytes.size(), stream_);
  stream_offset_ += static_cast<int64_t>(put);
  if (put == bytes.size() && (!flush || std::fflush(stream_) == 0)) return RunError::None;
  const int error = errno == 0 ? EIO : errno;
  std::clearerr(stream_);
  stream_offset_ = -1;
  return SystemError(error);
}

RunError DiskFile::Size(int64_t* size) {
  stream_offset_ = -1;
  // The seek also writes out what the stream still holds.
  if (std::fseek(stream_, 0, SEEK_END) != 0) return RunError::DeviceIoError;
  const long end = std::ftell(stream_);
  *size = end < 0 ? MaxFileBytes : static_cast<int64_t>(end);
  return RunError::None;
}
