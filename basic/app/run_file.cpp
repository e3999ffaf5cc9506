#include "basic/app/run_file.h"

#include <vector>

#include "basic/app/app.h"
#include "basic/app/input_file.h"
#include "basic/app/program_text.h"
#include "basic/app/show.h"
#include "basic/basic.h"
#include "basic/builtins/environment.h"
#include "basic/keys_and_sound/program_sound.h"

namespace {

int RunCompiled(const BasicProgramPtr& program, const std::vector<BasicDiagnostic>& errors,
                const BasicAppOptions& options) {
  if (!program) {
    for (const BasicDiagnostic& diagnostic : errors) ShowMessage(BasicFormatDiagnostic(diagnostic));
    return BasicExitCompileError;
  }
  // A numbered program's warnings go to the error output alone: the
  // window is the program's.
  for (const BasicDiagnostic& warning : errors) WriteError(BasicFormatDiagnostic(warning));
  if (!options.sound.empty() && !RecordSoundTo(options.sound)) {
    ShowMessage("basic: cannot write " + options.sound + "\r\n");
    return BasicExitSnapshotFailed;
  }
  std::unique_ptr<InputScript> script;
  std::string error;
  if (!OpenInputScript(options, &script, &error)) {
    ShowMessage(error);
    return BasicExitCompileError;
  }
  const BasicRunResult result = BasicRun(program.get(), BasicRunOptions{options.echo, script.get(), CommandText(options.command_line)});
  switch (result.outcome) {
    case BasicOutcome::RuntimeError: ShowMessage(BasicFormatRunMessage(result)); return BasicExitRuntimeError;
    case BasicOutcome::NoMoreInput: ShowMessage(BasicFormatRunMessage(result)); return BasicExitNoMoreInput;
    default: return 0;
  }
}

}  // namespace

int RunSource(const std::string& source, const BasicAppOptions& options) {
  std::vector<BasicDiagnostic> errors;
  const BasicProgramPtr program = BasicCompile(source, options.file, &errors);
  return RunCompiled(program, errors, options);
}

int RunFile(const BasicAppOptions& options) {
  BasicSourceText text;
  std::string message;
  if (!ReadProgramText(options.file, &text, &message)) {
    ShowMessage(message);
    return BasicExitCompileError;
  }
  std::vector<BasicDiagnostic> errors;
  const BasicProgramPtr program = BasicCompile(text, options.file, &errors);
  return RunCompiled(program, errors, options);
}
