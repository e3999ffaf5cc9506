// The compiler's token reading and its reports.
#include "basic/compiler/compiler.h"

#include <algorithm>

void Compiler::Report(int32_t line, int32_t column, std::string message) {
  if (too_many) return;
  if (errors->size() + 1 >= MaxDiagnostics) {
    too_many = true;
    message = "too many errors; the rest are not reported";
  }
  BasicDiagnostic diagnostic;
  diagnostic.file = ReportedFile(line);
  diagnostic.line = ReportedLine(line);
  diagnostic.column = column;
  diagnostic.message = std::move(message);
  diagnostic.source_line = std::string(SourceLine(line));
  if (code->messages_add_numbers && line >= 1 && static_cast<std::size_t>(line) <= code->source.size()) {
    diagnostic.program_line = code->source[static_cast<std::size_t>(line - 1)].number;
  }
  errors->push_back(std::move(diagnostic));
}

std::string_view Compiler::SourceLine(int32_t line) const {
  return line >= 1 && static_cast<std::size_t>(line) <= lines.size() ? lines[line - 1] : std::string_view();
}

const std::string& Compiler::ReportedFile(int32_t line) const {
  const BasicSourceText* origins = input.origins;
  if (origins && line >= 1 && static_cast<std::size_t>(line) <= origins->files.size()) return origins->files[line - 1];
  return input.file;
}

int32_t Compiler::ReportedLine(int32_t line) const {
  const BasicSourceText* origins = input.origins;
  if (origins && line >= 1 && static_cast<std::size_t>(line) <= origins->lines.size()) return origins->lines[line - 1];
  const std::vector<int32_t>* reported = input.reported_lines;
  if (reported && line >= 1 && static_cast<std::size_t>(line) <= reported->size()) return (*reported)[line - 1];
  return line;
}

const Token& Compiler::Peek(std::size_t ahead) const {
  return tokens[std::min(token_index + ahead, tokens.size() - 1)];
}

const Token& Compiler::Advance() {
  const Token& token = Peek();
  if (token_index + 1 < tokens.size()) ++token_index;
  return token;
}

bool Compiler::CheckKeyword(Keyword keyword) const {
  return Peek().kind == TokenKind::Keyword && Peek().keyword == keyword;
}

bool Compiler::Match(TokenKind kind) {
  if (!Check(kind)) return false;
  Advance();
  return true;
}

bool Compiler::MatchWord(const char* word) {
  const Token& token = Peek();
  const bool match = (token.kind == TokenKind::Name && token.text == word) ||
                     (token.kind == TokenKind::Keyword && std::string(KeywordText(token.keyword)) == word);
  if (match) Advance();
  return match;
}

bool Compiler::MatchKeyword(Keyword keyword) {
  if (!CheckKeyword(keyword)) return false;
  Advance();
  return true;
}

const Token& Compiler::Expect(TokenKind kind, const char* what) {
  if (!Check(kind)) Unexpected(what);
  return Advance();
}

void Compiler::ExpectKeyword(Keyword keyword) {
  if (!MatchKeyword(keyword)) Unexpected(KeywordText(keyword));
}

bool Compiler::AtStatementEnd() const {
  return Check(TokenKind::EndOfLine) || Check(TokenKind::Colon) || CheckKeyword(Keyword::Else) ||
         CheckKeyword(Keyword::Rem);
}

void Compiler::Fail(const Token& at, std::string message) const {
  throw CompileError{at.column, std::move(message)};
}

void Compiler::Unexpected(const char* expected) const {
  Fail(Peek(), std::string("expected ") + expected + ", found " + DescribeToken(Peek()));
}

Compiler::NestingGuard::NestingGuard(Compiler& c) : compiler(c) {
  if (++c.nesting > MaxNesting) {
    --c.nesting;
    c.Fail(c.Peek(), "nested too deeply");
  }
}
