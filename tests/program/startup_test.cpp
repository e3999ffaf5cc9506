// Start-up, the hand-shake and END, in this process and in the real program.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <chrono>
#include <iterator>
#include <thread>

#include "program/program.h"
#include "runtime/console/text_layer.h"
#include "runtime/console/window.h"
#include "tests/support/debug_capture.h"
#include "tests/support/window_harness.h"

namespace {

using Clock = std::chrono::steady_clock;

std::vector<void*> Slots() { return std::vector<void*>(std::begin(StringSlots), std::end(StringSlots)); }

HWND CaretWindowOf(DWORD thread) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(thread, &info);
  return info.hwndCaret;
}

TEST(StartUp, TheSceneStartsWithThirtyTwoEmptySlotsAndInputInactive) {
  const auto started = Clock::now();
  RuntimeStartUp();
  AwaitFirstPaint();
  EXPECT_GE(Clock::now() - started, std::chrono::milliseconds(20)) << "the first look comes after a sleep";
  EXPECT_EQ(FirstPaintFlag.load(), 1);
  EXPECT_EQ(RegistrySettlesTo(Slots()), Slots()) << "the slots, oldest first, and nothing else";
  for (RtString slot : StringSlots) {
    EXPECT_EQ(StrLength(slot), 0);
    EXPECT_EQ(slot[0], '\0');
  }
  EXPECT_EQ(InputLine.length, -1);
  EXPECT_EQ(CaretWindowOf(WindowThreadId), nullptr);
  SendMessageA(PromptWindow, WM_SETFOCUS, 0, 0);
  EXPECT_EQ(CaretWindowOf(WindowThreadId), nullptr) << "focus creates no caret while input is inactive";
}

TEST(StartUp, TheHandShakeWaitsUntilTheFirstPaint) {
  FirstPaintFlag.store(0);
  std::atomic<bool> done{false};
  std::thread waiter([&] {
    AwaitFirstPaint();
    done = true;
  });
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  EXPECT_FALSE(done.load()) << "no paint yet";
  FirstPaintFlag.store(1);
  waiter.join();
  EXPECT_TRUE(done.load());
}

TEST(StartUp, ReleasingTheSlotsEmptiesTheRegistrySilently) {
  StartRuntimeOnce();
  ASSERT_EQ(RegistrySettlesTo(Slots()), Slots());
  DebugCaptureStart();
  ReleaseStringSlots();
  EXPECT_EQ(DebugCaptureStop(), "");
  EXPECT_EQ(RegistrySettlesTo({}), std::vector<void*>{});
}

TEST(StartUpDeath, EndExitsWithCodeZero) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        RuntimeStartUp();
        AwaitFirstPaint();
        RuntimeEnd();
      },
      testing::ExitedWithCode(0), "");
}

TEST(StartUpDeath, DestroyingTheWindowExitsWithCodeZero) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        StartRuntimeOnce();
        PostMessageA(PromptWindow, WM_CLOSE, 0, 0);
        Sleep(INFINITE);  // the window thread ends the process
      },
      testing::ExitedWithCode(0), "");
}

// The real program, started as a separate process.
TEST(Program, RunsToEndWithExitCodeZero) {
  const PROCESS_INFORMATION process = StartSibling("balls.exe");
  ASSERT_NE(process.dwProcessId, 0u);
  EXPECT_EQ(FinishProcess(process), 0u);
}

TEST(Program, ClosingTheWindowAtAnyMomentExitsWithCodeZero) {
  // Delays after the window appears, from at once to well into the run.
  for (int delay_ms : {0, 0, 1, 5, 10, 20, 35, 50, 80, 120, 200, 400}) {
    const PROCESS_INFORMATION process = StartSibling("balls.exe");
    ASSERT_NE(process.dwProcessId, 0u);
    if (HWND window = PromptWindowOf(process)) {
      Sleep(static_cast<DWORD>(delay_ms));
      PostMessageA(window, WM_CLOSE, 0, 0);
    }
    EXPECT_EQ(FinishProcess(process), 0u) << "closed " << delay_ms << " ms after the window appeared";
  }
}

// Writes every debugger line of this process to standard error, where a
// death test can match it.
LONG CALLBACK DebugLineToStandardError(EXCEPTION_POINTERS* info) {
  const EXCEPTION_RECORD* record = info->ExceptionRecord;
  if (record->ExceptionCode == 0x40010006 && record->NumberParameters >= 2) {  // DBG_PRINTEXCEPTION_C
    std::fputs(reinterpret_cast<const char*>(record->ExceptionInformation[1]), stderr);
    std::fflush(stderr);
  }
  return EXCEPTION_CONTINUE_SEARCH;
}

// With no handles left the back buffer cannot be made. The process says so
// and ends at once with its own exit code instead of waiting for a paint
// that can never come. (Without a display it is the window itself that
// cannot be made: tests/program/no_display.sh.)
TEST(StartUpDeath, NoHandlesLeftForTheBackBufferEndsWithTheWindowUnavailableCode) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        AddVectoredExceptionHandler(1, DebugLineToStandardError);
        ExhaustGdiHandles();
        RuntimeStartUp();
        AwaitFirstPaint();
      },
      testing::ExitedWithCode(WindowUnavailableExitCode), "back buffer cannot be created");
}

}  // namespace
