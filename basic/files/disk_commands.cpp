#include "basic/files/disk_commands.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <vector>

#include "basic/files/file_names.h"
#include "basic/files/open_file.h"

namespace {

// The system's name for a name a program gave, after checking it.
RunError SystemName(std::string_view name, bool allow_wildcards, std::string* path) {
  if (name.empty() || DeviceOfName(name) != DeviceKind::None) return RunError::BadFileName;
  return SystemPathOf(name, allow_wildcards, path);
}

// A folder statement's name, without the separators after it (the root's
// kept: "\", "C:\").
RunError FolderName(std::string_view name, std::string* path) {
  if (const RunError error = SystemName(name, false, path); error != RunError::None) return error;
  *path = std::string(WithoutTrailingSeparators(*path));
  return RunError::None;
}

// The errors of the folder calls: a missing folder is a path not found,
// one already there an access error.
RunError FolderError(int error) {
  const RunError run_error = SystemError(error);
  if (run_error == RunError::FileNotFound) return RunError::PathNotFound;
  if (run_error == RunError::FileAlreadyExists) return RunError::PathFileAccessError;
  return run_error;
}

// The entries of the folder a pattern's folder part names that match its
// last part; the folder part keeps its separator, so that folder + name
// names an entry.
RunError MatchingEntries(const std::string& pattern, std::string* folder, std::vector<FolderEntry>* matches) {
  const std::size_t last = LastPartStart(pattern);
  *folder = pattern.substr(0, last);
  const std::string wanted = last == pattern.size() ? std::string("*.*") : pattern.substr(last);
  std::vector<FolderEntry> entries;
  if (const int error = SystemListFolder(*folder, &entries); error != 0) return FolderError(error);
  for (FolderEntry& entry : entries) {
    if (MatchesWildcards(wanted, entry.name)) matches->push_back(std::move(entry));
  }
  std::sort(matches->begin(), matches->end(),
            [](const FolderEntry& a, const FolderEntry& b) { return a.name < b.name; });
  return matches->empty() ? RunError::FileNotFound : RunError::None;
}

RunError RemoveFile(const std::string& path) {
  return std::remove(path.c_str()) == 0 ? RunError::None : SystemError(errno);
}

RunError KillOne(const FileTable& files, const std::string& path) {
  const PathKind kind = SystemPathKind(path);
  if (kind == PathKind::Missing) return FileOrPathNotFound(path);
  if (kind == PathKind::Folder) return RunError::PathFileAccessError;
  if (files.HoldsFile(FileKey(path))) return RunError::FileAlreadyOpen;
  return RemoveFile(path);
}

}  // namespace

RunError KillFiles(const FileTable& files, std::string_view pattern) {
  std::string path;
  if (const RunError error = SystemName(pattern, true, &path); error != RunError::None) return error;
  if (LastPartStart(path) == path.size()) return RunError::BadFileName;
  if (!HasWildcards(path)) return KillOne(files, path);
  std::string folder;
  std::vector<FolderEntry> matches;
  if (const RunError error = MatchingEntries(path, &folder, &matches); error != RunError::None) return error;
  matches.erase(std::remove_if(matches.begin(), matches.end(), [](const FolderEntry& entry) { return entry.is_folder; }),
                matches.end());
  if (matches.empty()) return RunError::FileNotFound;
  for (const FolderEntry& entry : matches) {
    if (files.HoldsFile(FileKey(folder + entry.name))) return RunError::FileAlreadyOpen;
  }
  for (const FolderEntry& entry : matches) {
    if (const RunError error = RemoveFile(folder + entry.name); error != RunError::None) return error;
  }
  return RunError::None;
}

RunError RenameFile(const FileTable& files, std::string_view from, std::string_view to) {
  std::string old_path, new_path;
  if (const RunError error = SystemName(from, false, &old_path); error != RunError::None) return error;
  if (const RunError error = SystemName(to, false, &new_path); error != RunError::None) return error;
  if (LastPartStart(old_path) == old_path.size() || LastPartStart(new_path) == new_path.size()) {
    return RunError::BadFileName;
  }
  if (SystemPathKind(old_path) == PathKind::Missing) return FileOrPathNotFound(old_path);
  if (SystemPathKind(new_path) != PathKind::Missing) return RunError::FileAlreadyExists;
  if (files.HoldsFile(FileKey(old_path))) return RunError::FileAlreadyOpen;
  if (std::rename(old_path.c_str(), new_path.c_str()) == 0) return RunError::None;
  const RunError error = SystemError(errno);
  return error == RunError::FileNotFound ? FileOrPathNotFound(new_path) : error;
}

RunError MakeFolder(std::string_view name) {
  std::string path;
  if (const RunError error = FolderName(name, &path); error != RunError::None) return error;
  return FolderError(SystemMakeFolder(path));
}

RunError RemoveFolder(std::string_view name) {
  std::string path;
  if (const RunError error = FolderName(name, &path); error != RunError::None) return error;
  if (SystemPathKind(path) == PathKind::File) return RunError::PathNotFound;
  return FolderError(SystemRemoveFolder(path));
}

RunError ChangeFolder(std::string_view name) {
  std::string path;
  if (const RunError error = FolderName(name, &path); error != RunError::None) return error;
  if (SystemPathKind(path) == PathKind::File) return RunError::PathNotFound;  // Windows says EINVAL
  return FolderError(SystemChangeFolder(path));
}

RunError ListFiles(std::string_view pattern, FileListing* listing) {
  std::string path;
  if (!pattern.empty()) {
    if (const RunError error = SystemName(pattern, true, &path); error != RunError::None) return error;
  }
  std::string folder;
  listing->entries.clear();
  if (const RunError error = MatchingEntries(path, &folder, &listing->entries); error != RunError::None) return error;
  const std::string shown = folder.empty() ? std::string(".") : folder;
  listing->folder = SystemFullPath(shown);
  listing->free_bytes = SystemFreeBytes(shown);
  return RunError::None;
}
