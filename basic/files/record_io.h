// GET and PUT on one open file, as bytes: the caller turns its record
// variable or FIELD buffer into bytes and back.
//
// A RANDOM file's transfer is record `where` (1 to 2^31-1), or the one
// after the last one got or put, and starts at its first byte; a BINARY
// file's is at byte position `where`, or where the file stands. A GET that
// meets the file's end gives what is there followed by zero bytes, and
// makes EOF true until the next GET reads all it asked for; the file
// stands after the whole transfer all the same. No transfer may reach past
// 2^31-1 bytes (BadRecordNumber). Other files are BadFileMode; a file
// whose ACCESS does not allow the transfer is PathFileAccessError.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "basic/executor/run_errors.h"
#include "basic/files/open_file.h"

// size: up to the record length of a random file (else BadRecordLength);
// up to MaxItemBytes of a binary one (else IllegalFunctionCall).
RunError GetBytes(OpenFile& file, std::optional<int64_t> where, int64_t size, std::string* bytes);
// bytes: as many as size above allows.
RunError PutBytes(OpenFile& file, std::optional<int64_t> where, std::string_view bytes);
