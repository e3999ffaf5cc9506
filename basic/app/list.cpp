#include "basic/app/list.h"

#include <string>
#include <vector>

#include "basic/app/show.h"
#include "basic/app/program_text.h"
#include "basic/basic.h"
#include "runtime/strings/strings.h"

int ListFile(const BasicAppOptions& options) {
  // The string heap comes up alone: a listing opens no window, but the
  // compiler's variables and constants are strings of the heap.
  StrHeapInit();
  BasicSourceText text;
  std::string message;
  if (!ReadProgramText(options.file, &text, &message)) {
    WriteError(message);
    return BasicExitCompileError;
  }
  std::vector<BasicDiagnostic> errors;
  const BasicProgramPtr program = BasicCompile(text, options.file, &errors);
  if (!program) {
    for (const BasicDiagnostic& diagnostic : errors) WriteError(BasicFormatDiagnostic(diagnostic));
    return BasicExitCompileError;
  }
  for (const BasicDiagnostic& warning : errors) WriteError(BasicFormatDiagnostic(warning));
  EchoText(BasicListing(*program));
  return 0;
}
