#include "basic/app/source_file.h"

#include <algorithm>
#include <cstdio>
#include <memory>


namespace {
struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
}  // namespace

bool ReadFileUpTo(const std::string& path, std::size_t limit, std::string* bytes, std::string* error) {
  const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
  if (!file) {
    *error = path + ": cannot read the file";
    return false;
  }
  bytes->clear();
  char buffer[1 << 16];
  while (bytes->size() < limit) {
    const std::size_t got = std::fread(buffer, 1, std::min(sizeof buffer, limit - bytes->size()), file.get());
    if (got == 0) break;
    bytes->append(buffer, got);
  }
  if (std::ferror(file.get())) {
    *error = path + ": cannot read the file";
    return false;
  }
  return true;
}

bool ReadSourceFile(const std::string& path, std::string* source, std::string* error) {
  if (!ReadFileUpTo(path, BasicMaxSourceBytes + 1, source, error)) return false;
  if (source->size() > BasicMaxSourceBytes) {
    *error = path + ": the file is too large (more than 64 MB)";
    return false;
  }
  return true;
}

bool WriteWholeFile(const std::string& path, const std::string& bytes) {
  std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "wb"));
  if (!file) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size();
  if (std::fclose(file.release()) == 0 && written) return true;
  std::remove(path.c_str());
  return false;
}
