// The compiler's state: where it is in the text and the tokens of the line,
// what it has written, and what the text so far has declared. Every
// compile_* routine, in this folder and in the feature folders, takes it as
// its first argument, the way one parser state threads through a
// recursive-descent compiler.
//
// Errors: a routine that meets a mistake calls Fail, which throws a
// CompileError; the line's compile catches it, reports it and goes on with
// the next line, so that each line's first error is reported in one go.
// Report records an error found later (a jump to a missing line, a block
// never closed), up to MaxDiagnostics of them.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "basic/basic.h"
#include "basic/code/code.h"
#include "basic/compiler/code_builder.h"
#include "basic/compiler/compile_blocks.h"
#include "basic/compiler/compile_jumps.h"
#include "basic/compiler/compile_program.h"
#include "basic/procedures/compile_procedures.h"
#include "basic/records/record_types.h"
#include "basic/variables/compile_constants.h"
#include "basic/tokens/token.h"
#include "basic/variables/compile_variables.h"
#include "basic/variables/variables.h"

// A parse or check error: message at a column of the current line.
struct CompileError {
  int32_t column;
  std::string message;
};

inline constexpr int MaxNesting = 200;  // parentheses, operators, one-line IFs
inline constexpr std::size_t MaxDiagnostics = 50;

struct Compiler {
  Compiler(const ProgramText& input, Variables* variables, Code* code, std::vector<BasicDiagnostic>* errors)
      : input(input), variables(variables), code(code), builder(code), errors(errors) {}

  // The tokens of the current line. Peek past the end gives its EndOfLine.
  const Token& Peek(std::size_t ahead = 0) const;
  const Token& Advance();
  bool Check(TokenKind kind) const { return Peek().kind == kind; }
  bool CheckKeyword(Keyword keyword) const;
  bool Match(TokenKind kind);
  bool MatchKeyword(Keyword keyword);
  // A word that may be a keyword or a plain name, so that AS and the type
  // names need not be reserved.
  bool MatchWord(const char* word);
  const Token& Expect(TokenKind kind, const char* what);
  void ExpectKeyword(Keyword keyword);
  // The end of the line, ':', ELSE or a comment.
  bool AtStatementEnd() const;

  [[noreturn]] void Fail(const Token& at, std::string message) const;
  [[noreturn]] void Unexpected(const char* expected) const;
  void Report(int32_t line, int32_t column, std::string message);
  std::string_view SourceLine(int32_t line) const;
  // The line number messages give for a source line (1-based), and the
  // file they name.
  int32_t ReportedLine(int32_t line) const;
  const std::string& ReportedFile(int32_t line) const;

  // Counts one level of parentheses, operators or one-line IFs for as
  // long as it lives; too many is an error, not a deep recursion.
  struct NestingGuard {
    explicit NestingGuard(Compiler& c);
    ~NestingGuard() { --compiler.nesting; }
    Compiler& compiler;
  };

  const ProgramText& input;
  Variables* variables;
  Code* code;
  CodeBuilder builder;
  std::vector<BasicDiagnostic>* errors;
  std::vector<std::string_view> lines;
  int32_t current_line = 0;  // 1-based source line being compiled
  std::vector<Token> tokens;
  std::size_t token_index = 0;
  int nesting = 0;
  bool too_many = false;
  std::vector<Block> blocks;
  std::size_t block_floor = 0;  // blocks below belong to lines before a one-line IF
  int32_t select_count = 0;
  std::map<std::string, int32_t> labels;  // line numbers and labels, to their positions
  std::vector<PendingJump> jumps;
  std::map<std::string, std::size_t> data_labels;  // the DATA items before each label
  TypeDeclarations types;
  std::map<std::string, Constant> constants;  // CONST: the push of its value, and its kind
  ProcedureTable procedures;
  bool traps_events = false;  // lines and loops' ends begin with an event check (keys_and_sound/compile_events.h)
  bool line_checked = false;  // this line has its event check
  bool traced = false;  // numbered lines begin with their trace point (compile_commands.h)
  bool numbered = false;  // every line numbered: run as classic numbered programs ran (compile_numbered.h)
  RecordTypes records;  // TYPE ... END TYPE, record variables and fixed-length strings
  bool unprefixed = false;  // after $NOPREFIX: QB64's words without their '_' (basic/qb64/)
};
