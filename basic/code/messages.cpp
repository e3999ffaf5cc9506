#include "basic/code/messages.h"

std::string MessagePlace(const std::string& file, int32_t line, int32_t column, int32_t program_line) {
  std::string place = file + ":" + std::to_string(line);
  if (column > 0) place += ":" + std::to_string(column);
  if (program_line >= 0) place += " (line " + std::to_string(program_line) + ")";
  return place;
}

BasicRunResult RunMessage(const Code& code, int32_t position, BasicOutcome outcome, const std::string& message) {
  const auto at = static_cast<std::size_t>(position);
  const int32_t source_line = at < code.lines.size() ? code.lines[at] : 0;
  // Code made without its text (a constant's value, worked out before the
  // run) names the line alone.
  if (source_line < 1 || static_cast<std::size_t>(source_line) > code.source.size() || at >= code.columns.size()) {
    return BasicRunResult{outcome, MessagePlace(code.file, source_line, 0, -1) + ": " + message, "", 0};
  }
  const ProgramLine& line = code.source[static_cast<std::size_t>(source_line - 1)];
  const int32_t number = code.messages_add_numbers ? line.number : -1;
  const std::string& file = line.file.empty() ? code.file : line.file;
  return BasicRunResult{outcome, MessagePlace(file, line.reported, 0, number) + ": " + message, line.text,
                        code.columns[at]};
}

std::string CaretLine(const std::string& source_line, int32_t column) {
  std::string text;
  // The caret line keeps the source line's tabs, so the caret stands under
  // the column however tabs are shown.
  const std::size_t before = column > 1 ? static_cast<std::size_t>(column - 1) : 0;
  for (std::size_t i = 0; i < before; ++i) text += i < source_line.size() && source_line[i] == '\t' ? '\t' : ' ';
  return text + "^\r\n";
}
