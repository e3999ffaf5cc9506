// Child processes of the Windows tests and benchmarks: started with their
// standard output into a pipe, and their PROMPT window found.
#pragma once

#include <windows.h>

#include <string>

struct PipedChild {
  PROCESS_INFORMATION process;
  HANDLE output;  // the pipe's read end, for this process alone
};

// Starts the command line with its standard output into a pipe; standard
// input and error are this process's. False when it could not start.
inline bool StartPiped(std::string command, PipedChild* child) {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE write_end = nullptr;
  *child = {};
  if (!CreatePipe(&child->output, &write_end, &inherit, 0)) return false;
  SetHandleInformation(child->output, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = write_end;
  startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  const BOOL started = CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                                      &startup, &child->process);
  CloseHandle(write_end);
  if (!started) {
    CloseHandle(child->output);
    *child = {};
  }
  return started;
}

// Everything the pipe gives until the child, and whoever shares its end,
// has closed it.
inline std::string ReadAll(HANDLE pipe) {
  std::string text;
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(pipe, buffer, sizeof buffer, &got, nullptr) && got > 0) text.append(buffer, got);
  return text;
}

// Closes what StartPiped opened; the child's exit code.
inline DWORD ClosePiped(const PipedChild& child) {
  DWORD code = 0;
  GetExitCodeProcess(child.process.hProcess, &code);
  CloseHandle(child.process.hThread);
  CloseHandle(child.process.hProcess);
  CloseHandle(child.output);
  return code;
}

struct PromptWindowSearch {
  DWORD process;
  HWND found;
};

inline BOOL CALLBACK MatchPromptWindow(HWND window, LPARAM context) {
  auto* search = reinterpret_cast<PromptWindowSearch*>(context);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  char name[16] = {};
  GetClassNameA(window, name, sizeof name);
  if (owner == search->process && lstrcmpA(name, "PROMPT") == 0) search->found = window;
  return search->found == nullptr;
}

// The process's PROMPT window, if it has one now.
inline HWND FindPromptWindow(DWORD process_id) {
  PromptWindowSearch search{process_id, nullptr};
  EnumWindows(MatchPromptWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}
