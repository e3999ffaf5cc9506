// The walk of a text print over the character layer, without a window:
// where each byte lands, where the cursor ends, which rows were touched, and
// what happens at the layer's bounds.
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>

#include "runtime/console/text_layer.h"
#include "runtime/strings/strings.h"

namespace {

constexpr uint32_t Sentinel = 0x00ABCDEF;  // colour cells no print has written
constexpr uint32_t Fore = 0x00112233;
constexpr uint32_t Back = TransparentColor;

class TextPrintWalkTest : public testing::Test {
 protected:
  static void SetUpTestSuite() { StrHeapInit(); }
  void SetUp() override {
    TextScreenSetUp();
    for (int32_t row = 0; row < TextRows; ++row) {
      for (int32_t column = 0; column < TextColumns; ++column) {
        TextScreen.foreground[row][column] = Sentinel;
        TextScreen.background[row][column] = Sentinel;
      }
    }
    TextForeColor = Fore;
    TextBackColor = Back;
    TextCursor = {0, 0};
  }
  void TearDown() override { TextScreenTearDown(); }
  // A fresh layer for the next row of a table.
  void Reset() {
    TearDown();
    SetUp();
  }

  // Prints `bytes` from (column, row); the string printed is released here,
  // since the walk leaves it to its caller.
  static TextRowSpan PrintAt(int32_t column, int32_t row, const std::string& bytes) {
    TextCursor = {column, row};
    RtString s = StrNew(static_cast<int32_t>(bytes.size()));
    std::memcpy(s, bytes.data(), bytes.size());
    const TextRowSpan span = TextPrintWalk(s);
    StrRelease(s);
    return span;
  }
  // All 255 cells of a row, NULs included.
  static std::string Cells(int32_t row) { return std::string(TextScreen.characters[row], TextColumns); }
  static std::string Padded(const std::string& text) { return text + std::string(TextColumns - text.size(), '\0'); }
};

TEST_F(TextPrintWalkTest, BytesLandInCellsAndMoveTheCursor) {
  const struct {
    int32_t column;
    std::string bytes;
    std::string row0, row1;  // the first two rows' text afterwards
    int32_t end_column, end_row;
    const char* why;
  } cases[] = {
      {0, "A\tB", "A       B", "", 9, 0, "tab from column 1 fills to the stop at 8"},
      {8, "\t", std::string(8, '\0') + std::string(8, ' '), "", 16, 0, "a tab on a stop moves a full 8"},
      {3, "\t", std::string(3, '\0') + "     ", "", 8, 0, "a tab from column 3 fills 3..7"},
      {0, "AB\r\nC", "AB", "C", 1, 1, "CR LF starts the next row and writes nothing"},
      {0, "A\rB", "A\rB", "", 3, 0, "a lone CR is a cell"},
      {0, "A\nB", "A\nB", "", 3, 0, "a lone LF is a cell"},
      {0, "\n\r", "\n\r", "", 2, 0, "LF CR is not a line break; the CR before the end is a cell"},
      {0, "\r\r\n", "\r", "", 0, 1, "only the CR right before the LF pairs with it"},
      {0, "", "", "", 0, 0, "an empty string writes nothing"},
      {0, std::string("\0ABCD", 5), "", "", 0, 0, "the walk ends at a first NUL whatever the length"},
      {0, std::string("AB\0CD", 5), "AB", "", 2, 0, "and at a NUL inside"},
      {0, "\x82\xA0", "\x82\xA0", "", 2, 0, "a double-byte character takes two cells"},
  };
  for (const auto& c : cases) {
    Reset();
    PrintAt(c.column, 0, c.bytes);
    EXPECT_EQ(Cells(0), Padded(c.row0)) << c.why;
    EXPECT_EQ(Cells(1), Padded(c.row1)) << c.why;
    EXPECT_EQ(TextCursor.column, c.end_column) << c.why;
    EXPECT_EQ(TextCursor.row, c.end_row) << c.why;
  }
}

TEST_F(TextPrintWalkTest, CharactersTakeTheCurrentColoursAndTabFillKeepsTheCells) {
  PrintAt(0, 4, "A\tB");
  EXPECT_EQ(TextScreen.foreground[4][0], Fore);
  EXPECT_EQ(TextScreen.background[4][0], Back);
  EXPECT_EQ(TextScreen.foreground[4][8], Fore);
  for (int32_t column = 1; column < 8; ++column) {
    EXPECT_EQ(TextScreen.foreground[4][column], Sentinel) << "tab fill, column " << column;
    EXPECT_EQ(TextScreen.background[4][column], Sentinel) << "tab fill, column " << column;
  }
  EXPECT_EQ(TextScreen.foreground[4][9], Sentinel) << "the cell under the cursor is not written";
}

TEST_F(TextPrintWalkTest, TheSpanRunsFromTheStartRowToTheEndRow) {
  const struct {
    int32_t row;
    std::string bytes;
    int32_t from, to;
    const char* why;
  } cases[] = {
      {5, "", 5, 5, "nothing written: the cursor row is redrawn"},
      {5, "abc", 5, 5, "one row"},
      {5, "x\r\ny\r\n", 5, 7, "two breaks"},
      {99, "\r\n", 99, 100, "down to the last row, no scroll"},
      {100, "\r\n", -1, 100, "a break on the last row scrolls: every row"},
  };
  for (const auto& c : cases) {
    const TextRowSpan span = PrintAt(0, c.row, c.bytes);
    EXPECT_EQ(span.from, c.from) << c.why;
    EXPECT_EQ(span.to, c.to) << c.why;
  }
}

TEST_F(TextPrintWalkTest, TextPastColumn254IsClippedAndTheCursorStopsAt255) {
  const struct {
    int32_t column;
    std::string bytes;
    std::string tail;  // cells 248..254 afterwards
    int32_t end_column;
    const char* why;
  } cases[] = {
      {0, std::string(300, 'x'), "xxxxxxx", 255, "a long string fills the row, the rest is dropped"},
      {250, "ABCDEFGH", std::string("\0\0", 2) + "ABCDE", 255, "five fit from column 250"},
      {248, "\t", "       ", 255, "a tab from 248 fills to 254 only"},
      {255, "\tZ", std::string(7, '\0'), 255, "past the end nothing more is written"},
      {254, "\x82\xA0", std::string(6, '\0') + "\x82", 255, "a lead byte in the last cell stays alone"},
  };
  for (const auto& c : cases) {
    Reset();
    PrintAt(c.column, 3, c.bytes);
    EXPECT_EQ(Cells(3).substr(248), c.tail) << c.why;
    EXPECT_EQ(TextCursor.column, c.end_column) << c.why;
    EXPECT_EQ(TextCursor.row, 3) << c.why;
    EXPECT_EQ(Cells(4), Padded("")) << c.why << ": nothing wraps onto the next row";
  }
  PrintAt(255, 3, "\r\nnext");
  EXPECT_EQ(TextCursor.column, 4) << "CR LF still breaks the line after the end";
  EXPECT_EQ(TextCursor.row, 4);
}

TEST_F(TextPrintWalkTest, MoreLineBreaksThanRowsScrollTheLayer) {
  char* top_row = TextScreen.characters[0];
  PrintAt(0, 98, "a\r\nb\r\nc\r\nd\r\ne");
  EXPECT_EQ(TextCursor.row, 100);
  EXPECT_EQ(TextCursor.column, 1);
  const char* rows[] = {"a", "b", "c", "d", "e"};
  for (int32_t i = 0; i < 5; ++i) EXPECT_EQ(Cells(96 + i), Padded(rows[i])) << "row " << 96 + i;
  EXPECT_NE(TextScreen.characters[0], top_row) << "row 0 scrolled away twice";

  std::string breaks;
  for (int i = 0; i < 300; ++i) breaks += "\r\n";
  EXPECT_EQ(PrintAt(0, 40, breaks + "z").from, -1);
  EXPECT_EQ(TextCursor.row, 100) << "never past the last row";
  EXPECT_EQ(Cells(100), Padded("z"));
  EXPECT_EQ(Cells(99), Padded(""));
}

TEST_F(TextPrintWalkTest, ACursorLeftOutsideTheLayerIsBroughtBackFirst) {
  const struct {
    TextCursorState start, end;
    const char* why;
  } cases[] = {
      {{-3, 0}, {2, 0}, "left of the row: from column 0"},
      {{0, -1}, {2, 0}, "above the layer: row 0"},
      {{0, 101}, {2, 100}, "below the layer: row 100"},
      {{INT32_MAX, 5}, {255, 5}, "far right: past the end, nothing written"},
      {{7, INT32_MAX}, {9, 100}, "far below"},
  };
  for (const auto& c : cases) {
    PrintAt(c.start.column, c.start.row, "AB");
    EXPECT_EQ(TextCursor.column, c.end.column) << c.why;
    EXPECT_EQ(TextCursor.row, c.end.row) << c.why;
  }
}

TEST_F(TextPrintWalkTest, RandomPrintsKeepTheCursorInTheLayerAndTheRegistryEven) {
  // Tabs, breaks, lone CRs and LFs and lead bytes from random places: the
  // sanitizers watch every write; the cursor must stay a cell of the layer
  // or just past a row's end, and every tab's fill string must be gone.
  std::mt19937 random(4);
  const char alphabet[] = {'A', '\t', '\r', '\n', '\x82', ' '};
  const int32_t before = StringRegistry.count;
  for (int round = 0; round < 2000; ++round) {
    std::string bytes(random() % 40, 'A');
    for (char& byte : bytes) byte = alphabet[random() % sizeof alphabet];
    PrintAt(static_cast<int32_t>(random() % 256), static_cast<int32_t>(random() % TextRows), bytes);
    ASSERT_GE(TextCursor.column, 0) << "round " << round;
    ASSERT_LE(TextCursor.column, TextColumns) << "round " << round;
    ASSERT_GE(TextCursor.row, 0) << "round " << round;
    ASSERT_LT(TextCursor.row, TextRows) << "round " << round;
  }
  EXPECT_EQ(StringRegistry.count, before);
}

}  // namespace
