#include "basic/compiler/compile_numbered.h"

#include <cctype>
#include <map>
#include <string>

#include "basic/compiler/compiler.h"
#include "basic/executor/run_errors.h"

namespace {

std::string_view WithoutBlanks(std::string_view line) {
  while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
  return line;
}

bool IsCommentOrBlank(std::string_view line) {
  line = WithoutBlanks(line);
  if (line.empty() || line.front() == '\'') return true;
  return line.size() >= 3 && std::toupper(static_cast<unsigned char>(line[0])) == 'R' &&
         std::toupper(static_cast<unsigned char>(line[1])) == 'E' &&
         std::toupper(static_cast<unsigned char>(line[2])) == 'M' &&
         (line.size() == 3 || !std::isalnum(static_cast<unsigned char>(line[3])));
}

// The line number the line starts with, or -1.
int32_t LeadingNumber(std::string_view line) {
  line = WithoutBlanks(line);
  int32_t number = 0;
  std::size_t digits = 0;
  while (digits < line.size() && digits < 6 && std::isdigit(static_cast<unsigned char>(line[digits]))) {
    number = number * 10 + (line[digits] - '0');
    ++digits;
  }
  return digits > 0 && number <= 65529 ? number : -1;
}

}  // namespace

bool IsNumberedProgram(const std::vector<std::string_view>& lines) {
  bool any = false;
  for (const std::string_view line : lines) {
    if (IsCommentOrBlank(line)) continue;
    if (LeadingNumber(line) < 0) return false;
    any = true;
  }
  return any;
}

void KeepLaterDuplicates(std::vector<std::string_view>* lines) {
  std::map<int32_t, std::size_t> first;
  for (std::size_t i = 0; i < lines->size(); ++i) {
    const int32_t number = LeadingNumber((*lines)[i]);
    if (number < 0) continue;
    const auto [found, added] = first.emplace(number, i);
    if (added) continue;
    (*lines)[found->second] = (*lines)[i];
    (*lines)[i] = std::string_view();
  }
}

LineStart MarkLineStart(const Compiler& c) {
  return LineStart{c.builder.Here(), c.blocks, c.code->data.size(), c.code->declarations.size(),
                   c.procedures.current};
}

bool KeepFailedLine(Compiler& c, const LineStart& start, const CompileError& error) {
  if (c.procedures.current != start.procedure) return false;
  for (const Procedure& procedure : c.code->procedures) {
    if (procedure.entry >= start.position) return false;
  }
  c.builder.Truncate(start.position);
  c.blocks = start.blocks;
  c.code->data.resize(start.data);
  c.code->declarations.resize(start.declarations);
  c.builder.ResetDepth();
  c.builder.SetColumn(error.column);
  const int32_t message = c.builder.StringConstant(error.message);
  c.builder.Emit(Op::FailWith, static_cast<int32_t>(RunError::SyntaxError), message);
  c.builder.EndStatement(start.position);
  const std::size_t reported = c.errors->size();
  c.Report(c.current_line, error.column, error.message);
  if (c.errors->size() > reported && !c.too_many) c.errors->back().warning = true;
  return true;
}

bool FailWhenTaken(Compiler& c, const PendingJump& jump) {
  if (jump.label.empty() || !std::isdigit(static_cast<unsigned char>(jump.label[0]))) return false;
  Instruction& in = c.code->instructions[static_cast<std::size_t>(jump.position)];
  // IF X THEN 100 leaves its condition for the jump: it decides the error.
  // ON KEY(n) GOSUB 100 leaves n, which the error drops.
  const int32_t condition = in.op == Op::JumpIfTrue ? 1 : in.op == Op::OnEvent ? 2 : 0;
  in = Instruction{Op::FailWith, static_cast<int32_t>(RunError::UndefinedLine),
                   c.builder.StringConstant("no line " + jump.label), condition};
  return true;
}
