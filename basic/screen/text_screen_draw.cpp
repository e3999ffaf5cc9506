#include "basic/screen/text_screen_draw.h"

#include "basic/screen/cp437_glyphs.h"
#include "runtime/graphics/pixels.h"

namespace {

constexpr int32_t GlyphWidth = 8;

Colour PaletteColour(const TextLook& look, int32_t number) {
  return number >= 0 && number < look.colours ? look.palette[number] : 0;
}

void CellColours(const TextLook& look, uint8_t attribute, Colour* fore, Colour* back) {
  if (look.attributes) {
    *fore = PaletteColour(look, attribute & 15);
    *back = PaletteColour(look, (attribute >> 4) & 7);
  } else {
    *fore = PaletteColour(look, attribute);
    *back = PaletteColour(look, 0);
  }
}

// The cell's background, then each row's runs of lit pixels.
void DrawCell(const TextGrid& screen, const TextLook& look, int32_t row, int32_t column) {
  Colour fore, back;
  CellColours(look, TextGridAttribute(screen, row, column), &fore, &back);
  const int32_t left = column * GlyphWidth * look.scale_x;
  const int32_t top = row * look.glyph_height * look.scale_y;
  GfxFillRgb(left, top, GlyphWidth * look.scale_x, look.glyph_height * look.scale_y, back);
  if (fore == back) return;
  const uint8_t* glyph = Cp437Glyph(look.glyph_height, TextGridCharacter(screen, row, column));
  for (int32_t y = 0; y < look.glyph_height; ++y) {
    int32_t x = 0;
    while (x < GlyphWidth) {
      if (!(glyph[y] & (0x80 >> x))) {
        ++x;
        continue;
      }
      const int32_t start = x;
      while (x < GlyphWidth && (glyph[y] & (0x80 >> x))) ++x;
      GfxFillRgb(left + start * look.scale_x, top + y * look.scale_y, (x - start) * look.scale_x, look.scale_y, fore);
    }
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

void DrawBlankTextGrid(TextGrid* screen, const TextLook& look) {
  Colour fore, back;
  CellColours(look, screen->attribute, &fore, &back);
  GfxFillRgb(0, 0, screen->columns * GlyphWidth * look.scale_x, screen->rows * look.glyph_height * look.scale_y, back);
  screen->changed.assign(screen->changed.size(), false);
}

void DrawAllTextCells(TextGrid* screen, const TextLook& look) {
  screen->changed.assign(screen->changed.size(), true);
  DrawTextCells(screen, look);
}
