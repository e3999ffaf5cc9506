// The place a message names: the file, its line, the column when there is
// one, and the BASIC line number when the line starts with one, so that a
// numbered listing's reader finds the line by either.
#pragma once

#include <cstdint>
#include <string>

#include "basic/basic.h"
#include "basic/code/code.h"

// "FILE:LINE", ":COLUMN" when column > 0, " (line N)" when program_line >= 0.
std::string MessagePlace(const std::string& file, int32_t line, int32_t column, int32_t program_line);

// Spaces (tabs where the source line has them) up to the column, a caret,
// CR LF.
std::string CaretLine(const std::string& source_line, int32_t column);

// A run's result for a message about the instruction at position.
BasicRunResult RunMessage(const Code& code, int32_t position, BasicOutcome outcome, const std::string& message);
