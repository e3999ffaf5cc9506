// Line input in the real window, driven by the messages a user's typing
// sends: the line, the cells, the cursor and the caret after each one, the
// clipboard, and the string registry, which every message must leave as it
// found it. A second thread waits in INPUT meanwhile, as a program would.
#include <gtest/gtest.h>

#include <windows.h>

#include <imm.h>

#include <atomic>
#include <cstring>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "program/program.h"
#include "runtime/console/prompt_io.h"
#include "runtime/console/text_layer.h"
#include "runtime/console/window.h"
#include "tests/support/input_thread.h"
#include "tests/support/window_harness.h"

namespace {

constexpr WPARAM Backspace = 8;
constexpr WPARAM Enter = 13;
constexpr WPARAM CtrlV = 22;

struct CaretState {
  HWND window;
  RECT rect;
};

class LineInputTest : public testing::Test {
 protected:
  void SetUp() override {
    StartRuntimeOnce();
    SetClientSize(640, 400);
    ClearTextNow();
    at_rest_.assign(std::begin(StringSlots), std::end(StringSlots));
    ASSERT_EQ(RegistrySettlesTo(at_rest_), at_rest_);
  }

  // Sends one message and checks that the registry holds what it held.
  void Send(UINT message, WPARAM wparam) {
    SendMessageA(PromptWindow, message, wparam, 0);
    EXPECT_EQ(RegistrySettlesTo(at_rest_), at_rest_) << "message " << message << " code " << wparam;
  }
  void Type(const std::string& bytes) {
    for (char byte : bytes) Send(WM_CHAR, static_cast<uint8_t>(byte));
  }

  static CaretState Caret() {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(PromptWindow, nullptr), &info);
    return {info.hwndCaret, info.rcCaret};
  }
  // The 9 x 6 caret of a cursor in (column, row).
  static RECT CaretAt(int32_t column, int32_t row) {
    const int x = column * CellWidth;
    const int y = (row + 1) * CellHeight - 7;
    return RECT{x, y, x + 9, y + 6};
  }
  static void ExpectCaretAt(int32_t column, int32_t row, const char* why) {
    const CaretState caret = Caret();
    const RECT want = CaretAt(column, row);
    EXPECT_EQ(caret.window, PromptWindow) << why;
    EXPECT_TRUE(EqualRect(&caret.rect, &want))
        << why << ": want caret at " << want.left << "," << want.top << "-" << want.right << "," << want.bottom
        << " got " << caret.rect.left << "," << caret.rect.top << "-" << caret.rect.right << "," << caret.rect.bottom;
  }

  static std::string Line() {
    return InputLine.length < 0 ? "<inactive>" : std::string(InputLine.text, static_cast<size_t>(InputLine.length));
  }
  static std::string RowText(int32_t row) {
    return std::string(TextScreen.characters[row], static_cast<size_t>(TextRowLength(row)));
  }

  // The clipboard owned by a window of this thread, as an application
  // copying text would leave it.
  static void PutOnClipboard(const char* text) {
    HWND owner = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    ASSERT_TRUE(OpenClipboard(owner));
    EmptyClipboard();
    if (text != nullptr) {
      const size_t bytes = std::strlen(text) + 1;
      HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes);
      std::memcpy(GlobalLock(block), text, bytes);
      GlobalUnlock(block);
      EXPECT_NE(SetClipboardData(CF_TEXT, block), nullptr);
    }
    CloseClipboard();
    DestroyWindow(owner);
  }

  std::vector<void*> at_rest_;
};

TEST_F(LineInputTest, WhileInactiveTypingChangesNothingAndNoCaretAppears) {
  ASSERT_EQ(InputLine.length, -1);
  TextScreen.characters[0][0] = 'K';  // something the typing could disturb
  const std::string cells(TextScreen.characters[0], TextColumns);
  const std::string line(InputLine.text, sizeof InputLine.text);
  PutOnClipboard("pasted");
  const struct {
    UINT message;
    WPARAM code;
    const char* why;
  } messages[] = {
      {WM_CHAR, 'A', "a letter"},       {WM_CHAR, Backspace, "backspace"},
      {WM_CHAR, Enter, "enter"},        {WM_CHAR, CtrlV, "paste"},
      {WM_CHAR, '\t', "tab"},           {WM_SETFOCUS, 0, "focus gained"},
      {WM_KILLFOCUS, 0, "focus lost"},  {WM_SETFOCUS, 0, "focus gained again"},
  };
  for (const auto& m : messages) {
    Send(m.message, m.code);
    EXPECT_EQ(std::string(TextScreen.characters[0], TextColumns), cells) << m.why;
    EXPECT_EQ(std::string(InputLine.text, sizeof InputLine.text), line) << m.why;
    EXPECT_EQ(InputLine.length, -1) << m.why;
    EXPECT_EQ(TextCursor.column, 0) << m.why;
    EXPECT_EQ(TextCursor.row, 0) << m.why;
    EXPECT_EQ(Caret().window, nullptr) << m.why;
  }
}

