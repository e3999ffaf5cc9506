// SCREEN and its modes, colours and pixels: what a program draws lands in
// the recording runtime's picture as the mode's blocks, and reads back.
#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "basic/screen/screen_modes.h"
#include "runtime/console/text_layer.h"
#include "runtime/graphics/flood_fill.h"
#include "tests/basic/recording_runtime.h"

namespace {

constexpr Colour Red = 0x0000FF, Brown = 0x0055AA, White = 0xFFFFFF, Yellow = 0x00FFFF, LightCyan = 0xFFFF55;

// The whole block that stands for the mode's pixel (x, y) has the colour.
void ExpectBlock(const ScreenMode& mode, int32_t x, int32_t y, Colour colour, const std::string& why) {
  for (int32_t dy = 0; dy < mode.scale_y; ++dy) {
    for (int32_t dx = 0; dx < mode.scale_x; ++dx) {
      EXPECT_EQ(RecordedPixel(x * mode.scale_x + dx, y * mode.scale_y + dy), colour) << why << " at " << x << ", " << y;
    }
  }
}

std::string Mode(const ScreenMode& mode) { return "SCREEN " + std::to_string(mode.number) + "\n"; }

TEST(BasicScreen, EachModeFillsThePictureAtAWholeScale) {
  struct Row {
    int32_t number, width, height, scale_x, scale_y, colours;
  };
  const Row rows[] = {{0, 640, 400, 1, 1, 8},   {1, 320, 200, 2, 2, 4},  {2, 640, 200, 1, 2, 2},
                      {7, 320, 200, 2, 2, 16},  {8, 640, 200, 1, 2, 16}, {9, 640, 350, 1, 1, 16},
                      {10, 640, 350, 1, 1, 4},  {11, 640, 480, 1, 1, 2}, {12, 640, 480, 1, 1, 16},
                      {13, 320, 200, 2, 2, 256}};
  for (const Row& row : rows) {
    const ScreenMode* mode = FindScreenMode(row.number);
    ASSERT_NE(mode, nullptr) << row.number;
    EXPECT_EQ(mode->width, row.width);
    EXPECT_EQ(mode->height, row.height);
    EXPECT_EQ(mode->scale_x, row.scale_x);
    EXPECT_EQ(mode->scale_y, row.scale_y);
    EXPECT_EQ(mode->colours, row.colours);
  }
  for (const int32_t missing : {-1, 3, 4, 5, 6, 14, 256}) EXPECT_EQ(FindScreenMode(missing), nullptr);
}

TEST(BasicScreen, DefaultPalettes) {
  struct Row {
    int32_t mode, n;
    Colour colour;
    const char* why;
  };
  const Row rows[] = {
      {0, 2, Red, "the runtime's own order: 2 is red"},
      {12, 4, 0x0000AA, "the PC's order: 4 is red"},
      {12, 6, Brown, "6 is brown, not dark yellow"},
      {9, 15, White, "15 is white"},
      {1, 1, LightCyan, "mode 1's palette 1"},
      {2, 1, White, "mode 2 is black and white"},
      {11, 1, White, "and so is mode 11"},
      {10, 1, 0xAAAAAA, "mode 10's attribute 1 is on: grey on its monochrome monitor"},
      {10, 2, 0x555555, "2 blinks off to on, shown steady in dark grey"},
      {10, 3, White, "3 is high intensity"},
      {13, 9, 0xFF5555, "mode 13 starts with the 16"},
      {13, 16, 0x000000, "then a grey ramp from black"},
      {13, 31, White, "to white"},
      {13, 32, 0xFF0000, "then the wheels of hues, from blue"},
      {13, 40, Red, "through red"},
      {13, 44, Yellow, "and yellow"},
      {13, 104, 0x710000, "the darker wheels"},
      {13, 248, 0x000000, "the last eight are black"},
  };
  for (const Row& row : rows) EXPECT_EQ(DefaultPaletteColour(*FindScreenMode(row.mode), row.n), row.colour) << row.why;
}

// SCREEN 13's 256 colours as the VGA started: the 16, a grey ramp, then
// nine wheels of 24 hues (three intensities, three saturations each), then
// eight blacks. Each is written here as its 6-bit levels, so that a change
// of one level anywhere fails.
TEST(BasicScreen, ScreenThirteensWholeDefaultPalette) {
  const ScreenMode& mode = *FindScreenMode(13);
  const auto vga = [](uint32_t r, uint32_t g, uint32_t b) {
    const auto widen = [](uint32_t level) { return level << 2 | level >> 4; };
    return static_cast<Colour>(widen(r) | widen(g) << 8 | widen(b) << 16);
  };
  const uint32_t greys[16] = {0, 5, 8, 11, 14, 17, 20, 24, 28, 32, 36, 40, 45, 50, 56, 63};
  for (int32_t n = 0; n < 16; ++n) {
    EXPECT_EQ(DefaultPaletteColour(mode, 16 + n), vga(greys[n], greys[n], greys[n])) << "grey " << 16 + n;
  }
  // Each wheel by its lowest level and its four steps up: from blue
  // through magenta, red, yellow, green and cyan, one primary moving at a
  // time.
  const uint32_t wheels[9][5] = {{0, 16, 31, 47, 63},  {31, 39, 47, 55, 63}, {45, 49, 54, 58, 63},
                                 {0, 7, 14, 21, 28},   {14, 17, 21, 24, 28}, {20, 22, 24, 26, 28},
                                 {0, 4, 8, 12, 16},    {8, 10, 12, 14, 16},  {11, 12, 13, 15, 16}};
  for (int32_t w = 0; w < 9; ++w) {
    const uint32_t* l = wheels[w];
    const uint32_t lo = l[0], hi = l[4];
    const uint32_t hues[24][3] = {
        {lo, lo, hi},   {l[1], lo, hi}, {l[2], lo, hi}, {l[3], lo, hi},  // red rises
        {hi, lo, hi},   {hi, lo, l[3]}, {hi, lo, l[2]}, {hi, lo, l[1]},  // blue falls
        {hi, lo, lo},   {hi, l[1], lo}, {hi, l[2], lo}, {hi, l[3], lo},  // green rises
        {hi, hi, lo},   {l[3], hi, lo}, {l[2], hi, lo}, {l[1], hi, lo},  // red falls
        {lo, hi, lo},   {lo, hi, l[1]}, {lo, hi, l[2]}, {lo, hi, l[3]},  // blue rises
        {lo, hi, hi},   {lo, l[3], hi}, {lo, l[2], hi}, {lo, l[1], hi},  // green falls
    };
    for (int32_t h = 0; h < 24; ++h) {
      const int32_t n = 32 + 24 * w + h;
      EXPECT_EQ(DefaultPaletteColour(mode, n), vga(hues[h][0], hues[h][1], hues[h][2])) << "colour " << n;
    }
  }
  for (int32_t n = 248; n < 256; ++n) EXPECT_EQ(DefaultPaletteColour(mode, n), 0u) << "colour " << n;
}

TEST(BasicScreen, PointReadsBackWhatPsetWroteInEveryMode) {
  for (const int32_t number : {1, 2, 7, 8, 9, 10, 11, 12, 13}) {
    const ScreenMode& mode = *FindScreenMode(number);
    for (int32_t colour = 0; colour < mode.colours; colour += mode.colours > 16 ? 13 : 1) {
      const std::string c = std::to_string(colour);
      // (5, 37) lies below the text's first row, which PRINT draws over.
      const ProgramRun run = RunProgram(Mode(mode) + "PSET (5, 37), " + c + ": PSET (" + std::to_string(mode.width - 1) +
                                        ", 3), " + c + "\nPRINT POINT(5, 37); POINT(-1, 0); POINT(0, " +
                                        std::to_string(mode.height) + ")");
      EXPECT_EQ(run.printed, " " + c + " -1 -1 \r\n") << Mode(mode) << colour;
      ExpectBlock(mode, 5, 37, DefaultPaletteColour(mode, colour), Mode(mode));
      ExpectBlock(mode, mode.width - 1, 3, DefaultPaletteColour(mode, colour), Mode(mode) + "the last column");
    }
  }
}

TEST(BasicScreen, FiguresInTheModesPixels) {
  const ScreenMode& seven = *FindScreenMode(7);
  RunProgram("SCREEN 7: LINE (10, 10)-(20, 15), 6, B: LINE (30, 30)-(32, 31), 4, BF: LINE (0, 199)-(319, 0), 15");
  ExpectBlock(seven, 10, 10, Brown, "a box's corner");
  ExpectBlock(seven, 20, 15, Brown, "the opposite corner");
  ExpectBlock(seven, 15, 12, 0, "a box is hollow");
  ExpectBlock(seven, 32, 31, 0x0000AA, "a filled box includes both corners");
  ExpectBlock(seven, 0, 199, White, "a line's first end");
  ExpectBlock(seven, 319, 0, White, "and its last");

  RunProgram("SCREEN 7: CIRCLE (100, 100), 12, 14");
  ExpectBlock(seven, 112, 100, 0x55FFFF, "the radius lies along x");
  ExpectBlock(seven, 100, 90, 0x55FFFF, "and the mode's aspect, 5/6, shortens y");
  ExpectBlock(seven, 100, 100, 0, "an outline only");
  RunProgram("SCREEN 7: CIRCLE (100, 100), 12, 14, , , 1, F");
  ExpectBlock(seven, 100, 88, 0x55FFFF, "a given aspect");
  ExpectBlock(seven, 100, 100, 0x55FFFF, "F fills");

  const ScreenMode& twelve = *FindScreenMode(12);
  RunProgram("SCREEN 12: CIRCLE (100, 100), 10, 2, 0, 1.5708");
  ExpectBlock(twelve, 110, 100, 0x00AA00, "an arc starts at 3 o'clock");
  ExpectBlock(twelve, 100, 90, 0x00AA00, "and turns counterclockwise to 12");
  ExpectBlock(twelve, 90, 100, 0, "and no further");
  RunProgram("SCREEN 12: CIRCLE (100, 100), 10, 2, -0.0001, -3.14159265 / 2");
  ExpectBlock(twelve, 105, 100, 0x00AA00, "negative angles draw radii");
}

// The outline of an ellipse by the midpoint rule, stated point by point:
// from the top, step x and drop y when the midpoint below lies on or
// outside the ellipse, until the slope passes -1; then step y down and
// x out when the midpoint beside lies on or inside. The midpoint test
// is made exact by doubling every coordinate.
std::set<std::pair<int64_t, int64_t>> MidpointQuadrant(int64_t rx, int64_t ry) {
  const auto outside = [&](int64_t twice_x, int64_t twice_y) {  // F(x, y) >= 0
    return ry * ry * twice_x * twice_x + rx * rx * twice_y * twice_y - 4 * rx * rx * ry * ry;
  };
  std::set<std::pair<int64_t, int64_t>> points;
  int64_t x = 0, y = ry;
  while (ry * ry * x < rx * rx * y) {
    points.insert({x, y});
    ++x;
    if (outside(2 * x, 2 * y - 1) >= 0) --y;
  }
  while (y >= 0) {
    points.insert({x, y});
    --y;
    if (outside(2 * x + 1, 2 * y) <= 0) ++x;
  }
  return points;
}

// CIRCLE's outline against the rule above, mirrored into the four
// quadrants, over every radius up to 40 and aspects that give whole
// radii; every pixel of the surrounding square is compared.
TEST(BasicScreen, CircleOutlinesFollowTheMidpointRule) {
  const ScreenMode& seven = *FindScreenMode(7);
  for (const double aspect : {1.0, 0.75, 0.5, 0.25, 2.0, 4.0}) {
    for (int64_t r = 1; r <= 40; ++r) {
      const int64_t rx = aspect > 1 ? r / static_cast<int64_t>(aspect) : r;
      const int64_t ry = aspect > 1 ? r : static_cast<int64_t>(static_cast<double>(r) * aspect);
      if (static_cast<double>(rx) * aspect != static_cast<double>(ry) || rx == 0 || ry == 0) continue;
      std::set<std::pair<int64_t, int64_t>> lit;
      for (const auto& [x, y] : MidpointQuadrant(rx, ry)) {
        for (const int64_t sx : {x, -x}) {
          for (const int64_t sy : {y, -y}) lit.insert({sx, sy});
        }
      }
      RunProgram("SCREEN 7: CIRCLE (100, 100), " + std::to_string(r) + ", 15, , , " + std::to_string(aspect));
      const std::string why = "r " + std::to_string(r) + ", aspect " + std::to_string(aspect);
      for (int64_t y = -ry - 1; y <= ry + 1; ++y) {
        for (int64_t x = -rx - 1; x <= rx + 1; ++x) {
          ExpectBlock(seven, static_cast<int32_t>(100 + x), static_cast<int32_t>(100 + y),
                      lit.count({x, y}) != 0 ? White : 0, why);
        }
      }
    }
  }
}

// COLOR also colours the text; the colours a figure draws in are tested by
// the programs of tests/basic/programs/screen.
TEST(BasicScreen, ColorSetsTheTextsColours) {
  RunProgram("SCREEN 12: COLOR 14, 1");
  EXPECT_EQ(TextForeColor, 0x55FFFFu);
  EXPECT_EQ(TextBackColor, 0xAA0000u);
}

// In SCREEN 1, COLOR takes the background (any of the 16) and the palette
// (by its parity) for colours 1 to 3; figures drawn later use them.
TEST(BasicScreen, ColorInScreen1ChoosesTheBackgroundAndThePalette) {
  const ScreenMode& mode = *FindScreenMode(1);
  const struct {
    const char* color;
    Colour one, two, three, back;
    const char* why;
  } rows[] = {
      {"COLOR 1, 0", 0x55FF55, 0x5555FF, 0x55FFFF, 0xAA0000, "palette 0: green, red, brown (bright: yellow) on blue"},
      {"COLOR , 3", 0xFFFF55, 0xFF55FF, White, 0x000000, "an odd palette: cyan, magenta, white; black stays"},
      {"COLOR 14", 0xFFFF55, 0xFF55FF, White, 0x55FFFF, "the background alone"},
  };
  for (const auto& row : rows) {
    RunProgram("SCREEN 1: " + std::string(row.color) + ": PSET (1, 1), 1: PSET (2, 1), 2: PSET (3, 1), 3\nPRESET (4, 1)");
    ExpectBlock(mode, 1, 1, row.one, row.why);
    ExpectBlock(mode, 2, 1, row.two, row.why);
    ExpectBlock(mode, 3, 1, row.three, row.why);
    ExpectBlock(mode, 4, 1, row.back, row.why);
  }
  EXPECT_EQ(RunProgram("SCREEN 1: COLOR 16").message, "test.bas:1: Illegal function call (error 5): COLOR: background 16 is not one of SCREEN 1's (0 to 15)");
  EXPECT_EQ(RunProgram("SCREEN 1: COLOR , 256").message, "test.bas:1: Illegal function call (error 5): COLOR: palette 256 is not 0 to 255 (even or odd)");
}

// GET and PUT move a whole image with at most one write of the picture,
// whatever its size (a pixel at a time cost a runtime call per pixel), and
// the blocks land where the mode's pixels are, at the mode's scale.
TEST(BasicScreen, GetAndPutMoveAnImageInOneBlockEachWay) {
  const ProgramRun run = RunProgram(
      "SCREEN 13: DIM S%(514): LINE (0, 0)-(31, 31), 40, BF: PSET (3, 4), 9\n"
      "GET (0, 0)-(31, 31), S%: PUT (100, 150), S%, PSET: PUT (200, 150), S%\n");
  ASSERT_EQ(run.outcome, BasicOutcome::Ended) << run.message;
  EXPECT_EQ(TheRecording.block_reads, 0) << "GET and XOR read the page, never the picture";
  EXPECT_LE(TheRecording.block_writes, 2) << "at most one write per PUT";
  const ScreenMode& mode = *FindScreenMode(13);
  ExpectBlock(mode, 103, 154, DefaultPaletteColour(mode, 9), "the image's own pixel, put with PSET");
  ExpectBlock(mode, 131, 181, DefaultPaletteColour(mode, 40), "its last pixel");
  ExpectBlock(mode, 132, 150, 0, "nothing past its right edge");
  ExpectBlock(mode, 200, 150, DefaultPaletteColour(mode, 40), "XOR over black is the image");
}

TEST(BasicScreen, PaintFillsUpToTheBorder) {
  const ScreenMode& thirteen = *FindScreenMode(13);
  const std::string box = "SCREEN 13: LINE (10, 10)-(30, 30), 4, B: PAINT (20, 20), 9, 4";
  RunProgram(box);
  ExpectBlock(thirteen, 11, 11, 0xFF5555, "inside the border");
  ExpectBlock(thirteen, 29, 29, 0xFF5555, "up to it everywhere");
  ExpectBlock(thirteen, 10, 10, 0x0000AA, "the border stays");
  ExpectBlock(thirteen, 9, 9, 0, "and holds the paint in");
  RunProgram(box + ": PAINT (0, 0), 2");
  ExpectBlock(thirteen, 319, 199, 0x00AA00, "without a border, PAINT stops at its own colour only");
  ExpectBlock(thirteen, 11, 11, 0x00AA00, "and crosses every other");
  const ProgramRun outside = RunProgram("SCREEN 13: PAINT (-5, 400), 3: PRINT POINT(0, 0)");
  EXPECT_EQ(outside.printed, " 0 \r\n") << "a point outside paints nothing";
}

// A maze of one-pixel corridors that turns at every row or column: the
// worst case for a scanline fill, which must reach every corridor pixel.
TEST(BasicScreen, FloodFillReachesTheEndOfAOnePixelMaze) {
  for (const bool vertical : {false, true}) {
    const int32_t width = 640, height = 400;
    std::vector<uint32_t> pixels(static_cast<std::size_t>(width * height), 0);
    const auto at = [&](int32_t x, int32_t y) -> uint32_t& {
      return pixels[static_cast<std::size_t>(y * width + x)];
    };
    // Walls on odd rows (columns when vertical), each open at one end,
    // alternately left and right.
    const int32_t lines = vertical ? width : height, length = vertical ? height : width;
    for (int32_t wall = 1; wall < lines; wall += 2) {
      const int32_t gap = (wall / 2) % 2 == 0 ? length - 1 : 0;
      for (int32_t i = 0; i < length; ++i) {
        if (i != gap) (vertical ? at(wall, i) : at(i, wall)) = 0xFFFFFF;
      }
    }
    const FillBounds changed = FloodFill({pixels.data(), width, height}, 0, 0, 0x0000FF, 0xFFFFFF);
    EXPECT_EQ(changed.right - changed.left, width);
    EXPECT_EQ(changed.bottom - changed.top, height);
    for (int32_t corridor = 0; corridor < lines; corridor += 2) {
      const uint32_t far_end = vertical ? at(corridor, length - 1) : at(length - 1, corridor);
      EXPECT_EQ(far_end, 0x0000FFu) << (vertical ? "column " : "row ") << corridor;
    }
  }
}

TEST(BasicScreen, FloodFillOfAWholeArea) {
  std::vector<uint32_t> pixels(640 * 480, 0x123456);
  pixels[5] = 0xFF123456;  // only the low 24 bits count
  const FillBounds all = FloodFill({pixels.data(), 640, 480}, 639, 479, 7, 0);
  EXPECT_EQ(all.left, 0);
  EXPECT_EQ(all.bottom, 480);
  EXPECT_EQ(pixels[5], 7u);
  const FillBounds again = FloodFill({pixels.data(), 640, 480}, 3, 3, 7, 7);
  EXPECT_EQ(again.left, again.right) << "starting on the border paints nothing";
  const FillBounds outside = FloodFill({pixels.data(), 640, 480}, 640, 0, 1, 2);
  EXPECT_EQ(outside.left, outside.right);
}

TEST(BasicScreen, FarFiguresCostNothingAndDrawNothingWrong) {
  const ProgramRun run = RunProgram(
      "SCREEN 12: LINE (-1E9, -1E9)-(1E9, 1E9), 2: CIRCLE (1E12, 0), 1E12, 3: PSET (1E300, -1E300), 4\n"
      "CIRCLE (320, 240), 100000, 5: LINE (0, 0)-(1E10, 0), 6\nPRINT POINT(5, 5); POINT(100, 0)");
  EXPECT_EQ(run.message, "");
  EXPECT_EQ(run.printed, " 2  6 \r\n");
  EXPECT_LT(TheRecording.fills, 3000) << "a clipped line is its visible part only";
}

TEST(BasicScreen, ThePictureIsShownBeforeTheProgramWaits) {
  struct Row {
    const char* source;
    int shows;
    const char* why;
  };
  const Row rows[] = {
      {"X = 1", 2, "a run's end shows what it drew (as its last text is written, and again as it ends)"},
      {"SCREEN 12: PSET (1, 1): SLEEP .001", 3, "SLEEP shows it first"},
      {"PSET (1, 1): PRINT 1: PRINT 2", 4, "and so does each PRINT"},
  };
  for (const Row& row : rows) {
    RunProgram(row.source);
    EXPECT_EQ(TheRecording.shows, row.shows) << row.why;
  }
}

}  // namespace
