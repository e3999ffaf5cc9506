#include "tests/basic/programs/expectations.h"

#include <fstream>
#include <iterator>

namespace {

bool StartsWith(std::string_view text, std::string_view start) { return text.substr(0, start.size()) == start; }

std::string_view WithoutTrailingSpaces(std::string_view text) {
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

// The text after a mark's ':', one space after it dropped.
std::string AfterColon(std::string_view rest) {
  if (!rest.empty() && rest.front() == ' ') rest.remove_prefix(1);
  return std::string(rest);
}

// Reads digits at the start of text into *number; false when there are none.
bool ReadNumber(std::string_view* text, int32_t* number) {
  std::size_t digits = 0;
  *number = 0;
  while (digits < text->size() && digits < 6 && (*text)[digits] >= '0' && (*text)[digits] <= '9') {
    *number = *number * 10 + ((*text)[digits] - '0');
    ++digits;
  }
  text->remove_prefix(digits);
  return digits > 0;
}

// After "expect error" or "expect warning": ": M", " C: M" or " L:C: M".
Mark ReadErrorMark(std::string_view rest, Mark::Kind kind) {
  Mark mark;
  mark.kind = kind;
  if (StartsWith(rest, " ")) {
    rest.remove_prefix(1);
    int32_t first = 0;
    if (!ReadNumber(&rest, &first)) return {Mark::Kind::Malformed, 0, 0, "expected a column or ':' after 'expect error'"};
    mark.column = first;
    if (StartsWith(rest, ":") && rest.size() > 1 && rest[1] >= '0' && rest[1] <= '9') {
      rest.remove_prefix(1);
      mark.line = first;
      ReadNumber(&rest, &mark.column);
    }
  }
  if (!StartsWith(rest, ":")) return {Mark::Kind::Malformed, 0, 0, "expected ':' before the message"};
  mark.text = std::string(WithoutTrailingSpaces(AfterColon(rest.substr(1))));
  return mark;
}

}  // namespace

Mark ReadMark(std::string_view line) {
  bool in_string = false;
  std::size_t quote = std::string_view::npos;
  for (std::size_t at = 0; at < line.size() && quote == std::string_view::npos; ++at) {
    if (line[at] == '"') in_string = !in_string;
    if (line[at] == '\'' && !in_string) quote = at;
  }
  if (quote == std::string_view::npos) return {};
  std::string_view comment = line.substr(quote + 1);
  while (StartsWith(comment, " ")) comment.remove_prefix(1);
  if (StartsWith(comment, "input:")) return {Mark::Kind::Input, 0, 0, AfterColon(comment.substr(6))};
  if (!StartsWith(comment, "expect")) return {};
  const std::string_view rest = comment.substr(6);
  if (StartsWith(rest, ":")) {
    return {Mark::Kind::Output, 0, 0, std::string(WithoutTrailingSpaces(AfterColon(rest.substr(1))))};
  }
  if (StartsWith(rest, " runtime error:")) {
    return {Mark::Kind::RuntimeError, 0, 0, std::string(WithoutTrailingSpaces(AfterColon(rest.substr(15))))};
  }
  if (StartsWith(rest, " error")) return ReadErrorMark(rest.substr(6), Mark::Kind::Error);
  if (StartsWith(rest, " warning")) return ReadErrorMark(rest.substr(8), Mark::Kind::Warning);
  return {Mark::Kind::Malformed, 0, 0, "a comment starting 'expect' that is no expectation"};
}

std::vector<std::string> SourceLines(std::string_view source) {
  std::vector<std::string> lines;
  while (!source.empty()) {
    const std::size_t end = source.find('\n');
    std::string_view line = source.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.emplace_back(line);
    source.remove_prefix(end == std::string_view::npos ? source.size() : end + 1);
  }
  return lines;
}

ProgramExpectations ReadExpectations(std::string_view source) {
  ProgramExpectations expected;
  const std::vector<std::string> lines = SourceLines(source);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const int32_t number = static_cast<int32_t>(i + 1);
    Mark mark = ReadMark(lines[i]);
    switch (mark.kind) {
      case Mark::Kind::None: break;
      case Mark::Kind::Output: expected.output.push_back({number, mark.text}); break;
      case Mark::Kind::Error:
      case Mark::Kind::Warning:
        expected.errors.push_back({mark.line ? mark.line : number, mark.column, mark.text,
                                   mark.kind == Mark::Kind::Warning});
        break;
      case Mark::Kind::RuntimeError: expected.runtime_errors.push_back({number, 0, mark.text}); break;
      case Mark::Kind::Input: expected.input.push_back(mark.text); break;
      case Mark::Kind::Malformed: expected.problems.push_back(std::to_string(number) + ": " + mark.text); break;
    }
  }
  if (expected.runtime_errors.size() > 1) {
    expected.problems.push_back(std::to_string(expected.runtime_errors[1].line) +
                                ": a run stops once; one runtime error at most");
  }
  return expected;
}

int32_t ProgramLineNumber(std::string_view source_line) {
  while (StartsWith(source_line, " ") || StartsWith(source_line, "\t")) source_line.remove_prefix(1);
  int32_t number = 0;
  return ReadNumber(&source_line, &number) ? number : -1;
}

std::string RunMessagePlace(const std::string& file, int32_t line, std::string_view source_line) {
  const int32_t number = ProgramLineNumber(source_line);
  return file + ":" + std::to_string(line) + (number >= 0 ? " (line " + std::to_string(number) + ")" : "") + ": ";
}

std::string InputScriptText(const std::vector<std::string>& input) {
  std::string text;
  for (const std::string& line : input) text += line + "\n";
  return text;
}

std::string CompareOutput(const std::string& file, const std::vector<ExpectedText>& expected,
                          std::string_view printed) {
  std::vector<std::string> lines;
  while (!printed.empty()) {
    const std::size_t end = printed.find("\r\n");
    lines.emplace_back(WithoutTrailingSpaces(printed.substr(0, end)));
    printed.remove_prefix(end == std::string_view::npos ? printed.size() : end + 2);
  }
  std::string differences;
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const std::string place = file + ":" + std::to_string(expected[i].line) + ": ";
    const std::string want(WithoutTrailingSpaces(expected[i].text));
    if (i >= lines.size()) {
      differences += place + "expected '" + want + "', but nothing more was printed\n";
    } else if (lines[i] != want) {
      differences += place + "expected '" + want + "', printed '" + lines[i] + "'\n";
    }
  }
  for (std::size_t i = expected.size(); i < lines.size(); ++i) {
    differences += file + ": printed '" + lines[i] + "', which no expect: comment foresees\n";
  }
  return differences;
}

std::string CompareExactOutput(const std::string& file, std::string_view out, std::string_view printed) {
  std::string want;
  for (const char c : out) want += c == '\n' ? std::string("\r\n") : std::string(1, c);
  if (printed == want) return "";
  std::size_t same = 0;
  while (same < want.size() && same < printed.size() && want[same] == printed[same]) ++same;
  return file + ": the output differs from the .out file from byte " + std::to_string(same) + ": expected '" +
         want.substr(same, 40) + "', printed '" + std::string(printed.substr(same, 40)) + "'\n";
}

bool ReadWholeFile(const std::string& path, std::string* text) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  text->assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return true;
}
