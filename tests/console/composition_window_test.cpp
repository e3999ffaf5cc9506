// The input method's composition in the real window: the window thread's
// input method is driven from the test thread as a user's typing would
// drive it, and the window is photographed. The composition must show at
// the cursor, underlined, and leave the line, the layer's cells and the back
// buffer as they were; once it ends, the picture is what a repaint gives.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>

#include "runtime/console/prompt_io.h"
#include "runtime/console/text_layer.h"
#include "runtime/console/window.h"
#include "tests/support/input_method.h"
#include "tests/support/input_thread.h"
#include "tests/support/window_harness.h"

namespace {

constexpr uint32_t White = 0xFFFFFF;
constexpr uint32_t Canvas = 0x402010;
const std::wstring NihongoKana = L"\x306B\x307B\x3093\x3054";
const std::string NihongoShiftJis = "\x82\xC9\x82\xD9\x82\xF1\x82\xB2";

class CompositionWindowTest : public testing::Test {
 protected:
  void SetUp() override {
    StartRuntimeOnce();
    PaintCanvas(Canvas);
    ClearTextNow();
    RepaintNow(nullptr);
    input_method_ = std::make_unique<InputMethod>();
    if (!input_method_->Present()) GTEST_SKIP() << "no input context on this system";
  }

  static void Type(const std::string& bytes) {
    for (char byte : bytes) SendMessageA(PromptWindow, WM_CHAR, static_cast<uint8_t>(byte), 0);
  }
  static void Print(const std::string& text) {
    PromptPrint(TestString(text));
    AwaitPromptQueue();
  }
  // The client area as it shows, without the blinking caret: the focus goes
  // for the photograph and comes back.
  static Picture Photo() {
    SendMessageA(PromptWindow, WM_KILLFOCUS, 0, 0);
    Picture picture = CaptureWindow(ClientRect());
    SendMessageA(PromptWindow, WM_SETFOCUS, 0, 0);
    return picture;
  }
  static Picture Repainted() {
    RepaintNow(nullptr);
    return Photo();
  }
  static std::string Line() { return std::string(InputLine.text, static_cast<size_t>(InputLine.length)); }

  // Cells [from, to) of a row, with the row's bottom pixel line (the
  // underline's) or only the glyphs' lines above the caret's.
  static RECT UnderlineOf(int32_t row, int32_t from, int32_t to) {
    const int bottom = (row + 1) * CellHeight;
    return RECT{from * CellWidth, bottom - 1, to * CellWidth, bottom};
  }
  static RECT GlyphsOf(int32_t row, int32_t from, int32_t to) {
    return RECT{from * CellWidth, row * CellHeight, to * CellWidth, (row + 1) * CellHeight - 8};
  }
  static int Area(const RECT& r) { return (r.right - r.left) * (r.bottom - r.top); }
  static RECT CaretRect() {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(PromptWindow, nullptr), &info);
    return info.rcCaret;
  }
  static void ExpectCaretInCell(int32_t column, int32_t row, const char* why) {
    const RECT caret = CaretRect();
    EXPECT_EQ(caret.left, column * CellWidth) << why;
    EXPECT_EQ(caret.bottom, (row + 1) * CellHeight - 1) << why;
  }
  static bool SameIn(const Picture& a, const Picture& b, const RECT& area) {
    for (int y = area.top; y < area.bottom; ++y) {
      for (int x = area.left; x < area.right; ++x) {
        if (a.At(x, y) != b.At(x, y)) return false;
      }
    }
    return true;
  }

  std::unique_ptr<InputMethod> input_method_;
};

TEST_F(CompositionWindowTest, ShowsAtTheCursorUnderlinedAndACancelLeavesThePictureAsItWas) {
  InputThread input;
  Type("ab");
  const Picture before = Photo();
  const Picture back_before = CaptureBackBuffer(ClientRect());

  input_method_->Compose(NihongoKana);
  const Picture composing = Photo();
  EXPECT_EQ(CountColour(composing, UnderlineOf(0, 2, 10), White), 8 * CellWidth) << "four kana, eight cells";
  EXPECT_EQ(CountColour(composing, UnderlineOf(0, 10, 12), White), 0) << "nothing after them";
  EXPECT_GT(CountColour(composing, GlyphsOf(0, 2, 10), White), 20) << "the kana are drawn";
  EXPECT_EQ(CountColour(before, GlyphsOf(0, 2, 10), White), 0);
  EXPECT_TRUE(SameIn(before, composing, GlyphsOf(0, 0, 2))) << "the typed text stays as it was";
  ExpectCaretInCell(10, 0, "the caret at the composition's cursor, after it");
  EXPECT_EQ(Line(), "ab") << "nothing composed enters the line";
  EXPECT_EQ(LayerRowText(0), "ab") << "nor the layer's cells";
  EXPECT_TRUE(SameIn(back_before, CaptureBackBuffer(ClientRect()), ClientRect())) << "nor the back buffer";
  const Picture repainted = Repainted();
  EXPECT_TRUE(SameIn(composing, repainted, ClientRect())) << "a paint draws it again";

  input_method_->Cancel();
  EXPECT_TRUE(SameIn(before, Photo(), ClientRect())) << "a cancelled composition leaves nothing behind";
  ExpectCaretInCell(2, 0, "the caret back at the cursor");
  SendMessageA(PromptWindow, WM_CHAR, '\r', 0);
  EXPECT_EQ(input.Finish(), "ab");
}

