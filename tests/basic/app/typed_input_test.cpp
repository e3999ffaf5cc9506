// basic.exe's window typed into, as a user types: the direct mode runs each
// line at once, and INPUT asks again after an answer that does not parse.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "tests/basic/app/basic_exe.h"
#include "tests/basic/app/pictures.h"
#include "tests/support/window_harness.h"

namespace {

// Types a line into the window once it is reading one: the characters as
// WM_CHAR messages, then Enter. Each is sent, not posted, so that the line
// has ended before the next one waits for the window to read again.
::testing::AssertionResult TypeLine(HWND window, const std::string& line) {
  if (!AwaitLineInput(window)) return ::testing::AssertionFailure() << "not reading a line for " << line;
  for (char byte : line) SendMessageA(window, WM_CHAR, static_cast<uint8_t>(byte), 0);
  SendMessageA(window, WM_CHAR, '\r', 0);
  return ::testing::AssertionSuccess();
}

TEST(DirectMode, ATypedCircleIsDrawnAtOnceAndSystemEnds) {
  BasicExe basic("");
  const HWND window = basic.AwaitWindow();
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(TypeLine(window, "CIRCLE (100,100),50,2"));

  // Right of the text: the answer "Ok" and the typed line stand in the top rows.
  const RECT area{40, 40, 160, 160};
  const Picture expected = DrawOffscreen(120, 120, 0x000000, [](HDC dc) {
    HPEN pen = CreatePen(PS_SOLID, 1, 0x0000FF);
    HGDIOBJ kept_pen = SelectObject(dc, pen);
    HGDIOBJ kept_brush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    Ellipse(dc, 10, 10, 110, 110);
    SelectObject(dc, kept_pen);
    SelectObject(dc, kept_brush);
    DeleteObject(pen);
  });
  EXPECT_TRUE(SamePictures(expected, AwaitWindowPicture(window, area, expected, 10)))
      << "the circle, while the window waits for the next line";
  EXPECT_EQ(WaitForSingleObject(basic.Process().hProcess, 0), static_cast<DWORD>(WAIT_TIMEOUT));

  ASSERT_TRUE(TypeLine(window, "SYSTEM"));
  EXPECT_EQ(basic.Finish(), 0u);
}

TEST(DirectMode, StoredLinesRunWithRunAndEverythingIsEchoed) {
  BasicExe basic("--echo");
  const HWND window = basic.AwaitWindow();
  ASSERT_NE(window, nullptr);
  for (const char* line : {"20 PRINT A * 2", "10 A = 21", "PRINT 1 + 1", "RUN", "SYSTEM"}) {
    ASSERT_TRUE(TypeLine(window, line));
  }
  EXPECT_EQ(basic.Finish(), 0u);
  EXPECT_EQ(basic.Output(),
            "Ok\r\n"
            "20 PRINT A * 2\r\n"
            "10 A = 21\r\n"
            "PRINT 1 + 1\r\n 2 \r\nOk\r\n"
            "RUN\r\n 42 \r\nOk\r\n"
            "SYSTEM\r\n");
}

// Puts text on the clipboard, as another program's copy would.
bool SetClipboardText(const std::string& text) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  if (block == nullptr) return false;
  char* bytes = static_cast<char*>(GlobalLock(block));
  lstrcpyA(bytes, text.c_str());
  GlobalUnlock(block);
  if (!OpenClipboard(nullptr)) return GlobalFree(block), false;
  EmptyClipboard();
  const bool set = SetClipboardData(CF_TEXT, block) != nullptr;
  CloseClipboard();
  return set;
}

TEST(DirectMode, APastedProgramIsEnteredLineByLine) {
  ASSERT_TRUE(SetClipboardText("10 A = 5\r\n20 PRINT A * A\n30 END"));
  BasicExe basic("--echo");
  const HWND window = basic.AwaitWindow();
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(TypeLine(window, "\x16"));  // Ctrl+V
  ASSERT_TRUE(TypeLine(window, "RUN"));
  ASSERT_TRUE(TypeLine(window, "SYSTEM"));
  EXPECT_EQ(basic.Finish(), 0u);
  const std::string output = basic.Output();
  EXPECT_NE(output.find("RUN\r\n 25 \r\n"), std::string::npos) << output;
}

TEST(Input, AnAnswerThatDoesNotParseIsAskedForAgain) {
  const std::string file = WriteProgram("typed_input.bas", "INPUT \"N\"; A\nPRINT A * 2\n");
  BasicExe basic("--exit --echo \"" + file + "\"");
  const HWND window = basic.AwaitWindow();
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(TypeLine(window, "abc"));
  ASSERT_TRUE(TypeLine(window, "21"));
  EXPECT_EQ(basic.Finish(), 0u) << basic.Errors();
  const std::string output = basic.Output();
  const size_t redo = output.find("?Redo from start");
  EXPECT_NE(redo, std::string::npos) << output;
  EXPECT_NE(output.find(" 42 ", redo), std::string::npos) << "the second answer counts\n" << output;
}

}  // namespace
