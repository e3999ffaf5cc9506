// The resources --make gives a made program: its version (always, carrying
// the program's name) and, with --icon, its icon. Windows rewrites the
// file's resource section for them, so they go into the copy of basic.exe
// before the program's text is put after it.
#pragma once

#include <string>

#include "basic/made/icon_file.h"

// Reads the icon file of --icon as icons 1, 2, ... in icon group 1; false,
// with the reason in *error, when it cannot be read or is no icon.
bool ReadMadeIcon(const std::string& icon_file, IconResources* icon, std::string* error);

// Adds the resources to the executable file at `path`: version resource 1
// naming `program_name` and `file_name`, and the icon when there is one
// (its images not empty). False, with the reason in *error, when Windows
// cannot update the file.
bool AddMadeResources(const std::string& path, const std::string& program_name, const std::string& file_name,
                      const IconResources& icon, std::string* error);
