// The PC's text screen: the glyphs bit for bit, the grid of cells as the
// PC's memory held them, and the cells drawn into the picture.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "basic/screen/cp437_glyphs.h"
#include "basic/screen/text_screen.h"
#include "runtime/console/key_buffer.h"
#include "tests/basic/recording_runtime.h"

namespace {

// A glyph as rows of '#' and '.', the rows joined by '/'.
std::string Drawn(const uint8_t* rows, int32_t height) {
  std::string text;
  for (int32_t y = 0; y < height; ++y) {
    if (y > 0) text += '/';
    for (int32_t x = 0; x < 8; ++x) text += (rows[y] & (0x80 >> x)) ? '#' : '.';
  }
  return text;
}

std::string Repeat(const std::string& row, int32_t times) {
  std::string text;
  for (int32_t i = 0; i < times; ++i) text += (i > 0 ? "/" : "") + row;
  return text;
}

TEST(TextScreen, GlyphsOfTheBoxesAndBlocks) {
  const std::string full = "########", none = "........", vertical = "...##...";
  struct Row {
    int32_t height;
    uint8_t code;
    std::string rows;
    const char* why;
  };
  const Row rows[] = {
      {16, 219, Repeat(full, 16), "the full block fills its cell: walls join without gaps"},
      {8, 219, Repeat(full, 8), "also in 8 rows"},
      {14, 219, Repeat(full, 14), "and in 14"},
      {16, 220, Repeat(none, 8) + "/" + Repeat(full, 8), "the lower half block is exactly the lower half"},
      {8, 220, Repeat(none, 4) + "/" + Repeat(full, 4), "in 8 rows too"},
      {14, 223, Repeat(full, 7) + "/" + Repeat(none, 7), "the upper half, in 14 rows"},
      {16, 223, Repeat(full, 8) + "/" + Repeat(none, 8), "the upper half block"},
      {16, 179, Repeat(vertical, 16), "the vertical line runs through the whole cell"},
      {16, 196, Repeat(none, 7) + "/" + full + "/" + Repeat(none, 8), "the horizontal line on row 7"},
      {16, 218, Repeat(none, 7) + "/...#####/" + Repeat(vertical, 8), "a corner joins both lines"},
      {8, 196, Repeat(none, 4) + "/" + full + "/" + Repeat(none, 3), "the 8-row line on row 4"},
      {16, 'A', "......../......../...#..../..###.../.##.##../##...##./##...##./#######./##...##./##...##./##...##./##...##./......../......../......../........", "a letter, as the VGA drew it"},
      {8, 'A', "..###.../.##.##../##...##./#######./##...##./##...##./##...##./........", "and in 8 rows"},
      {16, 0, Repeat(none, 16), "code 0 is blank"},
      {16, ' ', Repeat(none, 16), "and so is the space"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(Drawn(Cp437Glyph(row.height, row.code), row.height), row.rows) << row.why << " (" << int{row.code} << ")";
  }
}

TEST(TextScreen, EveryPrintableCodeHasInk) {
  for (const int32_t height : {8, 14, 16}) {
    for (int32_t code = 1; code < 256; ++code) {
      if (code == ' ' || code == 255) continue;  // the two blanks
      const uint8_t* rows = Cp437Glyph(height, static_cast<uint8_t>(code));
      int32_t ink = 0;
      for (int32_t y = 0; y < height; ++y) ink |= rows[y];
      EXPECT_NE(ink, 0) << "code " << code << " in " << height << " rows has no glyph";
    }
  }
}

// The cells' characters as text, one row a line, from the top.
std::string Rows(const TextGrid& grid, int32_t first, int32_t last) {
  std::string text;
  for (int32_t row = first; row <= last; ++row) {
    for (int32_t column = 0; column < grid.columns; ++column) text += static_cast<char>(TextGridCharacter(grid, row, column));
    text += '|';
  }
  return text;
}

TEST(TextScreen, WritingMovesTheCursorWrapsAndScrolls) {
  struct Row {
    std::string text;
    std::string rows;  // the 4 x 3 grid afterwards
    int32_t row, column;
    const char* why;
  };
  const Row rows[] = {
      {"ab", "ab  |    |    |", 0, 2, "characters go left to right"},
      {"ab\r\ncd", "ab  |cd  |    |", 1, 2, "CR LF starts the next row once"},
      {"a\rb\nc", "a   |b   |c   |", 2, 1, "a lone CR or LF does too"},
      {"abcd", "abcd|    |    |", 0, 3, "the last column is written and the cursor waits on it"},
      {"abcde", "abcd|e   |    |", 1, 1, "the next character wraps"},
      {"abcd\r\nx", "abcd|x   |    |", 1, 1, "a line end after a full row makes no empty row"},
      {"1\r\n2\r\n3\r\n4", "2   |3   |4   |", 2, 1, "past the bottom the grid scrolls"},
      {"a\tb", "a   |b   |    |", 1, 1, "a tab fills to the next multiple of 8, here past the row"},
      {std::string("\x07" "a\xDB", 3), "a\xDB  |    |    |", 0, 2, "BEL is silent; 219 is a character like any"},
  };
  for (const Row& row : rows) {
    TextGrid grid;
    TextGridStart(&grid, 4, 3);
    TextGridWrite(&grid, row.text);
    EXPECT_EQ(Rows(grid, 0, 2), row.rows) << row.why;
    EXPECT_EQ(grid.row, row.row) << row.why;
    EXPECT_EQ(grid.column, row.column) << row.why;
  }
}

TEST(TextScreen, ViewPrintScrollsItsRowsOnly) {
  TextGrid grid;
  TextGridStart(&grid, 3, 5);
  TextGridWrite(&grid, "top\r\nsec\r\nthi\r\nfou\r\nbot");
  ASSERT_TRUE(TextGridView(&grid, 1, 3));
  EXPECT_EQ(grid.row, 1) << "the cursor goes to the window's first row";
  TextGridLocate(&grid, 3, 0);
  TextGridWrite(&grid, "x\r\ny");
  EXPECT_EQ(Rows(grid, 0, 4), "top|thi|xou|y  |bot|") << "rows outside the window stay";
  EXPECT_FALSE(TextGridView(&grid, 3, 1)) << "the first row below the last";
  EXPECT_FALSE(TextGridView(&grid, 0, 5)) << "a row past the grid";
  EXPECT_EQ(grid.top, 1);
  EXPECT_EQ(grid.bottom, 3);
}

TEST(TextScreen, AttributesAsThePcKeptThem) {
  struct Row {
    int32_t foreground, background;
    uint8_t attribute;
    const char* why;
  };
  const Row rows[] = {
      {14, 1, 0x1E, "yellow on blue"},
      {7, 0, 0x07, "the default"},
      {31, 4, 0xCF, "16 and up blink: bit 7"},
      {16, 0, 0x80, "black blinking"},
      {15, 9, 0x1F, "a background past 7 is 0-7 again"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(int{TextAttribute(row.foreground, row.background)}, int{row.attribute}) << row.why;
  }
  TextGrid grid;
  TextGridStart(&grid, 80, 25);
  grid.attribute = 0x1E;
  TextGridLocate(&grid, 2, 5);
  TextGridWrite(&grid, "Hi");
  EXPECT_EQ(int{TextScreenReadByte(grid, (2 * 80 + 5) * 2)}, 'H') << "the character first";
  EXPECT_EQ(int{TextScreenReadByte(grid, (2 * 80 + 5) * 2 + 1)}, 0x1E) << "then its attribute";
  EXPECT_EQ(int{TextScreenReadByte(grid, (2 * 80 + 6) * 2)}, 'i');
  EXPECT_EQ(int{TextScreenReadByte(grid, 4000)}, 0) << "past the grid reads 0";
  EXPECT_EQ(int{TextScreenReadByte(grid, -1)}, 0);
  TextScreenWriteByte(&grid, (24 * 80 + 79) * 2, 'Z');
  TextScreenWriteByte(&grid, (24 * 80 + 79) * 2 + 1, 0x4F);
  TextScreenWriteByte(&grid, 4000, 'Q');  // dropped
  EXPECT_EQ(int{TextGridCharacter(grid, 24, 79)}, 'Z');
  EXPECT_EQ(int{TextGridAttribute(grid, 24, 79)}, 0x4F);
  EXPECT_EQ(grid.bytes.size(), 4000u);
}

// Whatever the grid is handed, nothing lands outside it and the cursor
// stays on a cell.
TEST(TextScreen, BadPlacesAreHeldToTheGrid) {
  struct Row {
    int32_t columns, rows, locate_row, locate_column;
    int32_t want_columns, want_rows, want_row, want_column;
    const char* why;
  };
  const Row rows[] = {
      {0, 0, 5, 5, 1, 1, 0, 0, "a grid of nothing is one cell"},
      {1000, -3, 2, 999, 255, 1, 0, 254, "sizes are held to 1..255"},
      {80, 25, -7, -7, 80, 25, 0, 0, "a place before the first cell is the first"},
      {80, 25, 30, 90, 80, 25, 24, 79, "one past the last is the last"},
      {40, 50, 2147483647, -2147483647 - 1, 40, 50, 49, 0, "the farthest ints too"},
  };
  for (const Row& row : rows) {
    TextGrid grid;
    TextGridStart(&grid, row.columns, row.rows);
    TextGridLocate(&grid, row.locate_row, row.locate_column);
    EXPECT_EQ(grid.columns, row.want_columns) << row.why;
    EXPECT_EQ(grid.rows, row.want_rows) << row.why;
    EXPECT_EQ(grid.row, row.want_row) << row.why;
    EXPECT_EQ(grid.column, row.want_column) << row.why;
    TextGridWrite(&grid, std::string(3000, '\xDB') + "\r\n\t\t\t");
    EXPECT_EQ(grid.bytes.size(), static_cast<std::size_t>(grid.columns * grid.rows * 2)) << row.why;
    EXPECT_LT(grid.row, grid.rows) << row.why;
    EXPECT_LT(grid.column, grid.columns) << row.why;
    EXPECT_EQ(int{TextGridCharacter(grid, -1, 0)}, 0) << "outside reads 0: " << row.why;
    EXPECT_EQ(int{TextGridAttribute(grid, 0, grid.columns)}, 0) << "outside reads 0: " << row.why;
  }
}

// One cell drawn: the glyph's pixels in the foreground, the rest in the
// background, at the cell's place in the picture.
TEST(TextScreen, CellsLandInThePicture) {
  constexpr Colour Yellow = 0x55FFFF, Blue = 0xAA0000, Red = 0x0000AA, Grey = 0xAAAAAA, Black = 0;
  struct Row {
    const char* source;
    int32_t x, y;
    Colour colour;
    const char* why;
  };
  const Row rows[] = {
      {"SCREEN 0: COLOR 14, 1: PRINT \"A\"", 3, 2, Yellow, "A's top pixel (row 2, column 3) in yellow"},
      {"SCREEN 0: COLOR 14, 1: PRINT \"A\"", 0, 0, Blue, "around it the background blue"},
      {"SCREEN 0: COLOR 14, 1: PRINT \"A\"", 7, 15, Blue, "down to the cell's last pixel"},
      {"SCREEN 0: COLOR 14, 1: PRINT \"A\"", 8, 0, Black, "the next cell is the screen's black"},
      {"SCREEN 0: LOCATE 25, 80: COLOR 4: PRINT CHR$(219);", 639, 399, Red, "the last cell ends at the picture's corner"},
      {"SCREEN 0: WIDTH 40: LOCATE 1, 2: COLOR 4: PRINT CHR$(219);", 16, 0, Red, "40 columns are twice as wide"},
      {"SCREEN 0: WIDTH 40: LOCATE 1, 2: COLOR 4: PRINT CHR$(219);", 15, 0, Black, "so the cell before ends at 15"},
      {"WIDTH 80, 50: LOCATE 2, 1: COLOR 4: PRINT CHR$(219);", 0, 8, Red, "50 rows are 8 pixels high"},
      {"WIDTH 80, 50: LOCATE 2, 1: COLOR 4: PRINT CHR$(219);", 0, 7, Black, "so row 1 ends at 7"},
      {"SCREEN 13: COLOR 4: PRINT CHR$(220);", 0, 8, Red, "SCREEN 13's cells are 8 x 8, each pixel 2 x 2"},
      {"SCREEN 13: COLOR 4: PRINT CHR$(220);", 15, 15, Red, "the lower half to the cell's corner"},
      {"SCREEN 13: COLOR 4: PRINT CHR$(220);", 0, 7, Black, "the upper half is colour 0"},
      {"SCREEN 13: PSET (1, 1), 9: PRINT \" \";", 2, 2, Black, "PRINT draws colour 0 over what was there"},
      {"SCREEN 12: LOCATE 2, 1: COLOR 4: PRINT CHR$(219);", 0, 16, Red, "SCREEN 12's cells are 8 x 16"},
      {"SCREEN 9: LOCATE 2, 1: COLOR 4: PRINT CHR$(219);", 0, 14, Red, "SCREEN 9's 8 x 14"},
      {"SCREEN 0: LOCATE 1, 1, 1", 0, 15, Grey, "a shown cursor is the cell's last two lines"},
      {"SCREEN 0: LOCATE 1, 1, 1", 0, 13, Black, "only those"},
      {"SCREEN 0: LOCATE 1, 1, 1, 0, 15: LOCATE 2, 1", 3, 5, Black, "the cell it left is drawn again"},
      {"SCREEN 0: LOCATE 1, 1, 1, 0, 15: LOCATE 2, 1", 3, 21, Grey, "a block cursor where it went"},
      {"SCREEN 0: LOCATE 1, 1, 1, 12, 1", 3, 0, Grey, "start below stop wraps round the top"},
      {"SCREEN 0: LOCATE 1, 1, 1, 12, 1", 3, 5, Black, "leaving the middle"},
  };
  for (const Row& row : rows) {
    const ProgramRun run = RunProgram(row.source);
    EXPECT_EQ(run.message, "") << row.source;
    EXPECT_EQ(RecordedPixel(row.x, row.y), row.colour) << row.why << "\n" << row.source;
  }
}

// A line typed into the grid shows there as it is typed: Backspace takes
// the last character back off the screen too, keys that type nothing
// are skipped.
TEST(TextScreen, TypedLineShowsInTheGrid) {
  StartRecording();
  for (const int key : {int{'a'}, int{'b'}, int{'x'}, 8, int{'c'}, 0, 75, 13}) KeyBufferPutChar(static_cast<uint8_t>(key));
  std::vector<BasicDiagnostic> errors;
  BasicProgramPtr program =
      BasicCompile("SCREEN 0: LINE INPUT \"? \"; A$: PRINT A$; SCREEN(1, 5); SCREEN(1, 6)", "t.bas", &errors);
  ASSERT_TRUE(program);
  BasicRunOptions options;
  options.transcript = &TheRecording.printed;
  const BasicRunResult result = BasicRun(program.get(), options);
  EXPECT_EQ(result.message, "");
  EXPECT_EQ(TheRecording.printed, "? abc\r\nabc 99  32 \r\n") << "the x was erased, the arrow key typed nothing";
}

}  // namespace
