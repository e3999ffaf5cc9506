// basic.exe --make OUT.exe [--icon FILE.ico] FILE.bas: a copy of this
// executable with its resources (a version naming the program, an icon) and
// the program inside, written only when the program compiles.
#include "basic/app/make.h"

#include <cstdio>
#include <vector>

#include "basic/app/app.h"
#include "basic/app/made_resources.h"
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

std::string BaseName(const std::string& path) {
  const std::size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// "GAME" for "games\game.bas".
std::string ProgramName(const std::string& path) {
  std::string name = BaseName(path);
  const std::size_t dot = name.rfind('.');
  if (dot != std::string::npos && dot > 0) name.resize(dot);
  return name;
}

// A copy of basic.exe, written to `out` and given the made program's
// resources there (Windows updates resources only in a file), read back.
bool ImageWithResources(const BasicAppOptions& options, const IconResources& icon, const std::string& own_image,
                        std::string* image, std::string* error) {
  if (!WriteWholeFile(options.make, own_image)) {
    *error = "cannot write " + options.make;
    return false;
  }
  if (AddMadeResources(options.make, ProgramName(options.file), BaseName(options.make), icon, error) &&
      ReadFileUpTo(options.make, MaxOwnImageBytes, image, error)) {
    return true;
  }
  std::remove(options.make.c_str());
  return false;
}

// The image of the made program; false, with the reason shown, when this
// executable cannot be read or copied.
bool MakeImage(const BasicAppOptions& options, const IconResources& icon, const std::string& source,
               std::string* image) {
  std::string own_path, own_image, with_resources, error;
  if (!OwnFilePath(&own_path)) {
    error = "cannot find basic.exe's own file";
  } else if (ReadFileUpTo(own_path, MaxOwnImageBytes, &own_image, &error) &&
             ImageWithResources(options, icon, own_image, &with_resources, &error)) {
    if (MakeProgramImage(with_resources, OwnMark(), source, options.file, image, &error)) return true;
    std::remove(options.make.c_str());
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
  IconResources icon;
  if (!options.icon.empty() && !ReadMadeIcon(options.icon, &icon, &message)) {
    WriteErrorLine("basic: " + message);
    return BasicExitCompileError;
  }
  if (!MakeImage(options, icon, source.text, &image)) return BasicExitDamaged;
  if (!WriteWholeFile(options.make, image)) {
    WriteErrorLine("basic: cannot write " + options.make);
    return BasicExitDamaged;
  }
  EchoText("basic: made " + options.make + " from " + options.file + " (" + std::to_string(image.size()) +
           " bytes)\r\n");
  return 0;
}
