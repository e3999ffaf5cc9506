// The input method's composition, drawn by the window itself while a line
// is typed: an input method that draws nothing of its own (under an X input
// server, say) would otherwise leave the user typing blind. The text is
// drawn on the window only, over the picture and the layer, in every paint
// and whenever it changes; it never reaches the back buffer, the layer's
// cells or the input line, so drawing its rows again without it gives the
// picture back as it was.
//
// While a line is typed the composition messages are kept from the default
// procedure, so that the input method opens no window of its own over this
// one, except a message that brings a result: from there the committed
// text arrives as typed characters, the way it always has.
#include <windows.h>

#include <imm.h>

#include <algorithm>

#include "runtime/console/composition.h"
#include "runtime/console/console_internal.h"
#include "runtime/console/text_layer.h"
#include "runtime/console/window.h"

// What is being composed, and the rows it was last drawn on (-1: none).
static CompositionText Composing;
static int32_t DrawnFrom = -1;
static int32_t DrawnTo = -1;
// Too large for the window thread's stack frames; only that thread uses it.
static CompositionLayout Layout;

static bool IsLeadByte(uint8_t byte) { return IsDBCSLeadByte(byte) != 0; }

static bool Shown() { return Composing.length > 0 && InputLine.length != -1; }

static LONG ClientWidth() {
  RECT client{};
  GetClientRect(PromptWindow, &client);
  return client.right;
}

static void LayOutAtCursor() {
  CompositionLayOut(Composing, TextCursor, CompositionRowWidth(ClientWidth()), IsLeadByte, &Layout);
}

// The composition as the input method holds it now. Its lengths are the
// input method's word, so the buffers are one byte larger than anything
// kept from them.
static void ReadComposition(HWND window) {
  char bytes[CompositionCapacity + 1];
  uint8_t attributes[CompositionCapacity + 1];
  LONG length = 0;
  LONG attribute_count = 0;
  LONG cursor = 0;
  HIMC context = ImmGetContext(window);
  if (context != nullptr) {
    length = ImmGetCompositionStringA(context, GCS_COMPSTR, bytes, sizeof bytes);
    attribute_count = ImmGetCompositionStringA(context, GCS_COMPATTR, attributes, sizeof attributes);
    cursor = ImmGetCompositionStringA(context, GCS_CURSORPOS, nullptr, 0);
  }
  ImmReleaseContext(window, context);
  CompositionSetText(&Composing, bytes, length, attributes, attribute_count, cursor, IsLeadByte);
}

// Rows from..to as a paint shows them: the picture, the layer's text and
// the composition, drawn at once and only there (a paint draws every row
// of text). The caret is hidden meanwhile, as a paint hides it.
static void DrawRows(HWND window, int32_t from, int32_t to) {
  HideCaret(window);
  HDC dc = GetDC(window);
  const int top = from * CellHeight;
  BackBufferLockEnter();
  BitBlt(dc, 0, top, ClientWidth(), (to + 1) * CellHeight - top, BackBuffer.dc, 0, top, SRCCOPY);
  BackBufferLockLeave();
  TextRender(dc, from, to);
  CompositionPaint(dc);
  ReleaseDC(window, dc);
  ShowCaret(window);
}

// Draws the rows the composition covered without it, and the rows it
// covers now with it; then the caret stands at its cursor. When it reaches
// below the client area the layer scrolls first, and everything is painted
// again with the composition window moved along with the cursor.
static void Redraw(HWND window) {
  int32_t from = DrawnFrom;
  int32_t to = DrawnTo;
  DrawnFrom = DrawnTo = -1;
  bool scrolled = false;
  if (Shown()) {
    RECT client{};
    GetClientRect(window, &client);
    LayOutAtCursor();
    scrolled = CompositionScrollIntoView(Layout.last_row - TextCursor.row, client.bottom);
    if (scrolled) LayOutAtCursor();
    DrawnFrom = TextCursor.row;
    DrawnTo = Layout.last_row;
    from = from < 0 ? DrawnFrom : std::min(from, DrawnFrom);
    to = std::max(to, DrawnTo);
  }
  if (scrolled) {
    InvalidateRect(window, nullptr, FALSE);
    UpdateWindow(window);
  } else if (from >= 0) {
    DrawRows(window, from, to);
  }
  if (InputLine.length != -1) LineInputPlaceCaret(window, scrolled);
}

bool CompositionMessage(HWND window, UINT message, LPARAM lparam) {
  if (InputLine.length == -1) {
    CompositionFollowCursor(window);
    return true;
  }
  switch (message) {
    case WM_IME_STARTCOMPOSITION:
      CompositionClear(&Composing);
      return false;
    case WM_IME_COMPOSITION:
      ReadComposition(window);
      Redraw(window);
      return (lparam & GCS_RESULTSTR) != 0;
    default:  // WM_IME_ENDCOMPOSITION, cancelled or committed
      CompositionClear(&Composing);
      Redraw(window);
      return true;
  }
}

void CompositionFollowCursor(HWND window) {
  if (InputLine.length == -1) CompositionClear(&Composing);
  if (Composing.length > 0 || DrawnFrom >= 0) Redraw(window);
}

TextCursorState CompositionCaretCell() {
  if (!Shown()) return TextCursor;
  LayOutAtCursor();
  return Layout.caret;
}

// A character in the console font with its underline, thicker under the
// clause being converted. The line is a rectangle filled through the text
// call itself, so that drawing it needs no brush.
static void DrawGlyph(HDC dc, const CompositionGlyph& glyph) {
  const int left = glyph.column * CellWidth;
  const int top = glyph.row * CellHeight;
  TextOutA(dc, left, top, Composing.bytes + glyph.offset, glyph.bytes);
  const int thickness = glyph.converting ? 2 : 1;
  const RECT line{left, top + CellHeight - thickness, left + glyph.bytes * CellWidth, top + CellHeight};
  const COLORREF kept = SetBkColor(dc, TextForeColor);
  ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &line, "", 0, nullptr);
  SetBkColor(dc, kept);
}

void CompositionPaint(HDC dc) {
  if (!Shown()) return;
  LayOutAtCursor();
  // A paint after a resize may lay it out over more rows than the last
  // redraw did: they are to be cleared as well.
  DrawnFrom = DrawnFrom < 0 ? TextCursor.row : std::min(DrawnFrom, TextCursor.row);
  DrawnTo = std::max(DrawnTo, Layout.last_row);
  HGDIOBJ kept_font = SelectObject(dc, PromptFont.handle);
  SelectTextColours(dc, TextForeColor, TextBackColor);
  for (int32_t i = 0; i < Layout.count; ++i) DrawGlyph(dc, Layout.glyphs[i]);
  SelectObject(dc, kept_font);
}