TEST_F(LineInputTest, EachKeyEditsLineCellsCursorAndCaret) {
  ASSERT_TRUE(IsDBCSLeadByte(0x82)) << "tests run with code page 932";
  PutOnClipboard("xy\r\nz");
  InputThread input;
  ASSERT_EQ(InputLine.length, 0);
  // A double-byte character is two WM_CHAR messages, sent one after the
  // other; the system may hold the lead byte back until the trail byte
  // comes, so the pair is one step here.
  const struct {
    std::vector<WPARAM> codes;
    std::string line;
    std::string row0, row1;
    int32_t column, row;
    const char* why;
  } steps[] = {
      {{'A'}, "A", "A", "", 1, 0, "a letter"},
      {{'B'}, "AB", "AB", "", 2, 0, "another"},
      {{Backspace}, "A", "A", "", 1, 0, "B's cell is cleared, the cursor back on it"},
      {{0x82, 0xA0}, "A\x82\xA0", "A\x82\xA0", "", 3, 0, "a double-byte character: two bytes, two cells"},
      {{Backspace}, "A\x82", "A\x82", "", 2, 0, "the lead byte is left alone"},
      {{Backspace}, "A", "A", "", 1, 0, "and goes with the second backspace"},
      {{'\t'}, "A\t", "A       ", "", 8, 0, "a tab is one byte echoed to the stop"},
      {{Backspace}, "A", "A      ", "", 7, 0, "backspace takes one column back only"},
      {{CtrlV}, "Axy\r\nz", "A      xy", "z", 1, 1, "a paste goes in whole, CR LF and all"},
      {{Backspace}, "Axy\r\n", "A      xy", "", 0, 1, "z's cell is cleared"},
      {{Backspace}, "Axy\r", "A      xy", "", 0, 1, "in column 0 only the byte goes"},
  };
  for (const auto& s : steps) {
    for (WPARAM code : s.codes) Send(WM_CHAR, code);
    EXPECT_EQ(Line(), s.line) << s.why;
    EXPECT_EQ(RowText(0), s.row0) << s.why;
    EXPECT_EQ(RowText(1), s.row1) << s.why;
    EXPECT_EQ(TextCursor.column, s.column) << s.why;
    EXPECT_EQ(TextCursor.row, s.row) << s.why;
    ExpectCaretAt(s.column, s.row, s.why);
    EXPECT_FALSE(input.Returned()) << s.why << ": INPUT waits for Enter";
  }
  SendMessageA(PromptWindow, WM_CHAR, Enter, 0);
  EXPECT_EQ(input.Finish(), "Axy\r");
  EXPECT_EQ(InputLine.length, -1);
  EXPECT_EQ(Caret().window, nullptr) << "no caret once the line has ended";
  EXPECT_EQ(RegistrySettlesTo(at_rest_), at_rest_);
}

TEST_F(LineInputTest, EnterOnAnEmptyLineEndsItOnTheNextRow) {
  InputThread input;
  InputLine.text[0] = 'J';  // as if an older line had left a byte there
  SendMessageA(PromptWindow, WM_CHAR, Enter, 0);
  EXPECT_EQ(input.Finish(), "");
  EXPECT_EQ(InputLine.text[0], 0);
  EXPECT_EQ(InputLine.length, -1);
  EXPECT_EQ(TextCursor.column, 0);
  EXPECT_EQ(TextCursor.row, 1);
  EXPECT_EQ(Caret().window, nullptr);
}

TEST_F(LineInputTest, ThreeHundredTypedBytesKeepTheFirst255) {
  InputThread input;
  std::string typed;
  for (int i = 0; i < 300; ++i) typed += static_cast<char>('a' + i % 26);
  Type(typed);
  EXPECT_EQ(InputLine.length, 255);
  EXPECT_EQ(TextCursor.column, 255) << "the echo stops at the row's end";
  ExpectCaretAt(255, 0, "the caret just past the last cell");
  SendMessageA(PromptWindow, WM_CHAR, Enter, 0);
  EXPECT_EQ(input.Finish(), typed.substr(0, 255));
}

TEST_F(LineInputTest, APasteWithoutClipboardTextChangesNothing) {
  PutOnClipboard(nullptr);
  InputThread input;
  Type("q");
  const RECT caret = Caret().rect;
  Send(WM_CHAR, CtrlV);
  EXPECT_EQ(Line(), "q");
  EXPECT_EQ(TextCursor.column, 1);
  const RECT after = Caret().rect;
  EXPECT_TRUE(EqualRect(&after, &caret)) << "no echo, so the caret was not moved";
  SendMessageA(PromptWindow, WM_CHAR, Enter, 0);
  EXPECT_EQ(input.Finish(), "q");
}

