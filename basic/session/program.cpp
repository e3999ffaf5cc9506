#include "basic/session/program.h"

#include "basic/compiler/compile_program.h"
#include "basic/code/messages.h"

void BasicProgramDeleter::operator()(BasicProgram* program) const { delete program; }

BasicProgramPtr BasicCompile(std::string_view source, const std::string& file,
                             std::vector<BasicDiagnostic>* errors) {
  BasicProgramPtr program(new BasicProgram);
  program->own_variables = std::make_unique<Variables>();
  program->variables = program->own_variables.get();
  ProgramText input;
  input.source = source;
  input.file = file;
  if (!CompileProgram(input, program->variables, &program->code, errors)) return nullptr;
  return program;
}

std::string BasicFormatDiagnostic(const BasicDiagnostic& diagnostic) {
  std::string text = MessagePlace(diagnostic.file, diagnostic.line, diagnostic.column, diagnostic.program_line) +
                     ": " + diagnostic.message + "\r\n";
  return text + diagnostic.source_line + "\r\n" + CaretLine(diagnostic.source_line, diagnostic.column);
}
