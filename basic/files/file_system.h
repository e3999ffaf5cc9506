// The calls into the system that differ between Windows and the others,
// each a thin cover over the C runtime's narrow call (msvcrt's _mkdir,
// _findfirst ... on Windows; POSIX's mkdir, opendir ... elsewhere), chosen
// by the build; fopen, remove and rename are the same everywhere and are
// called directly. Names reach the system as the bytes given, in its ANSI
// code page, with the system's separator (WithSeparators). A call that
// fails returns the errno it left; SystemError turns one into the run-time
// error a program sees. Relative names are relative to the process's
// current folder, which SystemChangeFolder changes for the whole process.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "basic/executor/run_errors.h"

// '\' on Windows, '/' elsewhere.
char SystemSeparator();
// Whether names may start with a drive ("C:"); elsewhere no such drive is
// found (PathNotFound).
bool SystemHasDrives();
// Whether the system takes "A.DAT" and "a.dat" for one file.
bool SystemIgnoresCase();

enum class PathKind { Missing, File, Folder };
PathKind SystemPathKind(const std::string& path);

int SystemMakeFolder(const std::string& path);
int SystemRemoveFolder(const std::string& path);
int SystemChangeFolder(const std::string& path);
int SystemCurrentFolder(std::string* folder);

struct FolderEntry {
  std::string name;
  bool is_folder = false;
};
// The entries of a folder ("" for the current one), without "." and "..",
// in the order the system gives them.
int SystemListFolder(const std::string& folder, std::vector<FolderEntry>* entries);
// The bytes free on the disk that holds path; 0 when the system will not say.
uint64_t SystemFreeBytes(const std::string& path);
// path made absolute and plain, as the system would resolve it now; empty
// when it cannot be made.
std::string SystemFullPath(const std::string& path);

// The system's name for a name a program gave (not a device's), after
// CheckFileName and the drive check above.
RunError SystemPathOf(std::string_view name, bool allow_wildcards, std::string* path);

// The run-time error for an errno the calls above, fopen, remove or rename
// left. ENOENT gives FileNotFound; FileOrPathNotFound tells the two apart.
RunError SystemError(int error);
// FileNotFound when the folder that would hold path exists, else
// PathNotFound.
RunError FileOrPathNotFound(const std::string& path);
// The folder part of path: "." for a bare name, the root kept whole.
std::string FolderOfPath(const std::string& path);
