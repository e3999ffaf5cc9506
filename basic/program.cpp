#include "basic/program.h"

#include "basic/compiler.h"
#include "basic/messages.h"

void BasicProgramDeleter::operator()(BasicProgram* program) const { delete program; }

BasicProgramPtr BasicCompile(std::string_view source, const std::string& file,
                             std::vector<BasicDiagnostic>* errors) {
  BasicProgramPtr program(new BasicProgram);
  program->own_variables = std::make_unique<Variables>();
  program->variables = program->own_variables.get();
  CompileInput input;
  input.source = source;
  input.file = file;
  if (!CompileProgram(input, program->variables, &program->code, errors)) return nullptr;
  return program;
}

std::string BasicFormatDiagnostic(const BasicDiagnostic& diagnostic) {
  std::string text = MessagePlace(diagnostic.file, diagnostic.line, diagnostic.column, diagnostic.program_line) +
                     ": " + diagnostic.message + "\r\n";
  text += diagnostic.source_line + "\r\n";
  // The caret line keeps the source line's tabs, so the caret stands under
  // the column however tabs are shown.
  const std::size_t before = diagnostic.column > 1 ? static_cast<std::size_t>(diagnostic.column - 1) : 0;
  for (std::size_t i = 0; i < before; ++i) {
    text += i < diagnostic.source_line.size() && diagnostic.source_line[i] == '\t' ? '\t' : ' ';
  }
  text += "^\r\n";
  return text;
}
