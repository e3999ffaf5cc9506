// The example program that echoes typed lines, started as a process of its
// own and typed into: each line is read by INPUT, and an empty line ends it.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "tests/support/window_harness.h"

namespace {

struct WindowSearch {
  DWORD process;
  HWND found;
};

BOOL CALLBACK MatchPromptWindow(HWND window, LPARAM context) {
  auto* search = reinterpret_cast<WindowSearch*>(context);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  char name[16] = {};
  GetClassNameA(window, name, sizeof name);
  if (owner == search->process && lstrcmpA(name, "PROMPT") == 0) search->found = window;
  return search->found == nullptr;
}

// The program's window once it exists; null if the program ended first.
HWND WindowOf(const PROCESS_INFORMATION& process) {
  for (int tries = 0; tries < 2000; ++tries) {
    WindowSearch search{process.dwProcessId, nullptr};
    EnumWindows(MatchPromptWindow, reinterpret_cast<LPARAM>(&search));
    if (search.found != nullptr) return search.found;
    if (WaitForSingleObject(process.hProcess, 10) == WAIT_OBJECT_0) return nullptr;
  }
  return nullptr;
}

// Waits until the program is in INPUT: the window's own focus handler
// shows a caret only while a line is being typed.
bool AwaitInput(HWND window) {
  const DWORD thread = GetWindowThreadProcessId(window, nullptr);
  for (int tries = 0; tries < 1000; ++tries) {
    SendMessageA(window, WM_SETFOCUS, 0, 0);
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (GetGUIThreadInfo(thread, &info) && info.hwndCaret == window) return true;
    Sleep(10);
  }
  return false;
}

TEST(PromptEcho, ReadsLinesUntilAnEmptyOneAndEndsWithExitCodeZero) {
  std::string command = "\"" + SiblingExecutable("prompt-echo.exe") + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  ASSERT_TRUE(CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                             &process))
      << command;
  const HWND window = WindowOf(process);
  ASSERT_NE(window, nullptr);

  ASSERT_TRUE(AwaitInput(window)) << "the first INPUT";
  for (char byte : std::string("hi")) SendMessageA(window, WM_CHAR, static_cast<uint8_t>(byte), 0);
  SendMessageA(window, WM_CHAR, '\r', 0);
  EXPECT_EQ(WaitForSingleObject(process.hProcess, 0), static_cast<DWORD>(WAIT_TIMEOUT)) << "a line does not end it";

  ASSERT_TRUE(AwaitInput(window)) << "the next INPUT, after the echo";
  SendMessageA(window, WM_CHAR, '\r', 0);
  EXPECT_EQ(WaitForSingleObject(process.hProcess, 60000), static_cast<DWORD>(WAIT_OBJECT_0)) << "an empty line ends it";
  DWORD code = 0xDEAD;
  GetExitCodeProcess(process.hProcess, &code);
  EXPECT_EQ(code, 0u);
  if (code == STILL_ACTIVE) TerminateProcess(process.hProcess, 1);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
}

}  // namespace
