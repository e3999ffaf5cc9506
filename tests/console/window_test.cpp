// The console window as a user of the runtime sees it: its class and look,
// the back buffer behind it, painting, keys, and the string registry.
#include <gtest/gtest.h>

#include <cstring>
#include <iterator>

#include "program/program.h"
#include "runtime/console/text_layer.h"
#include "runtime/console/window.h"
#include "tests/support/window_harness.h"

namespace {

constexpr uint32_t Black = 0x000000;
constexpr uint32_t Red = 0x0000FF;
constexpr uint32_t Green = 0x00FF00;

class PromptWindowTest : public testing::Test {
 protected:
  void SetUp() override { StartRuntimeOnce(); }
};

TEST_F(PromptWindowTest, ClassIsRegisteredAsSpecifiedForThePrompt) {
  WNDCLASSEXA info{};
  info.cbSize = sizeof info;
  ASSERT_TRUE(GetClassInfoExA(GetModuleHandleA(nullptr), "PROMPT", &info));
  EXPECT_EQ(info.style, 11u);  // CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS, no private DC
  EXPECT_EQ(info.lpfnWndProc, PromptWndProc);
  EXPECT_EQ(info.cbClsExtra, 0);
  EXPECT_EQ(info.cbWndExtra, 0);
  EXPECT_EQ(info.hbrBackground, GetStockObject(BLACK_BRUSH));
  EXPECT_EQ(info.lpszMenuName, nullptr);
  EXPECT_EQ(info.hCursor, LoadCursorA(nullptr, IDC_ARROW));
}

TEST_F(PromptWindowTest, WindowHasItsCaptionStylesAndThread) {
  char caption[64] = {};
  GetWindowTextA(PromptWindow, caption, sizeof caption);
  EXPECT_STREQ(caption, "BASIC PROMPT");
  char class_name[64] = {};
  GetClassNameA(PromptWindow, class_name, sizeof class_name);
  EXPECT_STREQ(class_name, "PROMPT");
  const auto style = static_cast<DWORD>(GetWindowLongA(PromptWindow, GWL_STYLE));
  EXPECT_EQ(style & WS_OVERLAPPEDWINDOW, static_cast<DWORD>(WS_OVERLAPPEDWINDOW));
  EXPECT_TRUE(style & WS_VISIBLE);
  EXPECT_EQ(GetParent(PromptWindow), nullptr);
  EXPECT_EQ(GetMenu(PromptWindow), nullptr);
  const auto ex_style = static_cast<DWORD>(GetWindowLongA(PromptWindow, GWL_EXSTYLE));
  EXPECT_TRUE(ex_style & WS_EX_CLIENTEDGE);
  // The window belongs to its own thread, not to the caller's.
  EXPECT_NE(GetWindowThreadProcessId(PromptWindow, nullptr), GetCurrentThreadId());
}

TEST_F(PromptWindowTest, FontIsTheSixteenPixelShiftJisFixedPitchFace) {
  const LOGFONTA& font = PromptFont.logfont;
  EXPECT_EQ(font.lfHeight, -16);
  EXPECT_EQ(font.lfWidth, 0);
  EXPECT_EQ(font.lfEscapement, 0);
  EXPECT_EQ(font.lfOrientation, 0);
  EXPECT_EQ(font.lfWeight, 0);
  EXPECT_EQ(font.lfItalic | font.lfUnderline | font.lfStrikeOut, 0);
  EXPECT_EQ(font.lfCharSet, 128);
  EXPECT_EQ(font.lfOutPrecision, 0);
  EXPECT_EQ(font.lfClipPrecision, 0);
  EXPECT_EQ(font.lfQuality, 0);
  EXPECT_EQ(font.lfPitchAndFamily, 1);
  EXPECT_EQ(0, std::memcmp(font.lfFaceName, "\x82\x6C\x82\x72\x20\x96\xBE\x92\xA9", 10));
  ASSERT_NE(PromptFont.handle, nullptr);

  // The cell is measured from the font the face name gives on this system.
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ kept = SelectObject(dc, PromptFont.handle);
  SIZE space{};
  GetTextExtentPoint32A(dc, " ", 1, &space);
  TEXTMETRICA metrics{};
  GetTextMetricsA(dc, &metrics);
  SelectObject(dc, kept);
  DeleteDC(dc);
  EXPECT_EQ(CellWidth, space.cx);
  EXPECT_EQ(CellHeight, metrics.tmHeight);
  EXPECT_GT(CellWidth, 0);
  EXPECT_GT(CellHeight, 0);
}

TEST_F(PromptWindowTest, BackBufferIsScreenSizedAndStartsBlack) {
  EXPECT_EQ(ScreenSize.width, GetSystemMetrics(SM_CXSCREEN));
  EXPECT_EQ(ScreenSize.height, GetSystemMetrics(SM_CYSCREEN));
  BITMAP bitmap{};
  ASSERT_TRUE(GetObjectA(BackBuffer.bitmap, sizeof bitmap, &bitmap));
  EXPECT_EQ(bitmap.bmWidth, ScreenSize.width);
  EXPECT_EQ(bitmap.bmHeight, ScreenSize.height);
  EXPECT_EQ(GetCurrentObject(BackBuffer.dc, OBJ_BITMAP), BackBuffer.bitmap);
  const RECT whole{0, 0, ScreenSize.width, ScreenSize.height};
  const Picture picture = CaptureBackBuffer(whole);
  EXPECT_EQ(CountColour(picture, whole, Black), ScreenSize.width * ScreenSize.height);
}

TEST_F(PromptWindowTest, PaintingPartOfTheWindowRedrawsExactlyThatPart) {
  SetClientSize(400, 300);
  const RECT client = ClientRect();
  FillBackBuffer(client, Black);
  SettleWindow();
  // Change the back buffer everywhere, then repaint one rectangle only.
  FillBackBuffer(client, Red);
  const RECT part{50, 40, 170, 100};
  RepaintNow(&part);
  const Picture window = CaptureWindow(client);
  const int inside = (part.right - part.left) * (part.bottom - part.top);
  EXPECT_EQ(CountColour(window, part, Red), inside);
  EXPECT_EQ(CountColour(window, client, Red), inside) << "only the invalidated part changes";
}

TEST_F(PromptWindowTest, EnlargingShowsWhatWasDrawnWhileHidden) {
  SetClientSize(200, 150);
  const RECT hidden{300, 200, 360, 260};  // outside the small client area
  FillBackBuffer(RECT{0, 0, 400, 300}, Black);
  FillBackBuffer(hidden, Green);
  SetClientSize(400, 300);
  RepaintNow(nullptr);
  const Picture window = CaptureWindow(RECT{0, 0, 400, 300});
  EXPECT_EQ(CountColour(window, hidden, Green), 60 * 60);
}

TEST_F(PromptWindowTest, FirstPaintFlagStaysSetAcrossRepaints) {
  EXPECT_EQ(FirstPaintFlag.load(), 1);
  RepaintNow(nullptr);
  RepaintNow(nullptr);
  EXPECT_EQ(FirstPaintFlag.load(), 1);
}

TEST_F(PromptWindowTest, KeyDownStoresTheLowByteWhileInputIsInactive) {
  ASSERT_EQ(InputLine.length, -1);
  const struct {
    WPARAM key;
    uint8_t stored;
  } cases[] = {
      {'A', 0x41},
      {VK_RETURN, 0x0D},
      {0x1234, 0x34},  // only the low byte is kept
      {0xFF, 0xFF},
  };
  for (const auto& c : cases) {
    SendMessageA(PromptWindow, WM_KEYDOWN, c.key, 0);
    EXPECT_EQ(LastKey, c.stored) << "key " << c.key;
  }
}

TEST_F(PromptWindowTest, EveryMessageLeavesTheRegistryAsItFoundIt) {
  // When no message is being handled, the registry holds the 32 slots alone.
  const std::vector<void*> before(std::begin(StringSlots), std::end(StringSlots));
  ASSERT_EQ(RegistrySettlesTo(before), before);
  const struct {
    UINT message;
    WPARAM wparam;
    const char* why;
  } messages[] = {
      {WM_KEYDOWN, 'Q', "handled key"},
      {WM_CHAR, 'Q', "ignored character"},
      {WM_SETFOCUS, 0, "focus with input inactive"},
      {WM_KILLFOCUS, 0, "focus lost"},
      {WM_MOUSEMOVE, 0, "left to the default procedure"},
      {WM_USER + 7, 0, "a message nobody knows"},
  };
  for (const auto& m : messages) {
    SendMessageA(PromptWindow, m.message, m.wparam, 0);
    EXPECT_EQ(RegistrySettlesTo(before), before) << m.why;
  }
  RepaintNow(nullptr);
  EXPECT_EQ(RegistrySettlesTo(before), before) << "paint";
}

}  // namespace
