// Files read and written whole: program text, --make's output.
#pragma once

#include <cstddef>
#include <string>

// A source file larger than this is refused rather than read.
inline constexpr std::size_t BasicMaxSourceBytes = std::size_t{64} << 20;

// The whole file as bytes; false, with a message in *error, when it cannot
// be read or is too large.
bool ReadSourceFile(const std::string& path, std::string* source, std::string* error);
// The file's first `limit` bytes, or all of it when it is shorter; false,
// with a message in *error, when it cannot be read.
bool ReadFileUpTo(const std::string& path, std::size_t limit, std::string* bytes, std::string* error);
// Writes all the bytes to the file; false, leaving no file behind, when it
// cannot.
bool WriteWholeFile(const std::string& path, const std::string& bytes);
