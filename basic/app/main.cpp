// basic.exe [--exit] [--snapshot OUT.bmp] [--echo] [--input LINES.txt] [FILE.bas]
// basic.exe [--exit] --make OUT.exe FILE.bas
// A made program: no command line.
#include <string>
#include <vector>

#include "basic/app/direct_mode.h"
#include "basic/app/finish.h"
#include "basic/app/made.h"
#include "basic/app/make.h"
#include "basic/app/run_file.h"
#include "basic/app/show.h"
#include "basic/basic.h"
#include "program/program.h"

int main(int argc, char** argv) {
  RuntimeStartUp();
  AwaitFirstPaint();
  if (IsMadeProgram()) RunMadeProgram();
  BasicAppOptions options;
  std::string error;
  if (!ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc), &options, &error)) {
    ShowMessage(error + BasicUsage);
    Finish(options, BasicExitCompileError);
  }
  if (!options.make.empty()) Finish(options, MakeProgram(options));
  if (options.file.empty()) RunDirectMode(options);
  Finish(options, RunFile(options));
}
