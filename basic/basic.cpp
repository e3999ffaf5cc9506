// The interpreter's front door: each routine of basic.h hands its work to
// the stage that does it.
#include "basic/basic.h"

#include "basic/code/listing.h"
#include "basic/code/messages.h"
#include "basic/compiler/compile_program.h"
#include "basic/compiler/include_files.h"
#include "basic/executor/executor.h"
#include "basic/program.h"
#include "basic/session/session.h"
#include "runtime/numeric/numeric.h"

void BasicProgramDeleter::operator()(BasicProgram* program) const { delete program; }

namespace {

BasicProgramPtr CompileInput(const ProgramText& input, std::vector<BasicDiagnostic>* errors) {
  BasicProgramPtr program(new BasicProgram);
  program->own_variables = std::make_unique<Variables>();
  program->variables = program->own_variables.get();
  if (!CompileProgram(input, program->variables, &program->code, errors)) return nullptr;
  return program;
}

}  // namespace

BasicProgramPtr BasicCompile(std::string_view source, const std::string& file,
                             std::vector<BasicDiagnostic>* errors) {
  ProgramText input;
  input.source = source;
  input.file = file;
  return CompileInput(input, errors);
}

bool BasicReadIncludes(std::string_view source, const std::string& file, const BasicIncludeReader& read,
                       BasicSourceText* text, std::vector<BasicDiagnostic>* errors) {
  return ReadIncludes(source, file, read, text, errors);
}

BasicProgramPtr BasicCompile(const BasicSourceText& source, const std::string& file,
                             std::vector<BasicDiagnostic>* errors) {
  ProgramText input;
  input.source = source.text;
  input.file = file;
  input.origins = &source;
  return CompileInput(input, errors);
}

std::string BasicFormatDiagnostic(const BasicDiagnostic& diagnostic) {
  std::string text = MessagePlace(diagnostic.file, diagnostic.line, diagnostic.column, diagnostic.program_line) +
                     (diagnostic.warning ? ": warning: " : ": ") + diagnostic.message + "\r\n";
  return text + diagnostic.source_line + "\r\n" + CaretLine(diagnostic.source_line, diagnostic.column);
}

std::string BasicFormatRunMessage(const BasicRunResult& result) {
  std::string text = result.message + "\r\n" + result.source_line + "\r\n";
  if (result.column > 0) text += CaretLine(result.source_line, result.column);
  return text;
}

std::string BasicListing(const BasicProgram& program) { return ListCode(program.code, *program.variables); }

BasicRunResult BasicRun(BasicProgram* program, const BasicRunOptions& options) {
  // Every run draws the same random sequence, as the compiled programs do.
  RandSeed = 1;
  program->variables->Reset();
  return Execute(program->code, *program->variables, options);
}

void BasicSessionDeleter::operator()(BasicSession* session) const { delete session; }

BasicSessionPtr BasicNewSession(const BasicRunOptions& options) {
  BasicSessionPtr session(new BasicSession);
  session->options = options;
  return session;
}

BasicLineResult BasicEnterLine(BasicSession* session, std::string_view line) { return EnterLine(session, line); }
