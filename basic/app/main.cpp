// basic.exe [--exit] [--snapshot OUT.bmp] [--echo] [--input LINES.txt] [FILE.bas]
// basic.exe [--exit] --make OUT.exe FILE.bas
// A made program: no command line.
#include <string>
#include <vector>

#include "basic/app/app.h"
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
