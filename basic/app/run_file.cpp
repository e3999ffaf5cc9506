#include <vector>

#include "basic/app/app.h"
#include "basic/basic.h"

int RunFile(const BasicAppOptions& options) {
  std::string source, error;
  if (!ReadSourceFile(options.file, &source, &error)) {
    ShowMessage(error);
    return BasicExitCompileError;
  }
  std::vector<BasicDiagnostic> errors;
  const BasicProgramPtr program = BasicCompile(source, options.file, &errors);
  if (!program) {
    for (const BasicDiagnostic& diagnostic : errors) ShowMessage(BasicFormatDiagnostic(diagnostic));
    return BasicExitCompileError;
  }
  const BasicRunResult result = BasicRun(program.get(), BasicRunOptions{options.echo});
  if (result.outcome == BasicOutcome::RuntimeError) {
    ShowMessage(result.message);
    return BasicExitRuntimeError;
  }
  return 0;
}
