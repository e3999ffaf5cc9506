// PRINT and INPUT when the window goes away under them: a request the window
// can no longer take comes back to its requester, so nothing is lost, no
// string leaks and nobody waits for ever; closing the window while requests
// are queued or a line is awaited ends the process with exit code 0.
#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <cstring>
#include <thread>

#include "runtime/console/prompt_io.h"
#include "runtime/console/prompt_queue.h"
#include "runtime/console/text_layer.h"
#include "runtime/console/window.h"
#include "tests/support/window_harness.h"

namespace {

// A handle that once was a window, as PromptWindow holds it after the
// window is destroyed.
HWND GoneWindow() {
  HWND window = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  DestroyWindow(window);
  return window;
}

TEST(WindowGone, PrintAndInputComeBackAtOnceAndLeakNothing) {
  StrHeapInit();
  PromptQueueInit();
  PromptWindow = GoneWindow();
  PromptPrint(TestString("lost"));
  EXPECT_EQ(StringRegistry.count, 0) << "PRINT's string came back and was released";
  EXPECT_EQ(PromptQueueTake(), nullptr) << "and its request is not left in the queue";
  RtString line = PromptInput();
  EXPECT_EQ(StrLength(line), 0) << "INPUT gives an empty line at once";
  StrRelease(line);
  PromptClearText();
  EXPECT_EQ(PromptQueueTake(), nullptr);
  EXPECT_EQ(StringRegistry.count, 0);
  PromptWindow = nullptr;
}

TEST(WindowGoneDeath, ClosingWhilePrintsAreQueuedEndsWithCodeZero) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        StartRuntimeOnce();
        // The program's thread prints without pause, as a program may; the
        // close must not wait behind its requests.
        std::thread printer([] {
          for (;;) PromptPrint(TestString("printing while the window goes\r\n"));
        });
        Sleep(200);
        PostMessageA(PromptWindow, WM_CLOSE, 0, 0);
        printer.join();  // never returns: the window thread ends the process
      },
      testing::ExitedWithCode(0), "");
}

TEST(WindowGoneDeath, ClosingWhileInputWaitsEndsWithCodeZero) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        StartRuntimeOnce();
        std::thread closer([] {
          while (InputLine.length != 0) Sleep(5);
          PostMessageA(PromptWindow, WM_CLOSE, 0, 0);
        });
        StrRelease(PromptInput());
        closer.join();
        std::exit(5);  // INPUT must not come back: the process ends first
      },
      testing::ExitedWithCode(0), "");
}

}  // namespace
