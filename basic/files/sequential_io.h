// The sequential statements on one open file: what PRINT # and WRITE #
// write, what INPUT #, LINE INPUT # and INPUT$ read (cut as input_items.h
// says), and EOF. A file opened FOR INPUT ends at its first Ctrl-Z (byte
// 26), as the classic BASICs' text files did, for reading and for EOF; a
// SEEK past it reads on. Each call checks the file's mode and gives
// BadFileMode when the statement does not go with it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "basic/executor/run_errors.h"
#include "basic/files/input_items.h"
#include "basic/files/open_file.h"

// The mark that ends a text file read FOR INPUT.
inline constexpr int EndOfFileMark = 26;

// OUTPUT and APPEND files and the output devices: writes bytes as given.
// A file may not grow past 2^31-1 bytes (DiskFull).
RunError WriteText(OpenFile& file, std::string_view bytes);
// INPUT files and KYBD:.
RunError ReadItem(OpenFile& file, InputItemKind kind, std::string* item);
RunError ReadLine(OpenFile& file, std::string* line);
// INPUT$: count (1 to MaxItemBytes, else IllegalFunctionCall) bytes from
// an INPUT or BINARY file or KYBD:; InputPastEndOfFile, the file standing
// where it stood, when fewer are left.
RunError ReadCount(OpenFile& file, int64_t count, std::string* bytes);
// EOF: INPUT files at their end or Ctrl-Z; random and binary files after a
// GET (or a binary file's INPUT$) that met the end. BadFileMode for OUTPUT and APPEND files and for
// the devices but NUL.
RunError AtEnd(OpenFile& file, bool* at_end);
