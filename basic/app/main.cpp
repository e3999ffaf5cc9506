// basic.exe [--exit] [--snapshot OUT.bmp] [--echo] [--input LINES.txt] [--sound OUT.wav] [FILE.bas]
// basic.exe --make OUT.exe FILE.bas
// basic.exe --list FILE.bas
// A made program: no command line.
#include <string>
#include <vector>

#include "basic/app/direct_mode.h"
#include "basic/app/finish.h"
#include "basic/app/list.h"
#include "basic/app/made.h"
#include "basic/app/make.h"
#include "basic/app/run_file.h"
#include "basic/app/show.h"
#include "basic/basic.h"
#include "program/program.h"

int main(int argc, char** argv) {
  const bool made = IsMadeProgram();
  BasicAppOptions options;
  std::string error;
  const bool understood = made || ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc), &options, &error);
  // A listing and a made program need no window: they are written, or
  // their mistakes said on standard error, before the runtime comes up, and
  // the command ends, as a compiler's does.
  if (!made && (options.list || !options.make.empty())) {
    if (!understood) {
      WriteError(error + BasicUsage);
      return BasicExitCompileError;
    }
    return options.list ? ListFile(options) : MakeProgram(options);
  }
  RuntimeStartUp();
  AwaitFirstPaint();
  if (made) RunMadeProgram();
  if (!understood) {
    ShowMessage(error + BasicUsage);
    Finish(options, BasicExitCompileError);
  }
  if (options.file.empty()) RunDirectMode(options);
  Finish(options, RunFile(options));
}
