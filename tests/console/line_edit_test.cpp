// The edits typing makes on the input line and the layer at their bounds,
// without a window and under the sanitizers: each keystroke is edited and
// its echo walked at the cursor, as the window procedure does between its
// focus calls. Ordinary typing is tested in the real window.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "runtime/console/text_layer.h"
#include "runtime/strings/strings.h"

namespace {

constexpr int Backspace = 8;
constexpr int Enter = 13;

class LineEditTest : public testing::Test {
 protected:
  static void SetUpTestSuite() { StrHeapInit(); }
  void SetUp() override {
    TextScreenSetUp();
    TextCursor = {0, 2};
    InputLine.length = -1;
    LineEditStart();
  }
  void TearDown() override { TextScreenTearDown(); }

  static void EchoAndRelease(RtString echo) {
    RtString copy = StrNew(StrLength(echo));
    std::memcpy(copy, echo, static_cast<size_t>(StrLength(echo)));
    TextPrintWalk(copy);
    StrRelease(copy);
    StrRelease(echo);
  }
  // One WM_CHAR on the active line, echo included; the registry must hold
  // the same count after it.
  static void Type(int code) {
    const int32_t before = StringRegistry.count;
    if (code == Backspace) {
      LineEditBackspace();
    } else {
      EchoAndRelease(code == Enter ? LineEditEnter() : LineEditAppend(static_cast<uint8_t>(code)));
    }
    EXPECT_EQ(StringRegistry.count, before) << "code " << code;
  }
  static void TypeAll(const std::string& bytes) {
    for (char byte : bytes) Type(static_cast<uint8_t>(byte));
  }
  static void Paste(const std::string& clip) {
    const int32_t before = StringRegistry.count;
    EchoAndRelease(LineEditPaste(clip.data(), static_cast<int32_t>(clip.size())));
    EXPECT_EQ(StringRegistry.count, before) << "paste";
  }
  static std::string Line() { return std::string(InputLine.text, static_cast<size_t>(InputLine.length)); }
  static std::string RowText(int32_t row) {
    return std::string(TextScreen.characters[row], static_cast<size_t>(TextRowLength(row)));
  }
  static std::string Taken() {
    RtString line = LineEditTakeLine();
    std::string bytes(line, static_cast<size_t>(StrLength(line)));
    StrRelease(line);
    return bytes;
  }
};

TEST_F(LineEditTest, TheLineTakenEndsAtItsFirstNul) {
  TypeAll(std::string("a\0b", 3));
  Type(Enter);
  EXPECT_EQ(Taken(), "a") << "a typed NUL ends the text the program gets";
}

TEST_F(LineEditTest, BackspaceInColumnZeroRemovesTheByteButNoCell) {
  Paste("ab\r\n");
  ASSERT_EQ(TextCursor.column, 0);
  Type(Backspace);
  EXPECT_EQ(Line(), "ab\r") << "the LF leaves the line";
  EXPECT_EQ(TextCursor.column, 0);
  EXPECT_EQ(TextCursor.row, 3);
  EXPECT_EQ(RowText(2), "ab") << "the row above is untouched";
  Type(Backspace);
  Type(Backspace);
  EXPECT_EQ(Line(), "a");
  EXPECT_EQ(TextCursor.column, 0) << "the cursor stays in column 0";
  TypeAll("c");
  EXPECT_EQ(RowText(3), "c");
}

TEST_F(LineEditTest, TheLineKeepsItsFirst255BytesAndEchoesOnlyThose) {
  TextCursor = {10, 2};
  std::string typed;
  for (int i = 0; i < 300; ++i) typed += static_cast<char>('a' + i % 26);
  TypeAll(typed);
  EXPECT_EQ(InputLine.length, InputLineCapacity);
  EXPECT_EQ(Line(), typed.substr(0, 255));
  EXPECT_EQ(std::string(TextScreen.characters[2] + 10, 245), typed.substr(0, 245))
      << "the row is clipped at column 254";
  EXPECT_EQ(TextCursor.column, TextColumns);
  Type(Backspace);
  EXPECT_EQ(InputLine.length, 254);
  EXPECT_EQ(InputLine.text[254], 0);
  Type('!');
  Type(Enter);
  EXPECT_EQ(Taken(), typed.substr(0, 254) + "!");
}

TEST_F(LineEditTest, APasteIsCutAtTheLinesCapacity) {
  const struct {
    int32_t typed;
    int32_t pasted;
    int32_t kept;
    const char* why;
  } cases[] = {
      {250, 20, 5, "only five bytes of room"},
      {255, 3, 0, "a full line takes nothing"},
      {0, 1000, 255, "a long clipboard text into an empty line"},
      {0, 0, 0, "an empty clipboard text"},
  };
  for (const auto& c : cases) {
    TearDown();
    SetUp();
    TextCursor = {0, 0};
    TypeAll(std::string(static_cast<size_t>(c.typed), 't'));
    const int32_t column = TextCursor.column;
    Paste(std::string(static_cast<size_t>(c.pasted), 'p'));
    EXPECT_EQ(InputLine.length, c.typed + c.kept) << c.why;
    EXPECT_EQ(Line(), std::string(static_cast<size_t>(c.typed), 't') + std::string(static_cast<size_t>(c.kept), 'p'))
        << c.why;
    EXPECT_EQ(InputLine.text[InputLine.length], 0) << c.why;
    const int32_t echoed = column + c.kept > TextColumns ? TextColumns - column : c.kept;
    EXPECT_EQ(TextCursor.column, column + echoed) << c.why << ": the echo shows only what was kept";
  }
}

}  // namespace
