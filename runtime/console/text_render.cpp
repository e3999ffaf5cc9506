// Drawing the character layer over the picture, cell by cell.
#include <windows.h>

#include "runtime/console/console_internal.h"
#include "runtime/console/text_layer.h"
#include "runtime/console/window.h"

// The bytes drawn from column j: a double-byte character's lead byte takes
// the next cell's byte with it, but never one past the row's text.
static int GlyphAt(const char* text, int32_t length, int32_t j, char glyph[3]) {
  glyph[0] = text[j];
  glyph[1] = 0;
  glyph[2] = 0;
  if (!IsDBCSLeadByte(static_cast<BYTE>(text[j]))) return 1;
  if (j + 1 < length) glyph[1] = text[j + 1];
  return 2;
}

void SelectTextColours(HDC dc, uint32_t foreground, uint32_t background) {
  SetTextColor(dc, foreground);
  if (background == TransparentColor) {
    SetBkMode(dc, TRANSPARENT);
  } else {
    SetBkMode(dc, OPAQUE);
    SetBkColor(dc, background);
  }
}

static void SetCellColours(HDC dc, int32_t row, int32_t column) {
  SelectTextColours(dc, TextScreen.foreground[row][column], TextScreen.background[row][column]);
}

static void DrawUnderscore(HDC dc, int left, int y, int32_t row, int32_t column) {
  for (int x = left; x < left + CellWidth; ++x) SetPixel(dc, x, y, TextScreen.foreground[row][column]);
}

static void RenderRow(HDC dc, int32_t row, LONG client_right) {
  const char* text = TextScreen.characters[row];
  const int32_t length = TextRowLength(row);
  const int top = row * CellHeight;
  SIZE extent{};
  GetTextExtentPoint32A(dc, text, length, &extent);
  // Wipe what a now shorter text no longer covers; the copy runs past the
  // client's right edge and is clipped there.
  BackBufferLockEnter();
  BitBlt(dc, extent.cx, top, client_right, CellHeight, BackBuffer.dc, extent.cx, top, SRCCOPY);
  BackBufferLockLeave();
  for (int32_t j = 0; j < length; ++j) {
    SetCellColours(dc, row, j);
    char glyph[3];
    const int cells = GlyphAt(text, length, j, glyph);
    TextOutA(dc, j * CellWidth, top, glyph, lstrlenA(glyph));
    if (UnderscoreStandIn && glyph[0] == '_') DrawUnderscore(dc, j * CellWidth, top + CellHeight - 1, row, j);
    j += cells - 1;
  }
}

void TextRender(HDC dc, int32_t from, int32_t to) {
  HGDIOBJ kept_font = SelectObject(dc, PromptFont.handle);
  RECT client{};
  GetClientRect(PromptWindow, &client);
  if (TextScrollToCursor(client.bottom)) from = -1;
  for (int32_t row = 0; row < TextRows && row * CellHeight < client.bottom; ++row) {
    if (from == -1 || (from <= row && row <= to)) RenderRow(dc, row, client.right);
  }
  SelectObject(dc, kept_font);
}
