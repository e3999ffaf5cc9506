// The composition's text as taken from an input method, the cells it is
// laid out in, and the scrolling that brings it into view, without a window.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/console/composition.h"
#include "runtime/strings/strings.h"

namespace {

bool ShiftJisLead(uint8_t byte) { return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC); }

const std::string Nihongo = "\x82\xC9\x82\xD9\x82\xF1\x82\xB2";  // four double-byte kana

CompositionText Composed(const std::string& bytes, int32_t cursor, const std::vector<uint8_t>& attributes = {}) {
  CompositionText text{};
  CompositionSetText(&text, bytes.data(), static_cast<int32_t>(bytes.size()), attributes.data(),
                     static_cast<int32_t>(attributes.size()), cursor, ShiftJisLead);
  return text;
}

TEST(CompositionText, KeepsWholeCharactersAndBringsTheCursorOntoOne) {
  const struct {
    std::string bytes;
    int32_t cursor;
    int32_t length;
    int32_t cursor_after;
    const char* why;
  } cases[] = {
      {Nihongo, 8, 8, 8, "a cursor after the text stays there"},
      {Nihongo, 3, 8, 2, "a cursor inside a character goes to its first byte"},
      {Nihongo, -5, 8, 0, "a negative cursor goes to the start"},
      {Nihongo, 900, 8, 8, "a cursor far past the end goes to the end"},
      {"ab\x82", 3, 2, 2, "a lead byte without its partner is left out"},
      {"a\x82\xC9z", 2, 4, 1, "ASCII and kana mixed"},
      {"", 0, 0, 0, "nothing composed"},
      {std::string(300, 'x'), 300, CompositionCapacity, CompositionCapacity, "more than a line can take"},
      {std::string(254, 'x') + "\x82\xC9", 256, 254, 254, "a character cut by the capacity is left out whole"},
  };
  for (const auto& c : cases) {
    const CompositionText text = Composed(c.bytes, c.cursor);
    EXPECT_EQ(text.length, c.length) << c.why;
    EXPECT_EQ(text.cursor, c.cursor_after) << c.why;
    EXPECT_EQ(std::string(text.bytes, static_cast<size_t>(text.length)), c.bytes.substr(0, c.length)) << c.why;
  }
}

TEST(CompositionText, ReportedLengthsBeyondTheBuffersOrNegativeAreNotTrusted) {
  CompositionText text{};
  const char bytes[4] = {'a', 'b', 'c', 'd'};
  const uint8_t attributes[2] = {1, 1};
  CompositionSetText(&text, bytes, -2, attributes, -1, 0, ShiftJisLead);
  EXPECT_EQ(text.length, 0) << "an input method's error code";
  CompositionSetText(&text, nullptr, 50, nullptr, 50, 7, ShiftJisLead);
  EXPECT_EQ(text.length, 0) << "no bytes at all";
  CompositionSetText(&text, bytes, 4, attributes, 2, 0, ShiftJisLead);
  EXPECT_EQ(std::vector<uint8_t>(text.attributes, text.attributes + 4), (std::vector<uint8_t>{1, 1, 0, 0}))
      << "bytes without an attribute are plain input";
}

class CompositionLayOutTest : public testing::Test {
 protected:
  static void SetUpTestSuite() { StrHeapInit(); }
  void SetUp() override {
    TextScreenSetUp();
    CellWidth = 8;
    CellHeight = 16;
  }
  void TearDown() override { TextScreenTearDown(); }

  static std::vector<std::string> Cells(const CompositionLayout& layout) {
    std::vector<std::string> cells;
    for (int32_t i = 0; i < layout.count; ++i) {
      const CompositionGlyph& glyph = layout.glyphs[i];
      cells.push_back(std::to_string(glyph.column) + "," + std::to_string(glyph.row) + (glyph.converting ? "*" : ""));
    }
    return cells;
  }
  CompositionLayout layout_{};
};

