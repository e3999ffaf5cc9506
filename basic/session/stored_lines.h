// The direct mode's stored program: numbered lines, kept in order, and the
// text forms LOAD reads and SAVE and LIST write.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>

using StoredLines = std::map<int32_t, std::string>;

inline constexpr int32_t MaxLineNumber = 65529;

// "10 PRINT 1\r\n" for every line, in order.
std::string ListLines(const StoredLines& lines);

// A file's text as stored lines. Either every line that is not blank starts
// with a line number, or none does and they are numbered 10, 20, 30...;
// an empty string on success, the reason otherwise.
std::string ParseStoredLines(std::string_view text, StoredLines* lines);

// Splits "  120 PRINT X" into 120 and "PRINT X"; false when the line does
// not start with a number. number is -1 when it is out of range.
bool SplitLineNumber(std::string_view line, int32_t* number, std::string_view* rest);
