// Lines, labels and diagnostics: the frame around the statements.
#include <algorithm>
#include <cctype>

#include "basic/compiler/compiler.h"
#include "basic/tokens/lexer.h"

static std::vector<std::string_view> SplitLines(std::string_view source) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  while (start <= source.size()) {
    std::size_t end = source.find('\n', start);
    if (end == std::string_view::npos) end = source.size();
    std::string_view line = source.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    start = end + 1;
  }
  // A final line end does not start another line.
  if (lines.size() > 1 && lines.back().empty()) lines.pop_back();
  return lines;
}

bool Compiler::Run() {
  code_->file = input_.file;
  lines_ = SplitLines(TextBeforeEndMark(input_.source));
  code_->messages_add_numbers = input_.reported_lines == nullptr;
  code_->source.resize(lines_.size());
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    code_->source[i].reported = ReportedLine(static_cast<int32_t>(i) + 1);
    code_->source[i].text = std::string(lines_[i]);
  }
  FindProcedures();
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    line_ = static_cast<int32_t>(i) + 1;
    CompileLine(lines_[i]);
  }
  line_ = static_cast<int32_t>(lines_.size());
  builder_.SetLine(line_);
  builder_.Emit(Op::End);
  variables_->scope = nullptr;  // a procedure left open
  CloseOpenBlocks();
  ResolveJumps();
  KeepSoleDeclarations();
  CheckProcedures();
  ChooseCallWays(*code_);
  return errors_->empty();
}

bool CompileProgram(const CompileInput& input, Variables* variables, Code* code,
                    std::vector<BasicDiagnostic>* errors) {
  std::vector<BasicDiagnostic> found;
  Compiler(input, variables, code, &found).Run();
  std::stable_sort(found.begin(), found.end(), [](const BasicDiagnostic& a, const BasicDiagnostic& b) {
    return a.line != b.line ? a.line < b.line : a.column < b.column;
  });
  errors->insert(errors->end(), found.begin(), found.end());
  return found.empty();
}

void Compiler::CompileLine(std::string_view text) {
  builder_.SetLine(line_);
  builder_.ResetDepth();
  block_floor_ = 0;
  nesting_ = 0;
  LexResult lexed = LexLine(text);
  tokens_ = std::move(lexed.tokens);
  at_ = 0;
  RecordSourceLine();
  try {
    LineLabels();
    if (lexed.failed) {
      Report(line_, lexed.error_column, lexed.error);
      return;
    }
    StatementList(false);
  } catch (const CompileError& error) {
    Report(line_, error.column, error.message);
    ForgetRejectedLine();
  }
}

// A line with an error makes no more errors, so that one mistake makes one
// message: its jumps may name lines that only look missing, and the blocks
// it opened may have had their closers in the part never read. Those blocks
// stay open for closers on later lines (FOR I = 1 TO 9: LOCATE I, 1 with
// NEXT below), but are not reported if nothing closes them; blocks it
// closed stay closed. Its labels stay, for the jumps of other lines.
void Compiler::ForgetRejectedLine() {
  for (auto block = blocks_.rbegin(); block != blocks_.rend() && block->line == line_; ++block) {
    block->rejected = true;
  }
  const auto on_this_line = [this](const PendingJump& jump) { return jump.line == line_; };
  jumps_.erase(std::remove_if(jumps_.begin(), jumps_.end(), on_this_line), jumps_.end());
}

// Where the line starts in the code, and the BASIC line number it starts
// with, for messages and for the direct mode's GOTO n.
void Compiler::RecordSourceLine() {
  ProgramLine& source = code_->source[static_cast<std::size_t>(line_ - 1)];
  source.start = builder_.Here();
  const Token& first = tokens_.front();
  if (first.kind == TokenKind::Number && first.digits_only && first.number <= 65529) {
    source.number = static_cast<int32_t>(first.number);
  }
}

