// The composition as an input method reports it, none of it trusted: any
// bytes with any reported lengths and cursor, laid out from any cursor in
// rows of any width, and scrolled into a client area of any height. What is
// kept must be whole characters within the capacity, the cursor on one of
// them; the layout must put every character once, in order, inside its row
// and never across the edge; the scroll must keep the cursor in the layer.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>
#include <vector>

#include "fuzz/support/fresh_layer.h"
#include "fuzz/support/require.h"
#include "runtime/console/composition.h"

namespace {

bool ShiftJisLead(uint8_t byte) { return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC); }

int32_t CharacterSize(const CompositionText& text, int32_t at) {
  return ShiftJisLead(static_cast<uint8_t>(text.bytes[at])) ? 2 : 1;
}

void RequireWholeCharacters(const CompositionText& text) {
  Require(0 <= text.length && text.length <= CompositionCapacity, "length %d", text.length);
  bool cursor_on_a_start = text.cursor == text.length;
  int32_t at = 0;
  while (at < text.length) {
    cursor_on_a_start = cursor_on_a_start || at == text.cursor;
    at += CharacterSize(text, at);
  }
  Require(at == text.length, "the last character runs past the length %d", text.length);
  Require(cursor_on_a_start, "cursor %d not on a character's first byte", text.cursor);
}

void RequireLayout(const CompositionText& text, const CompositionLayout& layout, TextCursorState start,
                   int32_t row_width) {
  const int32_t width = row_width < 2 ? 2 : row_width > TextColumns ? TextColumns : row_width;
  int32_t at = 0;
  int32_t last_row = start.row;
  for (int32_t i = 0; i < layout.count; ++i) {
    const CompositionGlyph& glyph = layout.glyphs[i];
    Require(glyph.offset == at && glyph.bytes == CharacterSize(text, at), "glyph %d at byte %d, want %d", i,
            glyph.offset, at);
    Require(glyph.column >= 0 && glyph.column + glyph.bytes <= width, "glyph %d in columns %d+%d of %d", i,
            glyph.column, glyph.bytes, width);
    Require(glyph.row >= last_row, "glyph %d on row %d above row %d", i, glyph.row, last_row);
    last_row = glyph.row;
    at += glyph.bytes;
  }
  Require(at == text.length, "glyphs cover %d of %d bytes", at, text.length);
  Require(layout.last_row >= last_row && layout.last_row >= layout.caret.row, "last row %d", layout.last_row);
  Require(layout.caret.column >= 0 && layout.caret.column <= TextColumns, "caret column %d", layout.caret.column);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  const FreshLayer layer;
  CellWidth = input.ConsumeIntegralInRange<int32_t>(0, 40);
  CellHeight = input.ConsumeIntegralInRange<int32_t>(0, 40);
  const auto reported_length = input.ConsumeIntegral<int32_t>();
  const auto reported_attributes = input.ConsumeIntegral<int32_t>();
  const auto cursor = input.ConsumeIntegral<int32_t>();
  const TextCursorState start{input.ConsumeIntegralInRange<int32_t>(0, TextColumns),
                              input.ConsumeIntegralInRange<int32_t>(0, TextRows - 1)};
  const int32_t client_width = input.ConsumeIntegralInRange<int32_t>(-100, 5000);
  const int32_t client_bottom = input.ConsumeIntegralInRange<int32_t>(-100, 5000);
  // The buffers are as large as the window's: one byte more than is kept.
  std::vector<char> bytes(CompositionCapacity + 1);
  std::vector<uint8_t> attributes(CompositionCapacity + 1);
  const std::string given = input.ConsumeRandomLengthString(CompositionCapacity + 1);
  std::copy(given.begin(), given.end(), bytes.begin());
  for (auto& attribute : attributes) attribute = input.ConsumeIntegral<uint8_t>();

  static CompositionText text;
  CompositionSetText(&text, bytes.data(), reported_length, attributes.data(), reported_attributes, cursor,
                     ShiftJisLead);
  RequireWholeCharacters(text);
  static CompositionLayout layout;
  const int32_t row_width = CompositionRowWidth(client_width);
  TextCursor = start;
  CompositionLayOut(text, TextCursor, row_width, ShiftJisLead, &layout);
  RequireLayout(text, layout, start, row_width);
  CompositionScrollIntoView(layout.last_row - TextCursor.row, client_bottom);
  Require(0 <= TextCursor.row && TextCursor.row < TextRows, "cursor row %d after the scroll", TextCursor.row);
  return 0;
}
