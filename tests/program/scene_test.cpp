// The whole scene: drawn in this process, and by the snapshot tool, compared
// pixel for pixel with the independently computed figures.
#include <gtest/gtest.h>

#include <cstdio>
#include <iterator>

#include "program/program.h"
#include "program/scene.h"
#include "runtime/console/window.h"
#include "tests/program/scene_figures.h"
#include "tests/support/bmp_file.h"
#include "tests/support/window_harness.h"

namespace {

const RECT SceneArea{0, 0, 640, 400};

std::vector<void*> Slots() { return std::vector<void*>(std::begin(StringSlots), std::end(StringSlots)); }

TEST(Scene, DrawsTheIndependentlyComputedPictureAndLeavesOnlyTheSlots) {
  StartRuntimeOnce();
  SetClientSize(640, 400);
  RunScene();
  EXPECT_EQ(SceneVariables.I, 501) << "the loop ran 500 times";
  const Picture expected = DrawReference(640, 400, 0, SceneFigures());
  EXPECT_EQ(CaptureBackBuffer(SceneArea).pixels, expected.pixels);
  EXPECT_EQ(CaptureWindow(SceneArea).pixels, expected.pixels) << "the window shows the same";
  RepaintNow(nullptr);
  EXPECT_EQ(CaptureWindow(SceneArea).pixels, expected.pixels) << "and restores it on repaint";
  EXPECT_EQ(RegistrySettlesTo(Slots()), Slots());
}

TEST(Snapshot, WritesTheBackBufferTheWindowAndTheScenesTime) {
  const std::string out = SiblingExecutable("snapshot_test_out.bmp");
  const std::string window = SiblingExecutable("snapshot_test_window.bmp");
  std::remove(out.c_str());
  std::remove(window.c_str());
  std::string output;
  const std::string command =
      "\"" + SiblingExecutable("balls-snapshot.exe") + "\" \"" + out + "\" \"" + window + "\"";
  EXPECT_EQ(RunProgram(command, &output), 0u);
  EXPECT_EQ(output.rfind("scene_ms=", 0), 0u) << output;
  const Picture expected = DrawReference(640, 400, 0, SceneFigures());
  EXPECT_EQ(ReadBmp(out, 640, 400).pixels, expected.pixels) << "the back buffer";
  // The default window's client area is larger than the scene here.
  EXPECT_EQ(ReadBmp(window, 640, 400).pixels, expected.pixels) << "the window as the screen shows it";
  std::remove(out.c_str());
  std::remove(window.c_str());
}

TEST(Snapshot, AFileThatCannotBeWrittenFailsWithAMessage) {
  std::string output;
  const DWORD code = RunProgram(
      "\"" + SiblingExecutable("balls-snapshot.exe") + "\" \"Z:\\no\\such\\folder\\out.bmp\"", &output);
  EXPECT_NE(code, 0u);
}

}  // namespace
