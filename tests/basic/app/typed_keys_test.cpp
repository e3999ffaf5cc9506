// Keys pressed in basic.exe's window reach the program's INKEY$ in the
// order they were pressed, and a keyboard game plays through from a script.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "tests/basic/app/basic_exe.h"
#include "tests/support/window_harness.h"

namespace {

// Prints each key it reads as its length and its last byte's code, until Q.
const char KeyReader[] =
    "DO\r\n"
    "  K$ = INKEY$\r\n"
    "  IF K$ <> \"\" THEN PRINT LEN(K$); ASC(RIGHT$(K$, 1));\r\n"
    "LOOP UNTIL K$ = \"q\"\r\n";

TEST(TypedKeys, ReachInkeyInOrderWithExtendedKeysAsPairs) {
  const std::string program = WriteProgram("typed_keys.bas", KeyReader);
  BasicExe basic("--exit --echo \"" + program + "\"");
  const HWND window = basic.AwaitWindow();
  ASSERT_NE(window, nullptr);
  // A character comes as WM_CHAR; a key that types none only as WM_KEYDOWN.
  const struct {
    UINT message;
    WPARAM code;
  } keys[] = {
      {WM_CHAR, 'a'}, {WM_KEYDOWN, VK_UP}, {WM_KEYDOWN, VK_F1}, {WM_KEYDOWN, VK_HOME},
      {WM_CHAR, '\r'}, {WM_KEYDOWN, VK_NEXT}, {WM_KEYDOWN, VK_F12}, {WM_CHAR, 'q'},
  };
  for (const auto& key : keys) PostMessageA(window, key.message, key.code, 0);
  EXPECT_EQ(basic.Finish(), 0u) << basic.Errors();
  EXPECT_EQ(basic.Output(), " 1  97  2  72  2  59  2  71  1  13  2  81  2  134  1  113 ");
}

TEST(TypedKeys, AFunctionKeyTypesItsTextIntoALineBeingRead) {
  const std::string program = WriteProgram(
      "soft_key.bas", "KEY 2, \"ab\": KEY 3, \"cd\" + CHR$(13)\r\nLINE INPUT A$: LINE INPUT B$\r\n"
                      "PRINT \"[\"; A$; \"|\"; B$; \"]\"\r\n");
  BasicExe basic("--exit --echo \"" + program + "\"");
  const HWND window = basic.AwaitWindow();
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(AwaitLineInput(window));
  SendMessageA(window, WM_CHAR, 'x', 0);
  SendMessageA(window, WM_KEYDOWN, VK_F2, 0);
  SendMessageA(window, WM_CHAR, '\r', 0);
  ASSERT_TRUE(AwaitLineInput(window));
  SendMessageA(window, WM_KEYDOWN, VK_F3, 0);  // its Enter ends the line
  EXPECT_EQ(basic.Finish(), 0u) << basic.Errors();
  EXPECT_NE(basic.Output().find("[xab|cd]"), std::string::npos) << basic.Output();
}

TEST(TypedKeys, TheCatchGamePlaysFromItsScript) {
  // Eighteen frames of keys that move the basket let the first star land;
  // Q then ends the game.
  const std::string keys = WriteProgram("catch_keys.txt", "jjjjjlllllllxxxxxxq");
  const BasicExeResult result =
      RunBasicExe("--exit --echo --input \"" + keys + "\" \"" + ExampleFile("catch.bas") + "\"");
  EXPECT_EQ(result.code, 0u) << result.errors;
  EXPECT_NE(result.output.find(" OF 1 "), std::string::npos) << result.output;
  EXPECT_NE(result.output.find("GAME OVER: YOU CAUGHT"), std::string::npos) << result.output;
}

TEST(TypedKeys, AGameWaitingForAKeyEndsWhenTheScriptDoes) {
  const std::string program = WriteProgram("sleep_key.bas", "PRINT \"PRESS A KEY\"\r\nSLEEP\r\nPRINT INPUT$(2)\r\n");
  const std::string keys = WriteProgram("sleep_key.txt", "x");
  const BasicExeResult result = RunBasicExe("--exit --echo --input \"" + keys + "\" \"" + program + "\"");
  EXPECT_EQ(result.code, 5u) << "INPUT$ wanted one more key than the script had";
  EXPECT_EQ(result.output, "PRESS A KEY\r\n");
}

// QB64's words see the keys go down and up, and the mouse, from the
// window's own messages.
TEST(TypedKeys, KeyHitAndTheMouseReadTheWindowsMessages) {
  const std::string program = WriteProgram(
      "typed_keyhit.bas",
      "DO: k& = _KEYHIT: IF k& THEN PRINT k&;\r\n"
      "LOOP UNTIL k& = -113\r\n"
      "WHILE _MOUSEINPUT: PRINT _MOUSEX; _MOUSEY; _MOUSEBUTTON(1);: WEND\r\n");
  BasicExe basic("--exit --echo \"" + program + "\"");
  const HWND window = basic.AwaitWindow();
  ASSERT_NE(window, nullptr);
  // The mouse first, so that its records wait while the keys are read.
  PostMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(30, 40));
  PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(31, 41));
  const LPARAM f1 = 1 | (0x3B << 16), q = 1 | (0x10 << 16);
  const struct {
    UINT message;
    WPARAM code;
    LPARAM details;
  } keys[] = {
      {WM_KEYDOWN, VK_F1, f1}, {WM_KEYUP, VK_F1, f1}, {WM_KEYDOWN, 'Q', q}, {WM_CHAR, 'q', q}, {WM_KEYUP, 'Q', q},
  };
  for (const auto& key : keys) PostMessageA(window, key.message, key.code, key.details);
  EXPECT_EQ(basic.Finish(), 0u) << basic.Errors();
  // The display's own pointer may move over the window too, before or
  // after the posted records.
  const std::string output = basic.Output();
  EXPECT_EQ(output.substr(0, 24), " 15104 -15104  113 -113 ");
  EXPECT_NE(output.find(" 30  40  0  31  41 -1 "), std::string::npos) << output;
}

}  // namespace
