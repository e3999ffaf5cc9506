#include "basic/executor/executor.h"
#include "basic/session/program.h"
#include "runtime/numeric/numeric.h"

BasicRunResult BasicRun(BasicProgram* program, const BasicRunOptions& options) {
  // Every run draws the same random sequence, as the compiled programs do.
  RandSeed = 1;
  program->variables->Reset();
  return Execute(program->code, *program->variables, options);
}
