#include "tests/basic/app/basic_exe.h"

#include <fstream>
#include <iterator>

#include "tests/support/window_harness.h"

std::string ExampleFile(const char* name) { return std::string(BASIC_EXAMPLES_DIR "/") + name; }

std::string WriteProgram(const char* name, const std::string& source) {
  const std::string path = SiblingExecutable(name);
  std::ofstream(path, std::ios::binary) << source;
  return path;
}

static std::string ReadWhole(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// A file the child writes through an inherited handle.
static HANDLE CreateInheritedFile(const std::string& path) {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  return CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                     &inherit, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
}

// The test's own name: tests run at once in wine slots of their own, whose
// process ids may be the same.
static std::string TestName() {
  char path[MAX_PATH + 1] = "";
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string name = path;
  name = name.substr(name.find_last_of("\\/") + 1);
  return name.substr(0, name.find('.'));
}

BasicExe::BasicExe(const std::string& arguments, const char* executable) {
  static int serial = 0;
  const std::string stem =
      TestName() + "_" + std::to_string(GetCurrentProcessId()) + "_" + std::to_string(++serial);
  output_path_ = SiblingExecutable((stem + ".out").c_str());
  errors_path_ = SiblingExecutable((stem + ".err").c_str());
  const HANDLE output = CreateInheritedFile(output_path_);
  const HANDLE errors = CreateInheritedFile(errors_path_);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = output;
  startup.hStdError = errors;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  std::string command = "\"" + SiblingExecutable(executable) + "\" " + arguments;
  if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                      &process_)) {
    process_ = {};
  }
  CloseHandle(output);
  CloseHandle(errors);
}

BasicExe::~BasicExe() {
  if (Started() && !finished_) Finish();
  DeleteFileA(output_path_.c_str());
  DeleteFileA(errors_path_.c_str());
}

HWND BasicExe::AwaitWindow() const { return Started() ? PromptWindowOf(process_) : nullptr; }

DWORD BasicExe::Finish() {
  if (!Started() || finished_) return STILL_ACTIVE;
  finished_ = true;
  return FinishProcess(process_);
}

std::string BasicExe::Output() const { return ReadWhole(output_path_); }
std::string BasicExe::Errors() const { return ReadWhole(errors_path_); }

BasicExeResult RunBasicExe(const std::string& arguments, const char* executable) {
  BasicExe basic(arguments, executable);
  if (!basic.Started()) return {0xFFFFFFFF, {}, {}};
  const DWORD code = basic.Finish();
  return {code, basic.Output(), basic.Errors()};
}
