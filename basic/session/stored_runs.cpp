#include "basic/session/stored_runs.h"

#include <iterator>
#include <string>
#include <vector>

#include "basic/compiler/compile_program.h"
#include "basic/executor/executor.h"
#include "basic/session/session.h"
#include "basic/text/output.h"
#include "runtime/numeric/numeric.h"

namespace {

// The number of the line whose instruction comes just before position.
int32_t LineBefore(const Code& code, int32_t position) {
  const int32_t line = code.lines[static_cast<std::size_t>(position > 0 ? position - 1 : 0)];
  return code.source[static_cast<std::size_t>(line - 1)].reported;
}

}  // namespace

BasicLineResult RunEnded(BasicSession* session, std::unique_ptr<Code> code, const RunState& state,
                         const BasicRunResult& result) {
  session->stopped_code.reset();
  switch (result.outcome) {
    case BasicOutcome::Ended: return LineDone();
    case BasicOutcome::RuntimeError:
      return BasicLineResult{BasicLineOutcome::Error, BasicFormatRunMessage(result)};
    case BasicOutcome::NoMoreInput:
      return BasicLineResult{BasicLineOutcome::NoMoreInput, BasicFormatRunMessage(result)};
    case BasicOutcome::Stopped: break;
  }
  // A direct line's STOP only ends that line: there is nothing to go on with.
  if (code->file == DirectLineName) {
    OutputText("Break\r\n", session->options.echo);
    return LineDone();
  }
  OutputText("Break in " + std::to_string(LineBefore(*code, state.position)) + "\r\n", session->options.echo);
  session->stopped_code = std::move(code);
  session->stopped = state;
  return LineDone();
}

BasicLineResult RunStoredLines(BasicSession* session, int32_t from, bool fresh_variables) {
  const auto start = from < 0 ? session->lines.begin() : session->lines.find(from);
  if (from >= 0 && start == session->lines.end()) return LineError("no line " + std::to_string(from));
  std::string source;
  std::vector<int32_t> numbers;
  for (const auto& [number, line] : session->lines) {
    source += std::to_string(number) + " " + line + "\n";
    numbers.push_back(number);
  }
  session->stopped_code.reset();
  if (fresh_variables) {
    session->variables = std::make_unique<Variables>();
    RandSeed = 1;
  }
  ProgramText input;
  input.source = source;
  input.file = StoredProgramName;
  input.reported_lines = &numbers;
  auto code = std::make_unique<Code>();
  std::vector<BasicDiagnostic> errors;
  if (!CompileProgram(input, session->variables.get(), code.get(), &errors)) {
    return CompileErrors(errors);
  }
  RunState state;
  if (start != session->lines.end()) {
    state.position = code->source[static_cast<std::size_t>(std::distance(session->lines.begin(), start))].start;
  }
  const BasicRunResult result = ExecuteFrom(*code, *session->variables, session->options, &state);
  return RunEnded(session, std::move(code), state, result);
}

BasicLineResult ContinueStopped(BasicSession* session) {
  if (!session->stopped_code) return LineError("can't continue: no program stopped by STOP since the last change");
  std::unique_ptr<Code> code = std::move(session->stopped_code);
  RunState state = std::move(session->stopped);
  const BasicRunResult result = ExecuteFrom(*code, *session->variables, session->options, &state);
  return RunEnded(session, std::move(code), state, result);
}
