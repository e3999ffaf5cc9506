// The program under hostile messages and load from another process: floods
// of private numbers, typed codes and input-method messages while the scene
// draws, storms of resizes, covers and repaints, and closing at random
// moments. The scene must come out pixel for pixel as undisturbed, with the
// string registry holding just the slots, and every run of the real program
// must end with exit code 0. Repetitions come from LoadRuns.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <iterator>
#include <random>

#include "program/program.h"
#include "runtime/console/window.h"
#include "runtime/graphics/graphics.h"
#include "runtime/numeric/numeric.h"
#include "tests/program/scene_figures.h"
#include "tests/support/load_runs.h"
#include "tests/support/window_harness.h"

namespace {

using Clock = std::chrono::steady_clock;
const RECT SceneArea{0, 0, 640, 400};

std::vector<void*> Slots() { return std::vector<void*>(std::begin(StringSlots), std::end(StringSlots)); }

const Picture& UndisturbedScene() {
  static const Picture scene = DrawReference(640, 400, 0, SceneFigures());
  return scene;
}

// The scene again from the start, as a fresh run of the program draws it.
void RunSceneAfresh() {
  RandSeed = 1;
  LastPoint = {0, 0};
  RunScene();
}

void PrintFigures(const char* what, int runs, int failures, Clock::time_point started) {
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - started).count();
  std::printf("%s: %d runs, %d failures, %lld ms\n", what, runs, failures, static_cast<long long>(ms));
}

TEST(Flood, TheSceneUnderAFloodFromAnotherProcessIsTheUndisturbedOne) {
  StartRuntimeOnce();
  SetClientSize(640, 400);
  // Private numbers first, then everything mixed: typed codes and
  // input-method messages as well.
  for (const char* kind : {"app", "all"}) {
    const PROCESS_INFORMATION flood = StartFlood(PromptWindow, kind, 10000, 17);
    ASSERT_NE(flood.dwProcessId, 0u);
    RunSceneAfresh();
    EXPECT_EQ(FinishProcess(flood), 0u) << kind << ": every message was posted";
    SettleWindow();
    EXPECT_EQ(CaptureBackBuffer(SceneArea).pixels, UndisturbedScene().pixels) << kind << ": the back buffer";
    EXPECT_EQ(CaptureWindow(SceneArea).pixels, UndisturbedScene().pixels) << kind << ": the window";
    EXPECT_EQ(RegistrySettlesTo(Slots()), Slots()) << kind << ": the registry holds just the slots";
  }
}

TEST(Flood, TheProgramUnderAFloodEndsWithExitCodeZero) {
  const PROCESS_INFORMATION program = StartSibling("balls.exe");
  ASSERT_NE(program.dwProcessId, 0u);
  const HWND window = PromptWindowOf(program);
  ASSERT_NE(window, nullptr);
  const PROCESS_INFORMATION flood = StartFlood(window, "all", 10000, 23);
  EXPECT_EQ(FinishProcess(program), 0u);
  FinishProcess(flood);  // it may find the window gone before its end
}

TEST(Load, StormsOfResizesCoversAndRepaintsLeaveTheUndisturbedScene) {
  StartRuntimeOnce();
  const int runs = LoadRuns(20);
  int failures = 0;
  const auto started = Clock::now();
  for (int run = 0; run < runs; ++run) {
    SetClientSize(640, 400);
    const PROCESS_INFORMATION storm = StartFlood(PromptWindow, "storm", 150, 100 + static_cast<unsigned>(run));
    ASSERT_NE(storm.dwProcessId, 0u);
    RunSceneAfresh();
    EXPECT_EQ(FinishProcess(storm), 0u) << "run " << run;
    SettleWindow();
    const RECT client = ClientRect();
    const Picture back_buffer = CaptureBackBuffer(SceneArea);
    const Picture shown = CaptureWindow(client);
    const bool scene_kept = back_buffer.pixels == UndisturbedScene().pixels;
    const bool window_right = shown.pixels == CaptureBackBuffer(client).pixels;
    EXPECT_TRUE(scene_kept) << "run " << run << ": the back buffer is the undisturbed scene";
    EXPECT_TRUE(window_right) << "run " << run << ": the client area is the back buffer";
    failures += !(scene_kept && window_right);
  }
  EXPECT_EQ(RegistrySettlesTo(Slots()), Slots());
  PrintFigures("storms", runs, failures, started);
}

// From start-up through the hand-shake into the scene, which takes a few
// hundred milliseconds here.
TEST(Load, ClosingAtRandomMomentsAlwaysEndsWithExitCodeZero) {
  const int runs = LoadRuns(50);
  std::mt19937 random(5);
  int failures = 0;
  const auto started = Clock::now();
  for (int run = 0; run < runs; ++run) {
    const PROCESS_INFORMATION process = StartSibling("balls.exe");
    ASSERT_NE(process.dwProcessId, 0u);
    const DWORD delay_ms = random() % 5 == 0 ? 0 : random() % 400;
    if (HWND window = PromptWindowOf(process)) {
      Sleep(delay_ms);
      PostMessageA(window, WM_CLOSE, 0, 0);
    }
    const DWORD code = FinishProcess(process);
    EXPECT_EQ(code, 0u) << "run " << run << ", closed " << delay_ms << " ms after the window appeared";
    failures += code != 0;
  }
  PrintFigures("closes", runs, failures, started);
}

}  // namespace
