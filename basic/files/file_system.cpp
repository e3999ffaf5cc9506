#include "basic/files/file_system.h"

#include <cerrno>

#include "basic/files/file_names.h"

RunError SystemError(int error) {
  switch (error) {
    case 0:
      return RunError::None;
    case ENOENT:
      return RunError::FileNotFound;
    case ENOTDIR:
      return RunError::PathNotFound;
    case EEXIST:
      return RunError::FileAlreadyExists;
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
    case EFBIG:
      return RunError::DiskFull;
    case EMFILE:
    case ENFILE:
      return RunError::TooManyFiles;
    case ENAMETOOLONG:
    case EINVAL:
    case EILSEQ:
      return RunError::BadFileName;
    case EXDEV:
      return RunError::RenameAcrossDisks;
    case EIO:
      return RunError::DeviceIoError;
    default:  // EACCES, EPERM, EROFS, EISDIR, EBUSY, ENOTEMPTY and the rest
      return RunError::PathFileAccessError;
  }
}

RunError SystemPathOf(std::string_view name, bool allow_wildcards, std::string* path) {
  if (const RunError error = CheckFileName(name, allow_wildcards); error != RunError::None) return error;
  if (!SystemHasDrives() && name.size() >= 2 && name[1] == ':') return RunError::PathNotFound;
  *path = WithSeparators(name, SystemSeparator());
  return RunError::None;
}

std::string FolderOfPath(const std::string& path) {
  const std::string_view folder = std::string_view(path).substr(0, LastPartStart(path));
  if (folder.empty()) return ".";
  if (folder.back() == ':') return std::string(folder) + ".";  // "C:" names that drive's folder
  return std::string(WithoutTrailingSeparators(folder));
}

RunError FileOrPathNotFound(const std::string& path) {
  return SystemPathKind(FolderOfPath(path)) == PathKind::Folder ? RunError::FileNotFound : RunError::PathNotFound;
}
