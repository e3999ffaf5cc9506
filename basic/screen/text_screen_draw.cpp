#include "basic/screen/text_screen_draw.h"

#include <algorithm>

#include "basic/screen/cp437_glyphs.h"
#include "basic/screen/screen_draw.h"
#include "runtime/graphics/pixels.h"

namespace {

constexpr int32_t GlyphWidth = 8;

// A block of a glyph's pixels in a colour number: on the active page in a
// graphics mode, else on the picture, scaled.
void Fill(const TextLook& look, int32_t x, int32_t y, int32_t width, int32_t height, uint8_t number) {
  if (look.pages != nullptr) return ScreenFillPixels(*look.pages, {x, y}, {x + width - 1, y + height - 1}, number);
  const Colour colour = number < look.colours ? look.palette[number] : 0;
  GfxFillRgb(x * look.scale_x, y * look.scale_y, width * look.scale_x, height * look.scale_y, colour);
}

void CellColours(const TextLook& look, uint8_t attribute, uint8_t* fore, uint8_t* back) {
  if (look.attributes) {
    *fore = attribute & 15;
    *back = (attribute >> 4) & 7;
  } else {
    *fore = attribute;
    *back = 0;
  }
}

// The lit runs of `rows` equal glyph rows from the cell's row y: one
// block each, as tall as all of them.
void DrawRuns(const TextLook& look, int32_t left, int32_t top, uint8_t bits, int32_t rows, uint8_t fore) {
  int32_t x = 0;
  while (x < GlyphWidth) {
    if (!(bits & (0x80 >> x))) {
      ++x;
      continue;
    }
    const int32_t start = x;
    while (x < GlyphWidth && (bits & (0x80 >> x))) ++x;
    Fill(look, left + start, top, x - start, rows, fore);
  }
}

// The cell's background, then its glyph's lit runs, equal rows together
// (a full block is one fill, a line two).
void DrawCell(const TextGrid& screen, const TextLook& look, int32_t row, int32_t column) {
  uint8_t fore, back;
  CellColours(look, TextGridAttribute(screen, row, column), &fore, &back);
  const int32_t left = column * GlyphWidth;
  const int32_t top = row * look.glyph_height;
  const uint8_t* glyph = Cp437Glyph(look.glyph_height, TextGridCharacter(screen, row, column));
  const bool full = std::all_of(glyph, glyph + look.glyph_height, [](uint8_t bits) { return bits == 0xFF; });
  if (!full || fore == back) Fill(look, left, top, GlyphWidth, look.glyph_height, back);
  if (fore == back) return;
  int32_t y = 0;
  while (y < look.glyph_height) {
    int32_t rows = 1;
    while (y + rows < look.glyph_height && glyph[y + rows] == glyph[y]) ++rows;
    if (glyph[y] != 0) DrawRuns(look, left, top + y, glyph[y], rows, fore);
    y += rows;
  }
}

}  // namespace

void DrawTextCells(TextGrid* screen, const TextLook& look) {
  for (int32_t row = 0; row < screen->rows; ++row) {
    for (int32_t column = 0; column < screen->columns; ++column) {
      const std::size_t cell = static_cast<std::size_t>(row * screen->columns + column);
      if (!screen->changed[cell]) continue;
      screen->changed[cell] = false;
      DrawCell(*screen, look, row, column);
    }
  }
}

void DrawTextCursor(TextGrid* screen, const TextLook& look) {
  uint8_t fore, back;
  CellColours(look, TextGridAttribute(*screen, screen->row, screen->column), &fore, &back);
  const int32_t last = look.glyph_height - 1;
  const int32_t start = screen->cursor_start < 0 ? last - 1 : std::min(screen->cursor_start, last);
  const int32_t stop = screen->cursor_stop < 0 ? last : std::min(screen->cursor_stop, last);
  const int32_t left = screen->column * GlyphWidth;
  const int32_t top = screen->row * look.glyph_height;
  const auto lines = [&](int32_t from, int32_t to) {
    if (from > to) return;
    Fill(look, left, top + from, GlyphWidth, to - from + 1, fore);
  };
  if (start <= stop) {
    lines(start, stop);
  } else {
    lines(0, stop);
    lines(start, last);
  }
  screen->cursor_drawn = screen->row * screen->columns + screen->column;
}

void DrawBlankTextGrid(TextGrid* screen, const TextLook& look) {
  uint8_t fore, back;
  CellColours(look, screen->attribute, &fore, &back);
  Fill(look, 0, 0, screen->columns * GlyphWidth, screen->rows * look.glyph_height, back);
  screen->changed.assign(screen->changed.size(), false);
}

void DrawAllTextCells(TextGrid* screen, const TextLook& look) {
  screen->changed.assign(screen->changed.size(), true);
  DrawTextCells(screen, look);
}
