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

}  // namespace