// A line number, or a name and ':' (or both, in that order), at the start
// of the line label the instruction the line starts with.
void Compiler::LineLabels() {
  const auto define = [this](const std::string& label, const Token& at) {
    if (!labels_.emplace(label, builder_.Here()).second) {
      Fail(at, (at.kind == TokenKind::Number ? "line " : "label ") + label + " appears twice");
    }
    data_labels_[label] = code_->data.size();
  };
  if (Check(TokenKind::Number) && Peek().digits_only) {
    const Token& number = Peek();
    if (number.number > 65529) Fail(number, "line number must be 0 to 65529");
    define(std::to_string(static_cast<int32_t>(number.number)), number);
    Advance();
  }
  const char last = Peek().text.empty() ? 0 : Peek().text.back();
  const bool plain_name = std::isalnum(static_cast<unsigned char>(last));
  if (Check(TokenKind::Name) && Peek(1).kind == TokenKind::Colon && plain_name) {
    define(Peek().text, Peek());
    Advance();
    Advance();
  }
}

void Compiler::CloseOpenBlocks() {
  for (const Block& block : blocks_) {
    if (block.rejected) continue;
    const char* message = block.kind == BlockKind::For     ? "FOR without NEXT"
                          : block.kind == BlockKind::While ? "WHILE without WEND"
                          : block.kind == BlockKind::Do    ? "DO without LOOP"
                          : block.kind == BlockKind::If    ? "IF without END IF"
                          : block.kind == BlockKind::Sub   ? "SUB without END SUB"
                          : block.kind == BlockKind::Function ? "FUNCTION without END FUNCTION"
                          : block.kind == BlockKind::Def   ? "DEF FN without END DEF"
                                                           : "SELECT CASE without END SELECT";
    Report(block.line, block.column, message);
  }
}

void Compiler::ResolveJumps() {
  for (const PendingJump& jump : jumps_) {
    const auto label = labels_.find(jump.label);
    if (label != labels_.end()) {
      const auto target = jump.to_data ? static_cast<int32_t>(data_labels_[jump.label]) : label->second;
      builder_.PatchJump(jump.position, target);
      const std::string crossing = CrossesProcedure(jump.position, label->second, jump.label);
      if (!crossing.empty()) Report(jump.line, jump.column, crossing);
    } else if (std::isdigit(static_cast<unsigned char>(jump.label[0]))) {
      Report(jump.line, jump.column, "no line " + jump.label);
    } else {
      Report(jump.line, jump.column, "no label " + jump.label);
    }
  }
}

void Compiler::Report(int32_t line, int32_t column, std::string message) {
  if (too_many_) return;
  if (errors_->size() + 1 >= MaxDiagnostics) {
    too_many_ = true;
    message = "too many errors; the rest are not reported";
  }
  BasicDiagnostic diagnostic;
  diagnostic.file = input_.file;
  diagnostic.line = ReportedLine(line);
  diagnostic.column = column;
  diagnostic.message = std::move(message);
  diagnostic.source_line = std::string(SourceLine(line));
  if (code_->messages_add_numbers && line >= 1 && static_cast<std::size_t>(line) <= code_->source.size()) {
    diagnostic.program_line = code_->source[static_cast<std::size_t>(line - 1)].number;
  }
  errors_->push_back(std::move(diagnostic));
}

std::string_view Compiler::SourceLine(int32_t line) const {
  return line >= 1 && static_cast<std::size_t>(line) <= lines_.size() ? lines_[line - 1] : std::string_view();
}

int32_t Compiler::ReportedLine(int32_t line) const {
  const std::vector<int32_t>* reported = input_.reported_lines;
  if (reported && line >= 1 && static_cast<std::size_t>(line) <= reported->size()) return (*reported)[line - 1];
  return line;
}

const Token& Compiler::Peek(std::size_t ahead) const {
  return tokens_[std::min(at_ + ahead, tokens_.size() - 1)];
}

const Token& Compiler::Advance() {
  const Token& token = Peek();
  if (at_ + 1 < tokens_.size()) ++at_;
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

Compiler::NestingGuard::NestingGuard(Compiler* c) : compiler(c) {
  if (++compiler->nesting_ > MaxNesting) {
    --compiler->nesting_;
    compiler->Fail(compiler->Peek(), "nested too deeply");
  }
}