TEST_F(CompositionLayOutTest, CharactersFlowOntoTheNextRowAtTheEdgeNeverSplit) {
  const struct {
    std::string bytes;
    TextCursorState start;
    int32_t row_width;
    std::vector<std::string> cells;
    TextCursorState caret;
    int32_t last_row;
    const char* why;
  } cases[] = {
      {Nihongo, {2, 1}, 80, {"2,1", "4,1", "6,1", "8,1"}, {10, 1}, 1, "after '? ', in one row"},
      {Nihongo, {75, 3}, 80, {"75,3", "77,3", "0,4", "2,4"}, {4, 4}, 4, "the third kana would straddle the edge"},
      {Nihongo, {74, 3}, 80, {"74,3", "76,3", "78,3", "0,4"}, {2, 4}, 4, "two cells left take a whole kana"},
      {Nihongo, {72, 3}, 80, {"72,3", "74,3", "76,3", "78,3"}, {0, 4}, 4, "a full row puts the caret on the next"},
      {"abc", {85, 0}, 80, {"0,1", "1,1", "2,1"}, {3, 1}, 1, "a cursor past the visible edge starts below"},
      {Nihongo, {0, 0}, 1, {"0,0", "0,1", "0,2", "0,3"}, {0, 4}, 4, "a row is at least one kana wide"},
      {"xy", {253, 0}, 1000, {"253,0", "254,0"}, {0, 1}, 1, "rows are never wider than the layer's"},
  };
  for (const auto& c : cases) {
    CompositionLayOut(Composed(c.bytes, 99), c.start, c.row_width, ShiftJisLead, &layout_);
    EXPECT_EQ(Cells(layout_), c.cells) << c.why;
    EXPECT_EQ(layout_.caret.column, c.caret.column) << c.why;
    EXPECT_EQ(layout_.caret.row, c.caret.row) << c.why;
    EXPECT_EQ(layout_.last_row, c.last_row) << c.why;
  }
}

TEST_F(CompositionLayOutTest, TheCaretStandsOnTheCursorsCharacterAndTheConvertingClauseIsMarked) {
  // Clause one converted and being converted (1), clause two plain
  // converted (2), the last kana converting but not yet converted (3).
  const CompositionText text = Composed(Nihongo, 4, {1, 1, 1, 1, 2, 2, 3, 3});
  CompositionLayOut(text, {75, 3}, 80, ShiftJisLead, &layout_);
  EXPECT_EQ(Cells(layout_), (std::vector<std::string>{"75,3*", "77,3*", "0,4", "2,4*"}));
  EXPECT_EQ(layout_.caret.column, 0);
  EXPECT_EQ(layout_.caret.row, 4) << "the cursor's kana moved to the next row, and the caret with it";
}

TEST_F(CompositionLayOutTest, ScrollsTheLayerOnlyAsFarAsTheCompositionNeeds) {
  const struct {
    int32_t cursor_row;
    int32_t rows_below;
    int32_t client_bottom;
    int32_t row_after;
    const char* why;
  } cases[] = {
      {24, 0, 400, 24, "one row on the last whole row: no scroll"},
      {24, 1, 400, 23, "one more row below the client: one line"},
      {20, 3, 400, 20, "three rows below still fit"},
      {24, 30, 400, 0, "more rows than the client shows: the cursor row goes to the top, no further"},
      {100, 1, 100000, 99, "a row past the layer's last: one line even in a tall client"},
      {0, 5, 16, 0, "row 0 never scrolls away"},
  };
  for (const auto& c : cases) {
    TextCursor = {3, c.cursor_row};
    const bool scrolled = CompositionScrollIntoView(c.rows_below, c.client_bottom);
    EXPECT_EQ(TextCursor.row, c.row_after) << c.why;
    EXPECT_EQ(scrolled, c.row_after != c.cursor_row) << c.why;
  }
}

TEST_F(CompositionLayOutTest, TheRowWidthIsTheClientsWholeCellsWithinTheLayer) {
  EXPECT_EQ(CompositionRowWidth(640), 80);
  EXPECT_EQ(CompositionRowWidth(645), 80);
  EXPECT_EQ(CompositionRowWidth(5), 2);
  EXPECT_EQ(CompositionRowWidth(100000), TextColumns);
}

}  // namespace
