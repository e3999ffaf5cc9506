// The whole scene: drawn in this process, and by the snapshot tool, compared
// pixel for pixel with the independently computed figures.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>

#include "program/program.h"
#include "program/scene.h"
#include "runtime/console/window.h"
#include "tests/program/scene_figures.h"
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

// Reads the top-left width x height pixels of a 24-bit bottom-up BMP.
Picture ReadBmp(const std::string& path, int width, int height) {
  std::ifstream in(path, std::ios::binary);
  std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  Picture picture;
  if (bytes.size() < 54) return picture;
  auto field = [&](size_t at) {
    return static_cast<int32_t>(bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | bytes[at + 3] << 24);
  };
  const int32_t offset = field(10), file_width = field(18), file_height = field(22);
  EXPECT_EQ(bytes[28], 24) << "24 bits per pixel";
  EXPECT_EQ(field(30), 0) << "uncompressed";
  const size_t row_bytes = (static_cast<size_t>(file_width) * 3 + 3) & ~size_t{3};
  EXPECT_EQ(bytes.size(), static_cast<size_t>(offset) + row_bytes * file_height);
  if (file_width < width || file_height < height || bytes.size() < offset + row_bytes * file_height) {
    ADD_FAILURE() << path << " is " << file_width << " x " << file_height;
    return picture;
  }
  picture.width = width;
  picture.height = height;
  for (int y = 0; y < height; ++y) {
    const size_t row = static_cast<size_t>(offset) + row_bytes * (file_height - 1 - y);
    for (int x = 0; x < width; ++x) {
      const unsigned char* p = &bytes[row + 3 * static_cast<size_t>(x)];
      picture.pixels.push_back(p[2] | p[1] << 8 | p[0] << 16);  // BGR to COLORREF
    }
  }
  return picture;
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
