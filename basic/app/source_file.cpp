#include <cstdio>
#include <memory>

#include "basic/app/app.h"

namespace {
struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
}  // namespace

bool ReadSourceFile(const std::string& path, std::string* source, std::string* error) {
  const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
  if (!file) {
    *error = path + ": cannot read the file";
    return false;
  }
  source->clear();
  char buffer[1 << 16];
  std::size_t got = 0;
  while ((got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) {
    if (source->size() + got > BasicMaxSourceBytes) {
      *error = path + ": the file is too large (more than 64 MB)";
      return false;
    }
    source->append(buffer, got);
  }
  if (std::ferror(file.get())) {
    *error = path + ": cannot read the file";
    return false;
  }
  return true;
}
