// Lines, labels and diagnostics: the frame around the statements.
#include "basic/compiler/compile_program.h"

#include <algorithm>
#include <cctype>

#include "basic/compiler/compile_commands.h"
#include "basic/compiler/compile_numbered.h"
#include "basic/compiler/compile_statement.h"
#include "basic/compiler/compiler.h"
#include "basic/keys_and_sound/compile_events.h"
#include "basic/procedures/call_ways.h"
#include "basic/procedures/compile_procedures.h"
#include "basic/qb64/compile_qb64.h"
#include "basic/records/compile_type.h"
#include "basic/tokens/lexer.h"
#include "basic/variables/compile_arrays.h"

namespace {

// A line with an error makes no more errors, so that one mistake makes one
// message: its jumps may name lines that only look missing, and the blocks
// it opened may have had their closers in the part never read. Those blocks
// stay open for closers on later lines (FOR I = 1 TO 9: LOCATE I, 1 with
// NEXT below), but are not reported if nothing closes them; blocks it
// closed stay closed. Its labels stay, for the jumps of other lines.
void ForgetRejectedLine(Compiler& c) {
  for (auto block = c.blocks.rbegin(); block != c.blocks.rend() && block->line == c.current_line; ++block) {
    block->rejected = true;
  }
  const auto on_this_line = [&c](const PendingJump& jump) { return jump.line == c.current_line; };
  c.jumps.erase(std::remove_if(c.jumps.begin(), c.jumps.end(), on_this_line), c.jumps.end());
}

// Where the line starts in the code, and the BASIC line number it starts
// with, for messages and for the direct mode's GOTO n.
void RecordSourceLine(Compiler& c) {
  ProgramLine& source = c.code->source[static_cast<std::size_t>(c.current_line - 1)];
  source.start = c.builder.Here();
  const Token& first = c.tokens.front();
  if (first.kind == TokenKind::Number && first.digits_only && first.number <= 65529) {
    source.number = static_cast<int32_t>(first.number);
  }
}

// A line number, or a name and ':' (or both, in that order), at the start
// of the line label the instruction the line starts with.
void LineLabels(Compiler& c) {
  const auto define = [&c](const std::string& label, const Token& at) {
    if (!c.labels.emplace(label, c.builder.Here()).second) {
      c.Fail(at, (at.kind == TokenKind::Number ? "line " : "label ") + label + " appears twice");
    }
    c.data_labels[label] = c.code->data.size();
  };
  if (c.Check(TokenKind::Number) && c.Peek().digits_only) {
    const Token& number = c.Peek();
    if (number.number > 65529) c.Fail(number, "line number must be 0 to 65529");
    define(std::to_string(static_cast<int32_t>(number.number)), number);
    c.Advance();
  }
  const char last = c.Peek().text.empty() ? 0 : c.Peek().text.back();
  const bool plain_name = std::isalnum(static_cast<unsigned char>(last));
  if (c.Check(TokenKind::Name) && c.Peek(1).kind == TokenKind::Colon && plain_name) {
    define(c.Peek().text, c.Peek());
    c.Advance();
    c.Advance();
  }
}

void CompileSourceLine(Compiler& c, std::string_view text) {
  c.builder.SetLine(c.current_line);
  c.builder.ResetDepth();
  c.block_floor = 0;
  c.nesting = 0;
  c.line_checked = false;
  LexResult lexed = LexLine(text, c.unprefixed);
  c.tokens = std::move(lexed.tokens);
  c.token_index = 0;
  RecordSourceLine(c);
  const LineStart start = c.numbered ? MarkLineStart(c) : LineStart{};
  try {
    LineLabels(c);
    const int32_t number = c.code->source[static_cast<std::size_t>(c.current_line - 1)].number;
    if (c.traced && number >= 0) CompileTracePoint(c, number);
    if (CompileMetacommand(c, text)) return;
    if (lexed.failed) throw CompileError{lexed.error_column, lexed.error};
    CompileStatementList(c, false);
  } catch (const CompileError& error) {
    if (!c.numbered || !KeepFailedLine(c, start, error)) c.Report(c.current_line, error.column, error.message);
    ForgetRejectedLine(c);
  }
}

void CloseOpenBlocks(Compiler& c) {
  for (const Block& block : c.blocks) {
    if (block.rejected) continue;
    const char* message = block.kind == BlockKind::For     ? "FOR without NEXT"
                          : block.kind == BlockKind::While ? "WHILE without WEND"
                          : block.kind == BlockKind::Do    ? "DO without LOOP"
                          : block.kind == BlockKind::If    ? "IF without END IF"
                          : block.kind == BlockKind::Sub   ? "SUB without END SUB"
                          : block.kind == BlockKind::Function ? "FUNCTION without END FUNCTION"
                          : block.kind == BlockKind::Def   ? "DEF FN without END DEF"
                                                           : "SELECT CASE without END SELECT";
    c.Report(block.line, block.column, message);
  }
}

void ResolveJumps(Compiler& c) {
  for (const PendingJump& jump : c.jumps) {
    const auto label = c.labels.find(jump.label);
    if (label != c.labels.end()) {
      const auto target = jump.to_data ? static_cast<int32_t>(c.data_labels[jump.label]) : label->second;
      c.builder.PatchJump(jump.position, target);
      // The handler and RESUME's line belong to the program's own code,
      // wherever ON ERROR stands.
      const Op op = c.code->instructions[static_cast<std::size_t>(jump.position)].op;
      const bool module_level = op == Op::OnErrorGoto || op == Op::Resume || op == Op::OnEvent;
      const std::string crossing = CrossesProcedure(c, module_level ? -1 : jump.position, label->second, jump.label);
      if (!crossing.empty()) c.Report(jump.line, jump.column, crossing);
    } else if (c.numbered && FailWhenTaken(c, jump)) {
      continue;
    } else if (std::isdigit(static_cast<unsigned char>(jump.label[0]))) {
      c.Report(jump.line, jump.column, "no line " + jump.label);
    } else {
      c.Report(jump.line, jump.column, "no label " + jump.label);
    }
  }
}

// The lines of the program's own file: whether it is a numbered program is
// its own text's to say, not that of the declarations it includes.
std::vector<std::string_view> OwnLines(const Compiler& c) {
  std::vector<std::string_view> own;
  for (std::size_t i = 0; i < c.lines.size(); ++i) {
    if (c.ReportedFile(static_cast<int32_t>(i) + 1) == c.input.file) own.push_back(c.lines[i]);
  }
  return own;
}

bool CompileText(Compiler& c) {
  c.code->file = c.input.file;
  c.lines = SplitSourceLines(TextBeforeEndMark(c.input.source));
  c.numbered = c.input.reported_lines == nullptr && IsNumberedProgram(OwnLines(c));
  if (c.numbered) KeepLaterDuplicates(&c.lines);
  c.traced = MayTrace(c.lines);
  c.traps_events = MayTrapEvents(c.lines);
  c.code->messages_add_numbers = c.input.reported_lines == nullptr;
  c.code->source.resize(c.lines.size());
  for (std::size_t i = 0; i < c.lines.size(); ++i) {
    c.code->source[i].reported = c.ReportedLine(static_cast<int32_t>(i) + 1);
    c.code->source[i].text = std::string(c.lines[i]);
    const std::string& file = c.ReportedFile(static_cast<int32_t>(i) + 1);
    if (file != c.input.file) c.code->source[i].file = file;
  }
  FindProcedures(c);
  for (std::size_t i = 0; i < c.lines.size(); ++i) {
    c.current_line = static_cast<int32_t>(i) + 1;
    CompileSourceLine(c, c.lines[i]);
  }
  c.current_line = static_cast<int32_t>(c.lines.size());
  c.builder.SetLine(c.current_line);
  c.builder.Emit(Op::End);
  c.variables->scope = nullptr;  // a procedure left open
  CloseOpenBlocks(c);
  CloseOpenType(c);
  ResolveJumps(c);
  c.builder.SortStatements();
  KeepSoleDeclarations(c);
  CheckProcedures(c);
  ChooseCallWays(*c.code);
  return c.errors->empty();
}

}  // namespace

bool CompileProgram(const ProgramText& input, Variables* variables, Code* code,
                    std::vector<BasicDiagnostic>* errors) {
  std::vector<BasicDiagnostic> found;
  Compiler c(input, variables, code, &found);
  CompileText(c);
  std::stable_sort(found.begin(), found.end(), [](const BasicDiagnostic& a, const BasicDiagnostic& b) {
    return a.line != b.line ? a.line < b.line : a.column < b.column;
  });
  errors->insert(errors->end(), found.begin(), found.end());
  return std::all_of(found.begin(), found.end(), [](const BasicDiagnostic& d) { return d.warning; });
}
