#include "basic/code/listing.h"

#include <cstdio>
#include <vector>

#include "basic/builtins/builtins.h"
#include "basic/text/number_text.h"
#include "basic/tokens/token.h"

namespace {

// What the listing shows of a program's names and constants.
struct Names {
  std::vector<std::string> numbers, strings;
};

// A string constant in quotes, its control bytes and quotes as \xNN, so
// that every instruction stays on its line.
std::string Quoted(const std::string& bytes) {
  std::string text = "\"";
  for (const unsigned char byte : bytes) {
    if (byte < 0x20 || byte == '"' || byte == 0x7F) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\x%02X", byte);
      text += escape;
    } else {
      text += static_cast<char>(byte);
    }
  }
  return text + "\"";
}

std::string NameAt(const std::vector<std::string>& names, int32_t slot) {
  const auto at = static_cast<std::size_t>(slot);
  return slot >= 0 && at < names.size() && !names[at].empty() ? names[at] : "#" + std::to_string(slot);
}

// One operand as its letter in the list of instructions says to show it.
std::string Operand(const Code& code, const Variables& variables, const Names& names, char kind, int32_t value) {
  const auto at = static_cast<std::size_t>(value);
  switch (kind) {
    case 'k': return at < code.numbers.size() ? FormatNumber(code.numbers[at]) : "?";
    case 's': return value < 0 ? "-" : at < code.strings.size() ? Quoted(code.strings[at]) : "?";
    case 'v': return NameAt(names.numbers, value);
    case 't': return NameAt(names.strings, value);
    case 'a': return at < variables.arrays.size() ? variables.arrays[at].name + "()" : "?";
    case 'j': return "-> " + std::to_string(value);
    case 'l': return "loop " + std::to_string(value);
    case 'c':
      return at < code.call_sites.size()
                 ? code.procedures[static_cast<std::size_t>(code.call_sites[at].procedure)].name
                 : "?";
    case 'f': {
      const Builtin& builtin = BuiltinAt(value);
      return std::string(KeywordText(builtin.keyword)) + "(" + builtin.arguments + ")";
    }
    case 'r': return OpName(static_cast<Op>(value));
    case 'i': return "form " + std::to_string(value);
    case 'd': return "item " + std::to_string(value);
    case 'y': return value >= 0 && value <= static_cast<int32_t>(ValueKind::String) ? KindKeyword(static_cast<ValueKind>(value)) : "?";
    default: return std::to_string(value);
  }
}

std::string InstructionLine(const Code& code, const Variables& variables, const Names& names, std::size_t at) {
  const Instruction& in = code.instructions[at];
  char head[64];
  std::snprintf(head, sizeof head, "%5zu  %4d:%-3d  %-24s", at, code.lines[at], code.columns[at], OpName(in.op));
  std::string text = head;
  const char* kinds = OpOperands(in.op);
  const int32_t values[] = {in.a, in.b, in.c};
  for (int i = 0; i < 3; ++i) {
    if (kinds[i] != '-') text += " " + Operand(code, variables, names, kinds[i], values[i]);
  }
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text + "\n";
}

// "; line 4 (140): PRINT X", where the line starts with a line number.
std::string SourceHeading(const Code& code, int32_t line) {
  const ProgramLine& source = code.source[static_cast<std::size_t>(line - 1)];
  std::string text = "; line " + std::to_string(line);
  if (source.number >= 0) text += " (" + std::to_string(source.number) + ")";
  return text + ": " + source.text + "\n";
}

// "; SUB NAME", where a procedure's body starts.
std::string ProcedureHeading(const Code& code, std::size_t at) {
  for (const Procedure& procedure : code.procedures) {
    if (procedure.entry == static_cast<int32_t>(at)) return "; " + std::string(ProcedureKindText(procedure.kind)) + " " + procedure.name + "\n";
  }
  return "";
}

}  // namespace

std::string ListCode(const Code& code, const Variables& variables) {
  const Names names{variables.NumberNames(), variables.StringNames()};
  std::string text = "; " + code.file + ": " + std::to_string(code.instructions.size()) + " instructions, stacks of " +
                     std::to_string(code.number_stack) + " numbers and " + std::to_string(code.string_stack) +
                     " strings\n";
  int32_t shown_line = 0;
  for (std::size_t at = 0; at < code.instructions.size(); ++at) {
    const int32_t line = code.lines[at];
    if (line != shown_line && line >= 1 && static_cast<std::size_t>(line) <= code.source.size()) {
      text += SourceHeading(code, line);
      shown_line = line;
    }
    text += ProcedureHeading(code, at);
    text += InstructionLine(code, variables, names, at);
  }
  return text;
}
