// Drawing the character layer over the picture in the real window: where a
// row's text ends, double-byte glyphs, transparent cells, the band to the
// right of the text, and scrolling on paint.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "runtime/console/text_layer.h"
#include "runtime/console/window.h"
#include "tests/support/window_harness.h"

namespace {

constexpr uint32_t Black = 0x000000;
constexpr uint32_t Red = 0x0000FF;
constexpr uint32_t Blue = 0xFF0000;
constexpr uint32_t White = 0xFFFFFF;

class TextRenderTest : public testing::Test {
 protected:
  void SetUp() override {
    StartRuntimeOnce();
    SetClientSize(640, 400);
    TextClear();
    FillBackBuffer(ClientRect(), Red);
    // A resize's exposures may come late on a slow machine; they must not
    // land between a test's own repaint and its capture.
    SettleWindow();
  }

  static void PutText(int32_t row, const std::string& bytes, uint32_t fore, uint32_t back) {
    std::memcpy(TextScreen.characters[row], bytes.data(), bytes.size());
    for (size_t j = 0; j < bytes.size(); ++j) {
      TextScreen.foreground[row][j] = fore;
      TextScreen.background[row][j] = back;
    }
  }

  static RECT Band(int32_t row) {
    return RECT{0, row * CellHeight, ClientRect().right, (row + 1) * CellHeight};
  }

  static int TextWidth(const std::string& bytes) {
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ kept = SelectObject(dc, PromptFont.handle);
    SIZE extent{};
    GetTextExtentPoint32A(dc, bytes.data(), static_cast<int>(bytes.size()), &extent);
    SelectObject(dc, kept);
    DeleteDC(dc);
    return extent.cx;
  }

  struct Glyph {
    int column;
    std::string bytes;
  };

  // The band of one row as it must look: the back buffer's red, then each
  // glyph drawn by itself at its cell in the given colours.
  static Picture ExpectedBand(const std::vector<Glyph>& glyphs, uint32_t fore, uint32_t back) {
    return DrawOffscreen(ClientRect().right, CellHeight, Red, [&](HDC dc) {
      HGDIOBJ kept_font = SelectObject(dc, PromptFont.handle);
      SetTextColor(dc, fore);
      SetBkMode(dc, back == TransparentColor ? TRANSPARENT : OPAQUE);
      SetBkColor(dc, back);
      for (const Glyph& glyph : glyphs) {
        TextOutA(dc, glyph.column * CellWidth, 0, glyph.bytes.data(), static_cast<int>(glyph.bytes.size()));
      }
      SelectObject(dc, kept_font);
    });
  }

  static int NotColour(const Picture& picture, uint32_t colour) {
    return picture.width * picture.height - CountColour(picture, RECT{0, 0, picture.width, picture.height}, colour);
  }