TEST_F(CompositionWindowTest, ACommittedCompositionEntersTheLineAsTypedCharacters) {
  InputThread input;
  Type("ab");
  input_method_->Compose(NihongoKana);
  const Picture composing = Photo();
  input_method_->Complete();
  EXPECT_EQ(Line(), "ab" + NihongoShiftJis);
  EXPECT_EQ(LayerRowText(0), "ab" + NihongoShiftJis);
  const Picture committed = Photo();
  EXPECT_TRUE(SameIn(composing, committed, GlyphsOf(0, 0, 10))) << "the same kana, now typed text";
  EXPECT_LT(CountColour(committed, UnderlineOf(0, 2, 10), White), 8 * CellWidth) << "and no underline left";
  EXPECT_TRUE(SameIn(committed, Repainted(), ClientRect()));
  ExpectCaretInCell(10, 0, "the caret after the typed kana");
  SendMessageA(PromptWindow, WM_CHAR, '\r', 0);
  EXPECT_EQ(input.Finish(), "ab" + NihongoShiftJis);
}

TEST_F(CompositionWindowTest, ALongCompositionFlowsOntoTheNextRowScrollingFromTheLastOne) {
  const int32_t last_row = ClientRect().bottom / CellHeight - 1;
  const int32_t columns = ClientRect().right / CellWidth;
  std::string line_breaks;
  for (int32_t row = 0; row < last_row; ++row) line_breaks += "\r\n";
  Print(line_breaks);
  ASSERT_EQ(TextCursor.row, last_row);
  InputThread input;
  const std::string typed(static_cast<size_t>(columns) - 6, 'x');  // room for three kana
  Type(typed);

  input_method_->Compose(NihongoKana);
  EXPECT_EQ(TextCursor.row, last_row - 1) << "the fourth kana needs a row below the client: one line up";
  const Picture composing = Photo();
  EXPECT_EQ(CountColour(composing, UnderlineOf(last_row - 1, columns - 6, columns), White), 6 * CellWidth);
  EXPECT_EQ(CountColour(composing, UnderlineOf(last_row, 0, 2), White), 2 * CellWidth) << "the fourth kana";
  ExpectCaretInCell(2, last_row, "the caret after it");
  EXPECT_EQ(LayerRowText(last_row - 1), typed);
  EXPECT_EQ(LayerRowText(last_row), "");

  input_method_->Cancel();
  EXPECT_TRUE(SameIn(Photo(), Repainted(), ClientRect())) << "nothing of it left on either row";
  EXPECT_EQ(CountColour(Photo(), UnderlineOf(last_row, 0, columns), White), 0);
  SendMessageA(PromptWindow, WM_CHAR, '\r', 0);
  EXPECT_EQ(input.Finish(), typed);
}

TEST_F(CompositionWindowTest, AfterANarrowerWindowRepaintedItAllOfItIsTakenAway) {
  SetClientSize(16 * CellWidth, 400);
  const int32_t columns = ClientRect().right / CellWidth;  // the window may keep a wider least width
  SetClientSize(640, 400);
  InputThread input;
  const std::string typed(static_cast<size_t>(columns) - 4, 'x');  // room for two kana once narrower
  Type(typed);
  input_method_->Compose(NihongoKana);
  SetClientSize(columns * CellWidth, 400);
  SettleWindow();  // the display's late exposures, so that none paints after the cancel
  RepaintNow(nullptr);
  // Photographed without the focus going: its return would draw the
  // composition again, and so hide what the paint alone leaves.
  EXPECT_EQ(CountColour(CaptureWindow(ClientRect()), UnderlineOf(1, 0, 4), White), 4 * CellWidth)
      << "two kana on the next row";
  input_method_->Cancel();
  EXPECT_EQ(CountColour(Photo(), UnderlineOf(1, 0, 4), White), 0) << "and gone from it";
  SendMessageA(PromptWindow, WM_CHAR, '\r', 0);
  EXPECT_EQ(input.Finish(), typed);
}

TEST_F(CompositionWindowTest, WhileNoLineIsTypedNothingIsDrawn) {
  Print("ready");
  const Picture before = Photo();
  input_method_->Compose(NihongoKana);
  EXPECT_TRUE(SameIn(before, Photo(), ClientRect()));
  input_method_->Cancel();
  EXPECT_EQ(LayerRowText(0), "ready");
}

}  // namespace