// A clipboard holding data, but none of it text: the paste changes nothing
// and echoes nothing, and typing goes on.
TEST_F(LineInputTest, APasteOfDataThatIsNotTextChangesNothing) {
  HWND owner = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  ASSERT_TRUE(OpenClipboard(owner));
  EmptyClipboard();
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 4);
  std::memcpy(GlobalLock(block), "\x01\x02\x03", 4);
  GlobalUnlock(block);
  EXPECT_NE(SetClipboardData(RegisterClipboardFormatA("balls test: not text"), block), nullptr);
  CloseClipboard();
  DestroyWindow(owner);
  InputThread input;
  Type("p");
  Send(WM_CHAR, CtrlV);
  EXPECT_EQ(Line(), "p");
  EXPECT_EQ(TextCursor.column, 1);
  Type("q");
  SendMessageA(PromptWindow, WM_CHAR, Enter, 0);
  EXPECT_EQ(input.Finish(), "pq");
}

TEST_F(LineInputTest, ATenMegabytePasteKeepsTheFirst255BytesQuickly) {
  std::string huge(10 * 1024 * 1024, 'm');
  for (size_t i = 0; i < huge.size(); i += 97) huge[i] = static_cast<char>('a' + i % 26);
  PutOnClipboard(huge.c_str());
  InputThread input;
  const DWORD started = GetTickCount();
  Send(WM_CHAR, CtrlV);
  const DWORD elapsed = GetTickCount() - started;
  EXPECT_EQ(Line(), huge.substr(0, 255));
  EXPECT_EQ(TextCursor.column, 255) << "the echo holds what was kept";
  SendMessageA(PromptWindow, WM_CHAR, Enter, 0);
  EXPECT_EQ(input.Finish(), huge.substr(0, 255));
  std::printf("pasting 10 MB took %lu ms\n", static_cast<unsigned long>(elapsed));
}

TEST_F(LineInputTest, FocusShowsTheCaretAndPlacesTheCompositionWindowAtTheCursor) {
  InputThread input;
  Type("ab");
  Send(WM_KILLFOCUS, 0);
  EXPECT_EQ(Caret().window, nullptr) << "losing the focus takes the caret away";
  Send(WM_SETFOCUS, 0);
  ExpectCaretAt(2, 0, "gaining it brings the caret back at the cursor");

  HIMC context = ImmGetContext(PromptWindow);
  if (context != nullptr) {
    COMPOSITIONFORM form{};
    EXPECT_TRUE(ImmGetCompositionWindow(context, &form));
    EXPECT_EQ(form.dwStyle, static_cast<DWORD>(CFS_POINT));
    EXPECT_EQ(form.ptCurrentPos.x, 2 * CellWidth);
    EXPECT_EQ(form.ptCurrentPos.y, 0);
    LOGFONTA font{};
    EXPECT_TRUE(ImmGetCompositionFontA(context, &font));
    EXPECT_EQ(std::string(font.lfFaceName), std::string(PromptFont.logfont.lfFaceName));
    EXPECT_EQ(font.lfHeight, PromptFont.logfont.lfHeight);
    ImmReleaseContext(PromptWindow, context);
  } else {
    std::printf("no input context on this system: composition window not checked\n");
  }
  SendMessageA(PromptWindow, WM_CHAR, Enter, 0);
  EXPECT_EQ(input.Finish(), "ab");
}

TEST_F(LineInputTest, ActivationShowsTheCaretAtOnceOnlyWhenTheWindowHasTheFocus) {
  RtString prompt = StrNew(7);
  std::memcpy(prompt, "\r\n\r\nIN?", 7);
  PromptPrint(prompt);  // the echo is to start at (3, 2)
  ASSERT_EQ(TextCursor.column, 3);
  ASSERT_EQ(TextCursor.row, 2);
  const DWORD window_thread = GetWindowThreadProcessId(PromptWindow, nullptr);
  const struct {
    bool focused;
    const char* why;
  } cases[] = {
      {true, "a focused window shows the caret at the cursor at once"},
      {false, "without the focus no caret until the window gets it"},
  };
  for (const auto& c : cases) {
    // The focus moves on the window thread: SetFocus works within a thread's
    // own input, so this thread borrows it for the call.
    AttachThreadInput(GetCurrentThreadId(), window_thread, TRUE);
    SetFocus(c.focused ? PromptWindow : nullptr);
    AttachThreadInput(GetCurrentThreadId(), window_thread, FALSE);
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(window_thread, &info);
    ASSERT_EQ(info.hwndFocus == PromptWindow, c.focused) << c.why;
    InputThread input;
    if (c.focused) {
      ExpectCaretAt(3, 2, c.why);
    } else {
      EXPECT_EQ(Caret().window, nullptr) << c.why;
    }
    SendMessageA(PromptWindow, WM_CHAR, Enter, 0);
    EXPECT_EQ(input.Finish(), "") << c.why;
  }
}

TEST_F(LineInputTest, ASecondInputWhileALineIsTypedGetsAnEmptyLineAtOnce) {
  InputThread first;
  Type("one");
  RtString second = PromptInput();
  EXPECT_EQ(StrLength(second), 0);
  StrRelease(second);
  EXPECT_EQ(Line(), "one") << "the line being typed is not disturbed";
  SendMessageA(PromptWindow, WM_CHAR, Enter, 0);
  EXPECT_EQ(first.Finish(), "one");
}

}  // namespace
