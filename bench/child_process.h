// Benchmarks that need a fresh process per measurement run themselves again.
#pragma once

#include <windows.h>

#include <string>

// Runs this same program again with `arguments` and gives what it printed on
// standard output; false when it could not start, or had not ended after
// bound_ms (it is then ended). The output must be small: it is read once the
// program has ended.
inline bool RunSelf(const std::string& arguments, DWORD bound_ms, std::string* output) {
  char self[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  std::string command = "\"" + std::string(self) + "\" " + arguments;
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE read_end = nullptr, write_end = nullptr;
  if (!CreatePipe(&read_end, &write_end, &inherit, 0)) return false;
  SetHandleInformation(read_end, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = write_end;
  startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
  PROCESS_INFORMATION child{};
  const BOOL started =
      CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &child);
  CloseHandle(write_end);
  bool ended = false;
  if (started) {
    ended = WaitForSingleObject(child.hProcess, bound_ms) != WAIT_TIMEOUT;
    if (!ended) {
      TerminateProcess(child.hProcess, 1);
      WaitForSingleObject(child.hProcess, INFINITE);
    }
    char chunk[256];
    DWORD got = 0;
    output->clear();
    while (ended && ReadFile(read_end, chunk, sizeof chunk, &got, nullptr) && got > 0) output->append(chunk, got);
    CloseHandle(child.hThread);
    CloseHandle(child.hProcess);
  }
  CloseHandle(read_end);
  return ended;
}
