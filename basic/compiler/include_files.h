// '$INCLUDE: 'name' metacommands: the named file's lines stand in the
// program right after the metacommand's line, which stays a comment. Names
// are read through the caller's reader (basic.exe reads them from the
// program's folder); included files may include others, up to
// MaxIncludeDepth deep, never themselves again. Every line keeps the file
// and line it came from, for messages.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "basic/basic.h"

inline constexpr int MaxIncludeDepth = 16;
// A file included many times over (each level including the next twice)
// could grow without end: the whole text stops at this size, and the
// reading stops at the 50th error.
inline constexpr std::size_t MaxIncludedBytes = std::size_t{64} << 20;
inline constexpr std::size_t MaxIncludeErrors = 50;

// The text of the line's comment after its ' or REM, or nothing when the
// line has none; metacommands stand there.
std::string_view CommentOf(std::string_view line);

// The file name a line's metacommand names, or "" when the line has none.
// The metacommand stands in a comment (' or REM), alone or after statements.
std::string IncludedName(std::string_view line);

// Appends the source's lines, each followed by the lines of the file its
// metacommand names, to out; false, with the errors appended, when a file
// cannot be read or includes itself.
bool ReadIncludes(std::string_view source, const std::string& file, const BasicIncludeReader& read,
                  BasicSourceText* out, std::vector<BasicDiagnostic>* errors);
