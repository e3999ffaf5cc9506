// The statements on the disk itself: KILL, NAME, MKDIR, RMDIR, CHDIR and
// FILES. Names are checked as file_names.h says (a device's name is a
// BadFileName here); a missing folder on the way is PathNotFound; what the
// system refuses (a read-only file, a folder that is not empty, one that is
// there already) is PathFileAccessError.
//
// Wildcards (? and *, in the last part of the name only) match names in
// any case, the same on every system, and match files only for KILL, files
// and folders for FILES.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "basic/executor/run_errors.h"
#include "basic/files/file_system.h"
#include "basic/files/file_table.h"

// KILL: deletes the matching files; FileNotFound when none matches,
// FileAlreadyOpen (and none deleted) when one is open.
RunError KillFiles(const FileTable& files, std::string_view pattern);
// NAME from AS to: FileNotFound when from is missing, FileAlreadyExists
// when to is there, FileAlreadyOpen when from is open, RenameAcrossDisks
// between drives.
RunError RenameFile(const FileTable& files, std::string_view from, std::string_view to);
RunError MakeFolder(std::string_view name);
RunError RemoveFolder(std::string_view name);
// CHDIR: changes the process's current folder, which relative names of
// every later statement start from.
RunError ChangeFolder(std::string_view name);

// What FILES shows: the folder listed, in full as the system writes it,
// the matching names sorted by their bytes, and the bytes free on its disk.
struct FileListing {
  std::string folder;
  std::vector<FolderEntry> entries;
  uint64_t free_bytes = 0;
};
// FILES [pattern]: an empty pattern, or one that names only a folder
// ("DATA\", "C:"), lists all of the folder; FileNotFound when nothing
// matches.
RunError ListFiles(std::string_view pattern, FileListing* listing);
