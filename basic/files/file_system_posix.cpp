// The file-system calls on systems other than Windows: POSIX's own.
#include "basic/files/file_system.h"

#include <dirent.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cerrno>

#include "basic/files/file_names.h"

namespace {

int ErrorOf(int result) { return result == 0 ? 0 : errno; }

}  // namespace

char SystemSeparator() { return '/'; }
bool SystemHasDrives() { return false; }
bool SystemIgnoresCase() { return false; }

PathKind SystemPathKind(const std::string& path) {
  struct stat status;
  if (stat(path.c_str(), &status) != 0) return PathKind::Missing;
  return S_ISDIR(status.st_mode) ? PathKind::Folder : PathKind::File;
}

int SystemMakeFolder(const std::string& path) { return ErrorOf(mkdir(path.c_str(), 0777)); }
int SystemRemoveFolder(const std::string& path) { return ErrorOf(rmdir(path.c_str())); }
int SystemChangeFolder(const std::string& path) { return ErrorOf(chdir(path.c_str())); }

int SystemCurrentFolder(std::string* folder) {
  char buffer[4096];
  if (getcwd(buffer, sizeof buffer) == nullptr) return errno;
  *folder = buffer;
  return 0;
}

int SystemListFolder(const std::string& folder, std::vector<FolderEntry>* entries) {
  const std::string path = folder.empty() ? "." : folder;
  DIR* dir = opendir(path.c_str());
  if (dir == nullptr) return errno;
  while (const dirent* entry = readdir(dir)) {
    const std::string name = entry->d_name;
    if (name == "." || name == "..") continue;
    entries->push_back({name, SystemPathKind(path + "/" + name) == PathKind::Folder});
  }
  closedir(dir);
  return 0;
}

uint64_t SystemFreeBytes(const std::string& path) {
  struct statvfs disk;
  if (statvfs(path.empty() ? "." : path.c_str(), &disk) != 0) return 0;
  return static_cast<uint64_t>(disk.f_bavail) * disk.f_frsize;
}

std::string SystemFullPath(const std::string& path) {
  if (!path.empty() && path[0] == '/') return PlainPath(path, '/');
  std::string current;
  if (SystemCurrentFolder(&current) != 0) return "";
  return PlainPath(current + "/" + path, '/');
}
