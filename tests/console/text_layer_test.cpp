// The character layer's storage, scrolling and row text, without a window.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "runtime/console/text_layer.h"
#include "runtime/strings/strings.h"

namespace {

class TextLayer : public testing::Test {
 protected:
  static void SetUpTestSuite() { StrHeapInit(); }
  void SetUp() override {
    TextScreenSetUp();
    TextCursor = {0, 0};
    CellHeight = 16;
  }
  void TearDown() override { TextScreenTearDown(); }
};

TEST_F(TextLayer, FreshRowsAreEmptyOpaqueBlackAndTheColoursWhiteOnBlack) {
  for (int32_t row = 0; row < TextRows; ++row) {
    const char* text = TextScreen.characters[row];
    EXPECT_EQ(std::count(text, text + TextColumns, '\0'), TextColumns) << "row " << row;
    const uint32_t* fore = TextScreen.foreground[row];
    const uint32_t* back = TextScreen.background[row];
    EXPECT_EQ(std::count(fore, fore + TextColumns, 0u), TextColumns) << "row " << row;
    EXPECT_EQ(std::count(back, back + TextColumns, 0u), TextColumns) << "row " << row;
  }
  EXPECT_EQ(TextForeColor, 0xFFFFFFu);
  EXPECT_EQ(TextBackColor, 0u);
}

TEST_F(TextLayer, ScrollsOnlyWhileTheCursorRowLiesBelowTheClientArea) {
  const struct {
    int32_t cursor_row;
    int32_t client_bottom;
    int32_t row_after;
    const char* why;
  } cases[] = {
      {25, 400, 24, "row 25 ends at 416, below 400: one line"},
      {24, 400, 24, "row 24 ends exactly at 400: stays"},
      {26, 410, 24, "row 25 ends at 416 > 410: it may be drawn but not hold the cursor"},
      {100, 400, 24, "the lowest row comes back to the last whole row"},
      {3, 10, 0, "a client lower than one row keeps row 0"},
      {5, 0, 0, "a client with no height keeps row 0"},
      {0, 0, 0, "row 0 never scrolls away"},
  };
  for (const auto& c : cases) {
    TextCursor = {7, c.cursor_row};
    const bool scrolled = TextScrollToCursor(c.client_bottom);
    EXPECT_EQ(TextCursor.row, c.row_after) << c.why;
    EXPECT_EQ(TextCursor.column, 7) << c.why;
    EXPECT_EQ(scrolled, c.row_after != c.cursor_row) << c.why;
  }
}

TEST_F(TextLayer, ScrollingMovesRowBlocksUpAndGivesTheLastRowFreshOnes) {
  TextScreen.characters[1][0] = 'X';
  TextScreen.foreground[1][0] = 0x123456;
  TextScreen.characters[100][3] = 'Z';
  TextScreenState before = TextScreen;
  TextCursor = {4, 50};
  TextScrollOneLine();
  for (int32_t row = 0; row < TextRows - 1; ++row) {
    EXPECT_EQ(TextScreen.characters[row], before.characters[row + 1]) << "row " << row;
    EXPECT_EQ(TextScreen.foreground[row], before.foreground[row + 1]) << "row " << row;
    EXPECT_EQ(TextScreen.background[row], before.background[row + 1]) << "row " << row;
  }
  EXPECT_EQ(TextScreen.characters[0][0], 'X');
  EXPECT_EQ(TextScreen.foreground[0][0], 0x123456u);
  EXPECT_EQ(TextScreen.characters[99][3], 'Z');
  EXPECT_EQ(TextRowLength(100), 0);
  EXPECT_EQ(TextScreen.foreground[100][3], 0u);
  EXPECT_EQ(TextCursor.row, 49);
  EXPECT_EQ(TextCursor.column, 4);
}

TEST_F(TextLayer, RowTextEndsAtItsFirstNulOrAtTheRowsEnd) {
  char* text = TextScreen.characters[5];
  EXPECT_EQ(TextRowLength(5), 0);
  std::memcpy(text, "AB\0CD", 5);
  EXPECT_EQ(TextRowLength(5), 2) << "cells after a NUL are not part of the text";
  std::memset(text, 'x', TextColumns);
  EXPECT_EQ(TextRowLength(5), TextColumns) << "a full row has no NUL and stops at 255";
  text[254] = 0;
  EXPECT_EQ(TextRowLength(5), 254);
}

TEST_F(TextLayer, ClearEmptiesTheTextKeepsTheColoursAndHomesTheCursor) {
  for (int32_t row = 0; row < TextRows; ++row) {
    std::memset(TextScreen.characters[row], 'q', TextColumns);
    TextScreen.foreground[row][9] = 0xABCDEF;
    TextScreen.background[row][9] = TransparentColor;
  }
  TextForeColor = 0x111111;
  TextCursor = {30, 40};
  TextClear();
  for (int32_t row = 0; row < TextRows; ++row) {
    const char* text = TextScreen.characters[row];
    EXPECT_EQ(std::count(text, text + TextColumns, '\0'), TextColumns) << "row " << row;
    EXPECT_EQ(TextScreen.foreground[row][9], 0xABCDEFu);
    EXPECT_EQ(TextScreen.background[row][9], TransparentColor);
  }
  EXPECT_EQ(TextForeColor, 0x111111u);
  EXPECT_EQ(TextCursor.column, 0);
  EXPECT_EQ(TextCursor.row, 0);
}

}  // namespace
