// The classic modes' pages, palettes, tiles and sprites as basic.exe shows
// them on the real window's back buffer: each program's picture, taken
// with --snapshot, against colours worked out here from its statements.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <string>

#include "tests/basic/app/basic_exe.h"
#include "tests/support/bmp_file.h"
#include "tests/support/window_harness.h"

namespace {

constexpr uint32_t Black = 0x000000, EgaBlue = 0xAA0000, EgaGreen = 0x00AA00, EgaRed = 0x0000AA;

// A VGA colour of 6-bit levels, as the picture holds it.
uint32_t Vga(uint32_t red, uint32_t green, uint32_t blue) {
  const auto widen = [](uint32_t level) { return level << 2 | level >> 4; };
  return widen(red) | widen(green) << 8 | widen(blue) << 16;
}

// The program's picture, run to its end with the keys of `keys` waiting.
Picture Snapshot(const char* name, const std::string& source, const std::string& keys = "") {
  const std::string program = WriteProgram(name, source);
  const std::string picture = program + ".bmp";
  std::string arguments = "--exit --snapshot \"" + picture + "\"";
  if (!keys.empty()) arguments += " --input \"" + WriteProgram("screen_pictures_keys.txt", keys) + "\"";
  const BasicExeResult result = RunBasicExe(arguments + " \"" + program + "\"");
  EXPECT_EQ(result.code, 0u) << result.errors;
  Picture taken = ReadBmp(picture, 640, 400);
  DeleteFileA(picture.c_str());
  return taken;
}

// SCREEN 7's pixel (x, y) is the picture's 2 x 2 block at (2x, 2y).
uint32_t Mode7(const Picture& picture, int x, int y) { return picture.At(2 * x, 2 * y); }

// Drawn on a hidden page and then shown: a box filled with a tile, a
// sprite, and after the flip a fill of the page now hidden, and a PALETTE
// change that colours the tile's and the box's colour 1 green.
TEST(ScreenPictures, APageDrawnHiddenShowsWholeInThePalettesColours) {
  const Picture picture = Snapshot("screen_pictures_pages.bas",
      "SCREEN 7, , 1, 0\r\n"
      "LINE (10, 10)-(50, 50), 1, B\r\n"
      "PAINT (30, 30), CHR$(&HF0) + CHR$(0) + CHR$(0) + CHR$(0), 1\r\n"
      "LINE (100, 100)-(103, 103), 4, BF\r\n"
      "DIM S%(20): GET (100, 100)-(103, 103), S%: PUT (200, 150), S%, PSET\r\n"
      "SCREEN 7, , 0, 1\r\n"
      "LINE (0, 0)-(319, 199), 14, BF\r\n"
      "PALETTE 1, 2\r\n");
  ASSERT_EQ(picture.width, 640);
  EXPECT_EQ(Mode7(picture, 10, 30), EgaGreen) << "the box's side, colour 1 made green";
  for (int x = 11; x < 50; ++x) {
    // The tile's plane 0 byte &HF0: its first four pixels colour 1.
    EXPECT_EQ(Mode7(picture, x, 30), x % 8 < 4 ? EgaGreen : Black) << x;
  }
  EXPECT_EQ(Mode7(picture, 201, 151), EgaRed) << "the sprite put where it was put";
  EXPECT_EQ(Mode7(picture, 300, 190), Black) << "the yellow fill went to the hidden page";
  EXPECT_NE(Mode7(picture, 100, 100), EgaBlue);
}

// VIEW with WINDOW maps and clips a figure; LINE's style lights the mask's
// bits from its top one.
TEST(ScreenPictures, ViewsWindowsAndLineStyles) {
  const Picture picture = Snapshot("screen_pictures_view.bas",
      "SCREEN 7: LINE (0, 190)-(15, 190), 14, , &HF0F0\r\n"
      "VIEW (100, 50)-(199, 149): WINDOW (0, 0)-(99, 99)\r\n"
      "PSET (10, 90), 4: PSET (150, 50), 4\r\n");
  ASSERT_EQ(picture.width, 640);
  constexpr uint32_t Yellow = 0x55FFFF;
  for (int x = 0; x < 16; ++x) EXPECT_EQ(Mode7(picture, x, 190), (x / 4) % 2 == 0 ? Yellow : Black) << x;
  EXPECT_EQ(Mode7(picture, 110, 59), EgaRed) << "(10, 90) of WINDOW's y-up units in the view";
  EXPECT_EQ(Mode7(picture, 199, 99), Black) << "(150, 50) lies past the view: clipped";
}

// The rainbow example turns its palette once before the waiting key ends
// it: the rings already drawn show the next colours.
TEST(ScreenPictures, TheRainbowTurnsWhatIsDrawn) {
  const Picture picture = Snapshot("screen_pictures_rainbow.bas", [] {
    const std::string path = ExampleFile("rainbow.bas");
    std::string text;
    if (FILE* file = std::fopen(path.c_str(), "rb")) {
      char buffer[4096];
      for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;) text.append(buffer, n);
      std::fclose(file);
    }
    return text;
  }(), "x");
  ASSERT_EQ(picture.width, 640);
  EXPECT_EQ(Mode7(picture, 160, 100), Vga(63, 1, 0)) << "ring 1 in colour 2";
  EXPECT_EQ(Mode7(picture, 170, 100), Vga(63, 32, 0)) << "ring 21 in colour 22";
  EXPECT_EQ(Mode7(picture, 223, 100), Vga(0, 62, 63)) << "ring 127 in colour 128";
}

}  // namespace
