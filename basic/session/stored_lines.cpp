#include "basic/session/stored_lines.h"

#include <vector>

#include "basic/tokens/lexer.h"

static std::string_view TrimLeft(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  return text;
}

static bool Blank(std::string_view text) {
  return TrimLeft(text).empty() || TrimLeft(text) == "\r";
}

bool SplitLineNumber(std::string_view line, int32_t* number, std::string_view* rest) {
  line = TrimLeft(line);
  std::size_t digits = 0;
  int64_t value = 0;
  while (digits < line.size() && line[digits] >= '0' && line[digits] <= '9') {
    if (value <= MaxLineNumber) value = value * 10 + (line[digits] - '0');
    ++digits;
  }
  if (digits == 0) return false;
  *number = value <= MaxLineNumber ? static_cast<int32_t>(value) : -1;
  *rest = TrimLeft(line.substr(digits));
  return true;
}

std::string ListLines(const StoredLines& lines) {
  std::string text;
  for (const auto& [number, line] : lines) text += std::to_string(number) + " " + line + "\r\n";
  return text;
}

std::string ParseStoredLines(std::string_view text, StoredLines* lines) {
  text = TextBeforeEndMark(text);
  std::vector<std::string_view> rows;
  for (std::size_t start = 0; start < text.size();) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view row = text.substr(start, end - start);
    if (!row.empty() && row.back() == '\r') row.remove_suffix(1);
    if (!Blank(row)) rows.push_back(row);
    start = end + 1;
  }
  std::size_t numbered = 0;
  for (std::string_view row : rows) {
    int32_t number;
    std::string_view rest;
    numbered += SplitLineNumber(row, &number, &rest) ? 1 : 0;
  }
  lines->clear();
  if (numbered == 0) {
    if (rows.size() * 10 > MaxLineNumber) return "too many lines to number them 10, 20, 30...";
    int32_t number = 10;
    for (std::string_view row : rows) {
      (*lines)[number] = std::string(row);
      number += 10;
    }
    return "";
  }
  for (std::size_t i = 0; i < rows.size(); ++i) {
    int32_t number;
    std::string_view rest;
    if (!SplitLineNumber(rows[i], &number, &rest)) {
      lines->clear();
      return "a line without a number among numbered lines: " + std::string(rows[i].substr(0, 40));
    }
    if (number < 0) {
      lines->clear();
      return "line number must be 0 to 65529";
    }
    (*lines)[number] = std::string(rest);
  }
  return "";
}
