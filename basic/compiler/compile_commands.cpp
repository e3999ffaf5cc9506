#include "basic/compiler/compile_commands.h"

#include <cctype>
#include <string>

#include "basic/compiler/compile_expression.h"
#include "basic/compiler/compile_jumps.h"
#include "basic/compiler/compiler.h"
#include "basic/executor/run_errors.h"
#include "basic/tokens/lexer.h"

namespace {

// LOAD "file" and RUN "file": the run ends. The file's name is compiled
// all the same, after the End, into an instruction that takes it and is
// never reached, so that the stacks stay even.
void EndWithFileName(Compiler& c) {
  c.builder.Emit(Op::End);
  StringExpression(c);
  c.builder.Emit(Op::SaveProgram);
}

// RUN, RUN n, RUN "file".
void CompileRun(Compiler& c) {
  if (c.AtStatementEnd()) {
    c.builder.Emit(Op::Restart, 0);
    return;
  }
  if (c.Check(TokenKind::String)) return EndWithFileName(c);
  const Token& at = c.Peek();
  std::string line = ReadTarget(c);
  AddJump(c, c.builder.Emit(Op::Restart), at, std::move(line));
}

// A bound of LIST: a line number, or -1 when it is not written.
int32_t ListBound(Compiler& c) {
  if (!c.Check(TokenKind::Number)) return -1;
  const Token& token = c.Advance();
  if (!token.digits_only || token.number > 65529) c.Fail(token, "line number must be 0 to 65529");
  return static_cast<int32_t>(token.number);
}

// LIST, LIST n, LIST n-m, LIST -m, LIST n-.
void CompileList(Compiler& c) {
  const int32_t from = ListBound(c);
  int32_t to = from;
  if (c.Match(TokenKind::Minus)) {
    to = ListBound(c);
  } else if (from < 0) {
    to = -1;
  }
  c.builder.Emit(Op::ListProgram, from, to);
}

}  // namespace

void CompileProgramCommand(Compiler& c) {
  const Keyword command = c.Advance().keyword;
  switch (command) {
    case Keyword::Run: return CompileRun(c);
    case Keyword::List: return CompileList(c);
    case Keyword::Save:
      StringExpression(c);
      c.builder.Emit(Op::SaveProgram);
      return;
    case Keyword::Load: return EndWithFileName(c);
    case Keyword::Cont:
      c.builder.Emit(Op::FailWith, static_cast<int32_t>(RunError::CannotContinue),
                     c.builder.StringConstant("CONT goes on after STOP in the direct mode only"));
      return;
    case Keyword::Tron: c.builder.Emit(Op::Trace, 1); return;
    case Keyword::Troff: c.builder.Emit(Op::Trace, 0); return;
    default:  // NEW
      c.builder.Emit(Op::End);
      return;
  }
}

namespace {

// Whether the line's text holds the four letters in any case: most lines
// are ruled out by this alone, before any lexing.
bool HoldsTronLetters(std::string_view line) {
  for (std::size_t at = line.find_first_of("tT"); at != std::string_view::npos;
       at = line.find_first_of("tT", at + 1)) {
    std::string word(line.substr(at, 4));
    for (char& ch : word) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    if (word == "TRON") return true;
  }
  return false;
}

}  // namespace

bool MayTrace(const std::vector<std::string_view>& lines) {
  // Only the keyword counts: the letters inside a name (STRONGLY), a string
  // or a comment are no TRON.
  for (const std::string_view line : lines) {
    if (!HoldsTronLetters(line)) continue;
    for (const Token& token : LexLine(line).tokens) {
      if (token.kind == TokenKind::Keyword && token.keyword == Keyword::Tron) return true;
    }
  }
  return false;
}

void CompileTracePoint(Compiler& c, int32_t number) { c.builder.Emit(Op::TraceLine, number); }
