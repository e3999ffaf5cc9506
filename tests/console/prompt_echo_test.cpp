// The example program that echoes typed lines, started as a process of its
// own and typed into: each line is read by INPUT, and an empty line ends it.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "tests/support/window_harness.h"

namespace {

TEST(PromptEcho, ReadsLinesUntilAnEmptyOneAndEndsWithExitCodeZero) {
  const PROCESS_INFORMATION process = StartSibling("prompt-echo.exe");
  ASSERT_NE(process.dwProcessId, 0u);
  const HWND window = PromptWindowOf(process);
  ASSERT_NE(window, nullptr);

  ASSERT_TRUE(AwaitLineInput(window)) << "the first INPUT";
  for (char byte : std::string("hi")) SendMessageA(window, WM_CHAR, static_cast<uint8_t>(byte), 0);
  SendMessageA(window, WM_CHAR, '\r', 0);
  EXPECT_EQ(WaitForSingleObject(process.hProcess, 0), static_cast<DWORD>(WAIT_TIMEOUT)) << "a line does not end it";

  ASSERT_TRUE(AwaitLineInput(window)) << "the next INPUT, after the echo";
  SendMessageA(window, WM_CHAR, '\r', 0);
  EXPECT_EQ(FinishProcess(process), 0u) << "an empty line ends it";
}

// What once made the window act on a foreign address, and then left it
// deaf: private message numbers from another process with addresses for
// parameters, and a flood of them while INPUT waits.
TEST(PromptEcho, PrivateMessagesFromAnotherProcessAreRefusedAndLeaveItWorking) {
  const PROCESS_INFORMATION process = StartSibling("prompt-echo.exe");
  ASSERT_NE(process.dwProcessId, 0u);
  const HWND window = PromptWindowOf(process);
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(AwaitLineInput(window));
  const uint64_t foreign = 0xdeadbeef000;  // its low half in a 32-bit process
  EXPECT_EQ(SendMessageA(window, WM_APP + 2, static_cast<WPARAM>(foreign), 0), 0);
  EXPECT_EQ(SendMessageA(window, WM_APP + 3, 0, 0x10), 0);
  EXPECT_EQ(SendMessageA(window, WM_APP + 3, 0, static_cast<LPARAM>(foreign)), 0);
  const PROCESS_INFORMATION flood = StartFlood(window, "app", 10000, 2);
  EXPECT_EQ(FinishProcess(flood), 0u);

  ASSERT_TRUE(AwaitLineInput(window)) << "still in the same INPUT";
  SendMessageA(window, WM_CHAR, 'x', 0);
  SendMessageA(window, WM_CHAR, '\r', 0);
  ASSERT_TRUE(AwaitLineInput(window)) << "the line ended and the next INPUT began";
  SendMessageA(window, WM_CHAR, '\r', 0);
  EXPECT_EQ(FinishProcess(process), 0u) << "an empty line ends it";
}

}  // namespace
