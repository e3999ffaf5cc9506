// basic.exe [--exit] [--snapshot OUT.bmp] [--echo] [--input LINES.txt] [FILE.bas]
#include <string>
#include <vector>

#include "basic/app/app.h"
#include "basic/basic.h"
#include "program/program.h"

int main(int argc, char** argv) {
  RuntimeStartUp();
  AwaitFirstPaint();
  BasicAppOptions options;
  std::string error;
  if (!ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc), &options, &error)) {
    ShowMessage(error + BasicUsage);
    Finish(options, BasicExitCompileError);
  }
  if (options.file.empty()) RunDirectMode(options);
  Finish(options, RunFile(options));
}
