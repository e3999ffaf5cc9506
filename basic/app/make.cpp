// basic.exe --make OUT.exe FILE.bas: a copy of this executable with the
// program inside, written only when the program compiles.
#include "basic/app/make.h"

#include <vector>

#include "basic/app/app.h"
#include "basic/app/show.h"
#include "basic/app/source_file.h"
#include "basic/app/own_image.h"
#include "basic/app/program_text.h"
#include "basic/basic.h"

namespace {

// basic.exe is a few megabytes; this bounds what is read as its image.
constexpr std::size_t MaxOwnImageBytes = std::size_t{256} << 20;

bool Compiles(const BasicSourceText& source, const std::string& name) {
  std::vector<BasicDiagnostic> errors;
  if (BasicCompile(source, name, &errors)) {
    for (const BasicDiagnostic& warning : errors) WriteError(BasicFormatDiagnostic(warning));
    return true;
  }
  for (const BasicDiagnostic& diagnostic : errors) WriteErrorLine(BasicFormatDiagnostic(diagnostic));
  return false;
}

// The image of the made program; false, with the reason shown, when this
// executable cannot be read or copied.
bool MakeImage(const std::string& source, const std::string& name, std::string* image) {
  std::string own_path, own_image, error;
  if (!OwnFilePath(&own_path)) {
    error = "cannot find basic.exe's own file";
  } else if (ReadFileUpTo(own_path, MaxOwnImageBytes, &own_image, &error)) {
    if (MakeProgramImage(own_image, OwnMark(), source, name, image, &error)) return true;
  }
  WriteErrorLine("basic: cannot make a program: " + error);
  return false;
}

}  // namespace

int MakeProgram(const BasicAppOptions& options) {
  // The made program carries its included files' lines in its text.
  BasicSourceText source;
  std::string message, image;
  if (!ReadProgramText(options.file, &source, &message)) {
    WriteErrorLine(message);
    return BasicExitCompileError;
  }
  if (!Compiles(source, options.file)) return BasicExitCompileError;
  if (!MakeImage(source.text, options.file, &image)) return BasicExitDamaged;
  if (!WriteWholeFile(options.make, image)) {
    WriteErrorLine("basic: cannot write " + options.make);
    return BasicExitDamaged;
  }
  EchoText("basic: made " + options.make + " from " + options.file + " (" + std::to_string(image.size()) +
           " bytes)\r\n");
  return 0;
}
