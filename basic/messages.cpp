#include "basic/messages.h"

std::string MessagePlace(const std::string& file, int32_t line, int32_t column, int32_t program_line) {
  std::string place = file + ":" + std::to_string(line);
  if (column > 0) place += ":" + std::to_string(column);
  if (program_line >= 0) place += " (line " + std::to_string(program_line) + ")";
  return place;
}

BasicRunResult RunMessage(const Code& code, int32_t position, BasicOutcome outcome, const char* message) {
  const ProgramLine& line = code.source[static_cast<std::size_t>(code.lines[static_cast<std::size_t>(position)] - 1)];
  const int32_t number = code.messages_add_numbers ? line.number : -1;
  return BasicRunResult{outcome, MessagePlace(code.file, line.reported, 0, number) + ": " + message, line.text};
}

std::string BasicFormatRunMessage(const BasicRunResult& result) {
  return result.message + "\r\n" + result.source_line + "\r\n";
}