  // Draws `row` alone from this thread onto the window, over a blue window.
  static void RenderRowOverBlue(int32_t row) {
    HDC dc = GetDC(PromptWindow);
    HBRUSH blue = CreateSolidBrush(Blue);
    const RECT client = ClientRect();
    FillRect(dc, &client, blue);
    DeleteObject(blue);
    TextRender(dc, row, row);
    ReleaseDC(PromptWindow, dc);
  }
};

TEST_F(TextRenderTest, RowTextEndsAtItsFirstNul) {
  PutText(2, std::string("AB\0CD", 5), White, Black);
  RepaintNow(nullptr);
  const Picture window = CaptureWindow(Band(2));
  EXPECT_GT(NotColour(window, Red), 0);
  EXPECT_EQ(window.pixels, ExpectedBand({{0, "A"}, {1, "B"}}, White, Black).pixels)
      << "A and B, each in its cell, and nothing from the NUL on";
}

TEST_F(TextRenderTest, TheBandRightOfTheTextComesFromTheBackBuffer) {
  PutText(3, "Hi", White, Black);
  RenderRowOverBlue(3);
  const RECT client = ClientRect();
  const Picture window = CaptureWindow(client);
  const int text_end = TextWidth("Hi");
  const RECT right_of_text{text_end, Band(3).top, client.right, Band(3).bottom};
  EXPECT_EQ(CountColour(window, right_of_text, Red), (client.right - text_end) * CellHeight);
  const RECT other_rows{0, Band(4).top, client.right, client.bottom};
  EXPECT_EQ(CountColour(window, other_rows, Red), 0) << "only the asked row is drawn";
}

TEST_F(TextRenderTest, AnEmptyRowGetsItsWholeBandRestored) {
  RenderRowOverBlue(6);
  const RECT band = Band(6);
  const Picture window = CaptureWindow(band);
  EXPECT_EQ(CountColour(window, RECT{0, 0, band.right, CellHeight}, Red), band.right * CellHeight);
}

TEST_F(TextRenderTest, DoubleByteCharacterIsOneGlyphInTheColoursOfItsFirstCell) {
  ASSERT_TRUE(IsDBCSLeadByte(0x82)) << "tests run with code page 932";
  const std::string hiragana_a = "\x82\xA0";
  PutText(4, hiragana_a, White, Black);
  TextScreen.foreground[4][1] = Blue;  // the second cell's colours are not used
  TextScreen.background[4][1] = Red;
  RepaintNow(nullptr);
  const Picture window = CaptureWindow(Band(4));
  EXPECT_GT(NotColour(window, Red), 0);
  EXPECT_EQ(window.pixels, ExpectedBand({{0, hiragana_a}}, White, Black).pixels);
}

TEST_F(TextRenderTest, ALeadByteBeforeTheRowsEndIsDrawnAlone) {
  ASSERT_TRUE(IsDBCSLeadByte(0x82));
  PutText(5, "\x82", White, Black);
  TextScreen.characters[5][2] = 'Z';  // beyond the NUL in column 1: never paired
  RepaintNow(nullptr);
  const Picture window = CaptureWindow(Band(5));
  EXPECT_EQ(window.pixels, ExpectedBand({{0, "\x82"}}, White, Black).pixels);
}

TEST_F(TextRenderTest, TransparentCellsDrawOnlyTheGlyph) {
  PutText(7, "WW", White, TransparentColor);
  PutText(8, "WW", White, Black);
  RepaintNow(nullptr);
  const Picture transparent = CaptureWindow(Band(7));
  const Picture opaque = CaptureWindow(Band(8));
  EXPECT_EQ(transparent.pixels, ExpectedBand({{0, "W"}, {1, "W"}}, White, TransparentColor).pixels);
  EXPECT_EQ(opaque.pixels, ExpectedBand({{0, "W"}, {1, "W"}}, White, Black).pixels);
  EXPECT_NE(transparent.pixels, opaque.pixels);
}

// Every glyph leaves ink in its cells, whatever face stands in for the
// console font: '_' is a line along the bottom of its cell where the face
// draws none, and the cells beside it keep only their own glyphs.
TEST_F(TextRenderTest, AnUnderscoreIsVisibleInItsCell) {
  PutText(9, "A_B", White, Black);
  RepaintNow(nullptr);
  const Picture band = CaptureWindow(Band(9));
  const RECT cell{CellWidth, 0, 2 * CellWidth, CellHeight};
  EXPECT_GT(CountColour(band, cell, White), 0) << "the underscore's cell is all background";
  const RECT above_bottom{CellWidth, 0, 2 * CellWidth, CellHeight / 2};
  EXPECT_EQ(CountColour(band, above_bottom, White), 0) << "an underscore stays in the lower half of its cell";
}

TEST_F(TextRenderTest, PaintScrollsTheCursorRowBackIntoTheClientArea) {
  const int32_t last_whole_row = ClientRect().bottom / CellHeight - 1;
  const int32_t below = last_whole_row + 1;  // its bottom edge lies below the client
  PutText(below, "last", White, Black);
  char* moved_row = TextScreen.characters[below];
  TextCursor = {3, below};
  RepaintNow(nullptr);
  // A paint the window thread had already begun may finish after RepaintNow
  // returns; the scroll is that paint's, so wait (a bounded while) for it.
  for (int tries = 0; tries < 500 && TextCursor.row != last_whole_row; ++tries) Sleep(10);
  EXPECT_EQ(TextCursor.row, last_whole_row);
  EXPECT_EQ(TextCursor.column, 3);
  EXPECT_EQ(TextScreen.characters[last_whole_row], moved_row);
  const Picture window = CaptureWindow(Band(last_whole_row));
  EXPECT_EQ(window.pixels, ExpectedBand({{0, "l"}, {1, "a"}, {2, "s"}, {3, "t"}}, White, Black).pixels)
      << "the scrolled row is drawn in its new place";
}

}  // namespace
