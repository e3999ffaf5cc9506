// examples/balls.bas, run by basic.exe, against the compiled scene: the same
// back buffer as the snapshot tool's, and the same picture in the window.
#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <iterator>
#include <string>

#include "tests/basic/app/basic_exe.h"
#include "tests/basic/app/pictures.h"
#include "tests/program/scene_figures.h"
#include "tests/support/bmp_file.h"
#include "tests/support/window_harness.h"

namespace {

const RECT SceneArea{0, 0, 640, 400};

std::string FileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

TEST(BallsBas, SnapshotIsTheCompiledScenesBackBuffer) {
  const std::string compiled = SiblingExecutable("balls_bas_compiled.bmp");
  const std::string interpreted = SiblingExecutable("balls_bas_interpreted.bmp");
  ASSERT_EQ(RunProgram("\"" + SiblingExecutable("balls-snapshot.exe") + "\" \"" + compiled + "\""), 0u);
  const BasicExeResult result =
      RunBasicExe("--snapshot \"" + interpreted + "\" \"" + ExampleFile("balls.bas") + "\"");
  EXPECT_EQ(result.code, 0u) << result.errors;
  EXPECT_TRUE(SamePictures(ReadBmp(compiled, 640, 400), ReadBmp(interpreted, 640, 400)));
  const std::string compiled_bytes = FileBytes(compiled);
  EXPECT_GT(compiled_bytes.size(), 640u * 400 * 3);
  EXPECT_TRUE(compiled_bytes == FileBytes(interpreted)) << "the whole screen-sized back buffer";
  DeleteFileA(compiled.c_str());
  DeleteFileA(interpreted.c_str());
}

TEST(BallsBas, TheWindowShowsTheCompiledScene) {
  BasicExe basic("\"" + ExampleFile("balls.bas") + "\"");
  const HWND window = basic.AwaitWindow();
  ASSERT_NE(window, nullptr);
  RECT client{};
  GetClientRect(window, &client);
  ASSERT_GE(client.right, 640);
  ASSERT_GE(client.bottom, 400);

  // The window keeps changing until the last ball; after END it holds still.
  const Picture expected = DrawReference(640, 400, 0, SceneFigures());
  EXPECT_TRUE(SamePictures(expected, AwaitWindowPicture(window, SceneArea, expected, 60)));
  PostMessageA(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(basic.Finish(), 0u);
}

}  // namespace
