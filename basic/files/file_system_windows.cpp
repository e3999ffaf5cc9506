// The file-system calls on Windows: msvcrt's narrow ones, which take names
// in the ANSI code page as they are.
#include "basic/files/file_system.h"

#include <direct.h>
#include <io.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>

#include "basic/files/file_names.h"

namespace {

int ErrorOf(int result) { return result == 0 ? 0 : errno; }

}  // namespace

char SystemSeparator() { return '\\'; }
bool SystemHasDrives() { return true; }
bool SystemIgnoresCase() { return true; }

PathKind SystemPathKind(const std::string& path) {
  // msvcrt's _stat refuses "DATA\" but wants the root as "C:\" or "\".
  struct _stat status;
  if (_stat(std::string(WithoutTrailingSeparators(path)).c_str(), &status) != 0) return PathKind::Missing;
  return (status.st_mode & _S_IFDIR) != 0 ? PathKind::Folder : PathKind::File;
}

int SystemMakeFolder(const std::string& path) { return ErrorOf(_mkdir(path.c_str())); }
int SystemRemoveFolder(const std::string& path) { return ErrorOf(_rmdir(path.c_str())); }
int SystemChangeFolder(const std::string& path) { return ErrorOf(_chdir(path.c_str())); }

int SystemCurrentFolder(std::string* folder) {
  char buffer[4096];
  if (_getcwd(buffer, sizeof buffer) == nullptr) return errno;
  *folder = buffer;
  return 0;
}

int SystemListFolder(const std::string& folder, std::vector<FolderEntry>* entries) {
  std::string pattern = folder.empty() ? std::string(".") : folder;
  if (LastPartStart(pattern) != pattern.size()) pattern += '\\';
  pattern += '*';
  struct _finddata_t found;
  const intptr_t search = _findfirst(pattern.c_str(), &found);
  if (search == -1) {  // an empty root has not even "." to find
    const bool empty = errno == ENOENT && SystemPathKind(folder.empty() ? "." : folder) == PathKind::Folder;
    return empty ? 0 : errno;
  }
  do {
    const std::string name = found.name;
    if (name == "." || name == "..") continue;
    entries->push_back({name, (found.attrib & _A_SUBDIR) != 0});
  } while (_findnext(search, &found) == 0);
  _findclose(search);
  return 0;
}

uint64_t SystemFreeBytes(const std::string& path) {
  const std::string full = SystemFullPath(path.empty() ? "." : path);
  unsigned drive = 0;  // the current drive, for a network path
  if (full.size() >= 2 && full[1] == ':') {
    const char letter = static_cast<char>(full[0] & ~0x20);
    if (letter >= 'A' && letter <= 'Z') drive = static_cast<unsigned>(letter - 'A' + 1);
  }
  struct _diskfree_t disk;
  if (_getdiskfree(drive, &disk) != 0) return 0;
  return static_cast<uint64_t>(disk.avail_clusters) * disk.sectors_per_cluster * disk.bytes_per_sector;
}

std::string SystemFullPath(const std::string& path) {
  char buffer[4096];
  if (_fullpath(buffer, path.c_str(), sizeof buffer) == nullptr) return "";
  return std::string(WithoutTrailingSeparators(buffer));  // _fullpath keeps the one of "DATA\\"
}
