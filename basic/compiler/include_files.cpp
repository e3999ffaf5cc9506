#include "basic/compiler/include_files.h"

#include <algorithm>
#include <cctype>

#include "basic/tokens/lexer.h"

namespace {

std::string Upper(std::string_view text) {
  std::string upper(text);
  for (char& ch : upper) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
  return upper;
}

std::string_view SkipSpaces(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  return text;
}

// The message for a file that cannot be read. QB.BI came with QuickBASIC
// and declared CALL INTERRUPT's registers, which this BASIC has no use for.
std::string ReadFailure(const std::string& name, const std::string& error) {
  std::string message = "cannot include " + name + " (" + error + ")";
  if (Upper(name) == "QB.BI" || Upper(name) == "QBX.BI") {
    message += ": it came with QuickBASIC and declared the registers of CALL INTERRUPT, which this BASIC does not have";
  }
  return message;
}

struct Reading {
  const BasicIncludeReader& read;
  BasicSourceText* out;
  std::vector<BasicDiagnostic>* errors;
  std::vector<std::string> open;  // the files being read, outermost first
  std::size_t errors_before;

  bool Stopped() const { return errors->size() - errors_before >= MaxIncludeErrors || out->text.size() > MaxIncludedBytes; }
};

void Fail(Reading& r, const std::string& file, int32_t line, std::string_view text, std::string message) {
  BasicDiagnostic diagnostic;
  diagnostic.file = file;
  diagnostic.line = line;
  diagnostic.column = 1;
  diagnostic.message = std::move(message);
  diagnostic.source_line = std::string(text);
  r.errors->push_back(std::move(diagnostic));
}

void AddLines(Reading& r, std::string_view source, const std::string& file);

void Include(Reading& r, const std::string& name, const std::string& file, int32_t line, std::string_view text) {
  const auto same = [&name](const std::string& open) { return Upper(open) == Upper(name); };
  if (std::any_of(r.open.begin(), r.open.end(), same)) {
    return Fail(r, file, line, text, name + " includes itself");
  }
  if (r.open.size() >= MaxIncludeDepth) {
    return Fail(r, file, line, text, "includes nested more than " + std::to_string(MaxIncludeDepth) + " deep");
  }
  std::string included, error;
  if (!r.read(name, &included, &error)) return Fail(r, file, line, text, ReadFailure(name, error));
  AddLines(r, included, name);
  if (r.out->text.size() > MaxIncludedBytes && r.errors->size() == r.errors_before) {
    Fail(r, file, line, text, "the program with its includes is larger than 64 MB");
  }
}

void AddLines(Reading& r, std::string_view source, const std::string& file) {
  r.open.push_back(file);
  int32_t number = 0;
  for (const std::string_view text : SplitSourceLines(TextBeforeEndMark(source))) {
    if (r.Stopped()) break;
    ++number;
    r.out->text.append(text).push_back('\n');
    r.out->files.push_back(file);
    r.out->lines.push_back(number);
    const std::string name = IncludedName(text);
    if (!name.empty()) Include(r, name, file, number, text);
  }
  r.open.pop_back();
}

}  // namespace

std::string_view CommentOf(std::string_view line) {
  const LexResult lexed = LexLine(line);
  for (const Token& token : lexed.tokens) {
    if (token.kind != TokenKind::Keyword || token.keyword != Keyword::Rem) continue;
    const auto at = static_cast<std::size_t>(token.column - 1);
    return line.substr(std::min(line.size(), at + (line[at] == '\'' ? 1 : 3)));
  }
  return {};
}

std::string IncludedName(std::string_view line) {
  std::string_view comment = SkipSpaces(CommentOf(line));
  if (Upper(comment.substr(0, 8)) != "$INCLUDE") return {};
  comment = SkipSpaces(comment.substr(8));
  if (comment.empty() || comment.front() != ':') return {};
  comment = SkipSpaces(comment.substr(1));
  if (comment.empty() || comment.front() != '\'') return {};
  comment.remove_prefix(1);
  const std::size_t end = comment.find('\'');
  if (end == std::string_view::npos) return {};
  return std::string(SkipSpaces(comment.substr(0, end)));
}

bool ReadIncludes(std::string_view source, const std::string& file, const BasicIncludeReader& read,
                  BasicSourceText* out, std::vector<BasicDiagnostic>* errors) {
  const std::size_t errors_before = errors->size();
  Reading reading{read, out, errors, {}, errors_before};
  AddLines(reading, source, file);
  return errors->size() == errors_before;
}
