// _TITLE changes the caption of basic.exe's window while the program runs.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "tests/basic/app/basic_exe.h"

namespace {

std::string CaptionOf(HWND window) {
  char text[512] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

TEST(Caption, TitleSetsTheWindowsCaption) {
  const std::string program = WriteProgram(
      "caption_test.bas", "_TITLE \"Snake \" + CHR$(&HB1) + \" 2\"\r\nDO: LOOP UNTIL INKEY$ = \"q\"\r\n");
  BasicExe basic("--exit --echo \"" + program + "\"");
  const HWND window = basic.AwaitWindow();
  ASSERT_NE(window, nullptr);
  // The bytes as given, in the ANSI code page: &HB1 is one character both in
  // Shift-JIS (a half-width katakana) and in the Western code pages.
  const std::string wanted = "Snake \xB1 2";
  std::string caption;
  for (int tries = 0; tries < 500 && (caption = CaptionOf(window)) != wanted; ++tries) Sleep(10);
  PostMessageA(window, WM_CHAR, 'q', 0);
  EXPECT_EQ(basic.Finish(), 0u) << basic.Errors();
  EXPECT_EQ(caption, wanted);
}

}  // namespace
