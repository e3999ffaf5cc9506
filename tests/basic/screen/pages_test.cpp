// Pages, palettes and tiles: what the window shows is the visible page in
// the palette's present colours, whatever was drawn and when. Each
// expected picture is worked out here from the program's own numbers.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "basic/screen/screen_modes.h"
#include "tests/basic/recording_runtime.h"

namespace {

// The colour of the mode's pixel (x, y) in the picture: its block's first
// pixel, after checking that the whole block agrees.
Colour Shown(const ScreenMode& mode, int32_t x, int32_t y) {
  const Colour first = RecordedPixel(x * mode.scale_x, y * mode.scale_y);
  for (int32_t dy = 0; dy < mode.scale_y; ++dy) {
    for (int32_t dx = 0; dx < mode.scale_x; ++dx) {
      EXPECT_EQ(RecordedPixel(x * mode.scale_x + dx, y * mode.scale_y + dy), first) << x << ", " << y;
    }
  }
  return first;
}

Colour Default(int32_t mode, int32_t number) { return DefaultPaletteColour(*FindScreenMode(mode), number); }

// A VGA colour of PALETTE's 6-bit levels, as the picture holds it.
Colour Vga(uint32_t red, uint32_t green, uint32_t blue) {
  const auto widen = [](uint32_t level) { return level << 2 | level >> 4; };
  return widen(red) | widen(green) << 8 | widen(blue) << 16;
}

TEST(ScreenPages, OnlyTheVisiblePageIsShown) {
  struct Row {
    const char* source;
    int32_t mode, x, y, shown_number;
    const char* why;
  };
  const Row rows[] = {
      {"SCREEN 7, , 1, 0: LINE (10, 100)-(20, 110), 4, BF", 7, 15, 105, 0, "drawn on a hidden page: not shown"},
      {"SCREEN 7, , 1, 0: LINE (10, 100)-(20, 110), 4, BF: SCREEN 7, , 1, 1", 7, 15, 105, 4, "shown when its page is"},
      {"SCREEN 7, , 1, 1: LINE (10, 100)-(20, 110), 4, BF: SCREEN 7, , 0, 0", 7, 15, 105, 0, "page 0 shows again"},
      {"SCREEN 9, , 0, 1: CIRCLE (100, 200), 30, 14: SCREEN , , 1, 0", 9, 130, 200, 14, "a flip: the page drawn is shown"},
      {"SCREEN 9, , 0, 1: CIRCLE (100, 200), 30, 14: SCREEN , , 1, 0: CLS", 9, 130, 200, 14,
       "CLS clears the active page, not the one shown"},
      {"SCREEN 8, , 2, 0: PSET (600, 150), 9: PCOPY 2, 0", 8, 600, 150, 9, "PCOPY onto the visible page shows it"},
      {"SCREEN 8, , 2, 0: PSET (600, 150), 9: PCOPY 2, 3", 8, 600, 150, 0, "PCOPY onto a hidden one does not"},
      {"SCREEN 7, , 1, 0: PRINT \"HIDDEN\"", 7, 1, 1, 0, "text lands on the active page too"},
      {"SCREEN 7, , 1, 0: PRINT CHR$(219): SCREEN , , 1, 1", 7, 1, 1, 15, "and shows with it"},
  };
  for (const Row& row : rows) {
    const ProgramRun run = RunProgram(row.source);
    ASSERT_EQ(run.message, "") << row.source;
    EXPECT_EQ(Shown(*FindScreenMode(row.mode), row.x, row.y), Default(row.mode, row.shown_number))
        << row.why << "\n" << row.source;
  }
}

// A flip is one write of the whole picture, never a pixel at a time, so
// that the window never shows half of it.
TEST(ScreenPages, AFlipIsOneWriteOfThePicture) {
  RunProgram("SCREEN 7, , 1, 0: FOR I = 0 TO 199: LINE (0, I)-(319, I), I MOD 16: NEXT");
  EXPECT_EQ(TheRecording.fills, 0);
  const int hidden_writes = TheRecording.block_writes;
  EXPECT_LE(hidden_writes, 1) << "the new mode's blank page at most; nothing drawn on the hidden page";
  RunProgram("SCREEN 7, , 1, 0: FOR I = 0 TO 199: LINE (0, I)-(319, I), I MOD 16: NEXT: SCREEN , , 0, 1");
  EXPECT_EQ(TheRecording.block_writes, hidden_writes + 1);
  const ScreenMode& mode = *FindScreenMode(7);
  for (const int32_t y : {0, 1, 77, 199}) EXPECT_EQ(Shown(mode, 160, y), Default(7, y % 16)) << y;
}

// PALETTE, COLOR's palette in SCREEN 1 and the DAC's port all colour again
// what is already drawn, by its number: two numbers of one colour part
// again when one of them changes, as they do in every palette rotation.
TEST(ScreenPages, APaletteChangeColoursWhatIsDrawn) {
  struct Row {
    const char* source;
    int32_t mode, x, y;
    Colour colour;
    const char* why;
  };
  const Row rows[] = {
      {"SCREEN 13: PSET (5, 150), 1: PALETTE 1, 63", 13, 5, 150, Vga(63, 0, 0), "drawn, then made red"},
      {"SCREEN 13: PALETTE 1, 63: PALETTE 2, 63: PSET (5, 150), 1: PSET (6, 150), 2: PALETTE 2, 63 * 256", 13, 5, 150,
       Vga(63, 0, 0), "1 stays red"},
      {"SCREEN 13: PALETTE 1, 63: PALETTE 2, 63: PSET (5, 150), 1: PSET (6, 150), 2: PALETTE 2, 63 * 256", 13, 6, 150,
       Vga(0, 63, 0), "2, red like 1 when drawn, turns green alone"},
      {"SCREEN 13: PSET (5, 150), 200: OUT &H3C8, 200: OUT &H3C9, 0: OUT &H3C9, 0: OUT &H3C9, 42", 13, 5, 150,
       Vga(0, 0, 42), "the DAC's port: blue"},
      {"SCREEN 12: LINE (0, 300)-(9, 309), 3, BF: PALETTE 3, 21: PALETTE", 12, 5, 305, Default(12, 3),
       "PALETTE alone brings the mode's own back"},
      {"SCREEN 1: PSET (5, 150), 1: COLOR , 0", 1, 5, 150, Default(12, 10), "SCREEN 1's palette 0: green"},
      {"SCREEN 1: PSET (5, 150), 0: COLOR 4", 1, 5, 150, Default(12, 4), "and its background, under what was drawn"},
  };
  for (const Row& row : rows) {
    const ProgramRun run = RunProgram(row.source);
    ASSERT_EQ(run.message, "") << row.source;
    EXPECT_EQ(Shown(*FindScreenMode(row.mode), row.x, row.y), row.colour) << row.why << "\n" << row.source;
  }
}

// PAINT with a tile: each pixel of the area takes the tile's number at
// (x MOD width, y MOD rows), the tile decoded from the string's bits here.
TEST(ScreenPages, TilePaintFollowsTheModesLayout) {
  struct Row {
    const char* source;
    int32_t mode;
    const char* tile;  // the tile string's bytes
    int32_t tile_bytes, planes, bits;
    const char* why;
  };
  const Row rows[] = {
      {"SCREEN 2: T$ = CHR$(&HAA) + CHR$(&H55)", 2, "\xAA\x55", 2, 1, 1, "two colours: 8 pixels a byte"},
      {"SCREEN 1: T$ = CHR$(&H1B) + CHR$(&HE4) + CHR$(&H3C)", 1, "\x1B\xE4\x3C", 3, 1, 2, "SCREEN 1: 4 pixels of 2 bits"},
      {"SCREEN 7: T$ = CHR$(&HF0) + CHR$(&H0F) + CHR$(&H81) + CHR$(&H18)", 7, "\xF0\x0F\x81\x18", 4, 4, 1,
       "planar: a byte per plane, one row"},
      {"SCREEN 12: T$ = CHR$(1) + CHR$(2) + CHR$(4) + CHR$(8) + CHR$(&H80)", 12, "\x01\x02\x04\x08\x80", 5, 4, 1,
       "a second row whose planes 1 to 3 the string leaves out"},
      {"SCREEN 13: T$ = CHR$(40) + CHR$(9) + CHR$(200)", 13, "\x28\x09\xC8", 3, 1, 8, "SCREEN 13: a pixel a byte"},
  };
  for (const Row& row : rows) {
    const std::string source = std::string(row.source) + ": LINE (20, 20)-(60, 60), 1, B: PAINT (40, 40), T$, 1";
    const ProgramRun run = RunProgram(source);
    ASSERT_EQ(run.message, "") << source;
    const int32_t width = 8 / row.bits, rows_in_tile = (row.tile_bytes + row.planes - 1) / row.planes;
    const ScreenMode& mode = *FindScreenMode(row.mode);
    for (int32_t y = 21; y < 60; ++y) {
      for (int32_t x = 21; x < 60; ++x) {
        const int32_t tile_row = y % rows_in_tile, pixel = x % width;
        int32_t number = 0;
        for (int32_t plane = 0; plane < row.planes; ++plane) {
          const int32_t at = tile_row * row.planes + plane;
          const auto byte = at < row.tile_bytes ? static_cast<uint8_t>(row.tile[at]) : 0;
          number |= (byte >> (8 - row.bits * (pixel + 1)) & ((1 << row.bits) - 1)) << plane;
        }
        ASSERT_EQ(Shown(mode, x, y), DefaultPaletteColour(mode, number)) << row.why << " at " << x << ", " << y;
      }
    }
    EXPECT_EQ(Shown(mode, 20, 40), DefaultPaletteColour(mode, 1)) << row.why << ": the border stays";
    EXPECT_EQ(Shown(mode, 70, 40), 0u) << row.why << ": outside is untouched";
  }
}

TEST(ScreenPages, TileErrors) {
  EXPECT_EQ(RunProgram("SCREEN 13: PAINT (5, 5), \"\"").message,
            "test.bas:1: Illegal function call (error 5): PAINT's tile is 1 to 64 bytes");
  EXPECT_EQ(RunProgram("SCREEN 13: PAINT (5, 5), STRING$(65, 1)").message,
            "test.bas:1: Illegal function call (error 5): PAINT's tile is 1 to 64 bytes");
  EXPECT_EQ(RunProgram("SCREEN 13: PAINT (5, 5), STRING$(64, 1), 2, CHR$(0)").message, "");
}

// The PC's text screen has pages of cells: PRINT writes on the active one,
// the window shows the visible one, SCREEN() and &HB800 read each.
TEST(ScreenPages, TextPages) {
  constexpr Colour Grey = 0xAAAAAA, Black = 0;
  EXPECT_EQ(RunProgram("SCREEN 0, , 1, 0: PRINT CHR$(219)").message, "");
  EXPECT_EQ(RecordedPixel(3, 3), Black) << "written on hidden page 1";
  EXPECT_EQ(RunProgram("SCREEN 0, , 1, 0: PRINT CHR$(219): SCREEN 0, , 1, 1").message, "");
  EXPECT_EQ(RecordedPixel(3, 3), Grey) << "shown with it";
  const ProgramCase cases[] = {
      {"SCREEN 0: PRINT \"A\": SCREEN 0, , 1, 1: PRINT \"B\": SCREEN 0, , 0, 0: PRINT CHR$(SCREEN(1, 1))", "A\r\nB\r\nA\r\n",
       "each page keeps its cells and its own cursor"},
      {"SCREEN 0, , 2, 0: PRINT \"Q\";: DEF SEG = &HB800: PRINT CHR$(PEEK(2 * 4096))", "QQ\r\n",
       "page 2 lies 8 KB into the text memory"},
      {"SCREEN 0, , 1, 0: PRINT \"R\";: PCOPY 1, 3: SCREEN , , 3: PRINT CHR$(SCREEN(1, 1))", "RR\r\n", "PCOPY copies cells"},
      {"WIDTH 80, 50: SCREEN , , 3: PRINT \"S\";: DEF SEG = &HB800: PRINT CHR$(PEEK(3 * 8192))", "SS\r\n",
       "50 rows: pages of 8 KB"},
  };
  ExpectEachPrints(cases);
  EXPECT_EQ(RunProgram("WIDTH 80, 50: SCREEN , , 4").message,
            "test.bas:1: Illegal function call (error 5): SCREEN: SCREEN 0 has pages 0 to 3");
  EXPECT_EQ(RunProgram("SCREEN 12, , 1").message,
            "test.bas:1: Illegal function call (error 5): SCREEN: SCREEN 12 has only page 0");
  EXPECT_EQ(RunProgram("SCREEN , , 1").message,
            "test.bas:1: Illegal function call (error 5): SCREEN's pages need a screen mode: SCREEN 0 to 13 first");
  EXPECT_EQ(RunProgram("SCREEN 7: PCOPY 0, 8").message,
            "test.bas:1: Illegal function call (error 5): PCOPY: 0 and 8 are not both pages of SCREEN 7");
}

}  // namespace
