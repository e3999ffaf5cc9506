// basic_run_native FILE.bas [INPUT-LINE...]: runs one program on Linux as
// the tests run it, INPUT reading the lines given, and prints its text and
// how it ended. For writing a test's expectations and for quick looks.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "basic/text/input_script.h"
#include "tests/basic/programs/expectations.h"
#include "tests/basic/recording_runtime.h"

int main(int argc, char** argv) {
  if (argc < 2) {
    std::cerr << "usage: basic_run_native FILE.bas [INPUT-LINE...]\n";
    return 2;
  }
  std::ifstream file(argv[1], std::ios::binary);
  std::stringstream source;
  source << file.rdbuf();
  StartRecording();
  std::vector<BasicDiagnostic> errors;
  const std::string folder = std::filesystem::path(argv[1]).parent_path().string();
  const BasicIncludeReader read = [&folder](const std::string& name, std::string* text, std::string* error) {
    std::ifstream included(folder.empty() ? name : folder + "/" + name, std::ios::binary);
    std::stringstream bytes;
    bytes << included.rdbuf();
    *text = bytes.str();
    *error = "not found";
    return included.good();
  };
  BasicSourceText text;
  BasicProgramPtr program;
  if (BasicReadIncludes(source.str(), argv[1], read, &text, &errors)) program = BasicCompile(text, argv[1], &errors);
  for (const BasicDiagnostic& e : errors) {
    std::cout << e.file << ":" << e.line << ":" << e.column << (e.warning ? ": warning: " : ": ") << e.message << "\n";
  }
  if (!program) return 1;
  InputScript script = InputScript::OfText(InputScriptText(std::vector<std::string>(argv + 2, argv + argc)));
  BasicRunOptions options;
  options.input = &script;
  options.transcript = &TheRecording.printed;
  const BasicRunResult result = BasicRun(program.get(), options);
  std::cout << TheRecording.printed;
  if (!result.message.empty()) std::cout << "\n[" << result.message << "]\n";
  return result.outcome == BasicOutcome::Ended ? 0 : 1;
}
