// basic.exe started from a test as a process of its own, with its standard
// output and error going to files that the test reads afterwards.
#pragma once

#include <windows.h>

#include <string>

// examples/NAME, as a path the test and basic.exe can both open.
std::string ExampleFile(const char* name);
// Writes a BASIC program into the test's folder; gives its full path.
std::string WriteProgram(const char* name, const std::string& source);

class BasicExe {
 public:
  // Starts basic.exe with the arguments, or another executable of this
  // folder (a made program); Started() tells whether it could.
  explicit BasicExe(const std::string& arguments, const char* executable = "basic.exe");
  ~BasicExe();
  BasicExe(const BasicExe&) = delete;
  BasicExe& operator=(const BasicExe&) = delete;

  bool Started() const { return process_.dwProcessId != 0; }
  const PROCESS_INFORMATION& Process() const { return process_; }
  // Its PROMPT window once it exists; null if it was not started, ended
  // first, or showed none within a minute.
  HWND AwaitWindow() const;
  // Waits up to a minute for the process to end (and ends it if it has
  // not); its exit code, STILL_ACTIVE if it had to be ended.
  DWORD Finish();
  // What it wrote to standard output and standard error so far.
  std::string Output() const;
  std::string Errors() const;

 private:
  std::string output_path_, errors_path_;
  PROCESS_INFORMATION process_{};
  bool finished_ = false;
};

struct BasicExeResult {
  DWORD code;
  std::string output, errors;
};
// Runs basic.exe, or another executable of this folder, to its end.
BasicExeResult RunBasicExe(const std::string& arguments, const char* executable = "basic.exe");
