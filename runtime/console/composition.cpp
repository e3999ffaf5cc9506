// The composition's text and its cells, with no call into Windows.
#include "runtime/console/composition.h"

#include <algorithm>
#include <cstring>

// How the input method marks the clause being converted, whether or not it
// has been converted yet.
static constexpr uint8_t TargetConverted = 1;
static constexpr uint8_t TargetNotConverted = 3;
static constexpr uint8_t PlainInput = 0;

// Bytes in the character at `at`: 2 for a lead byte with its partner inside
// the text, 0 for a lead byte without one, 1 otherwise.
static int32_t CharacterBytes(const char* bytes, int32_t length, int32_t at, LeadBytePredicate is_lead) {
  if (!is_lead(static_cast<uint8_t>(bytes[at]))) return 1;
  return at + 1 < length ? 2 : 0;
}

// The length of the longest run of whole characters within `limit` bytes.
static int32_t WholeCharacters(const char* bytes, int32_t limit, LeadBytePredicate is_lead) {
  int32_t at = 0;
  while (at < limit) {
    const int32_t size = CharacterBytes(bytes, limit, at, is_lead);
    if (size == 0) break;
    at += size;
  }
  return at;
}

// The first byte of the character that holds byte `cursor`.
static int32_t CharacterStart(const CompositionText& text, int32_t cursor, LeadBytePredicate is_lead) {
  int32_t at = 0;
  while (at < text.length) {
    const int32_t next = at + CharacterBytes(text.bytes, text.length, at, is_lead);
    if (next > cursor) return at;
    at = next;
  }
  return text.length;
}

void CompositionSetText(CompositionText* text, const char* bytes, int32_t length, const uint8_t* attributes,
                        int32_t attribute_count, int32_t cursor, LeadBytePredicate is_lead) {
  const int32_t limit = bytes == nullptr ? 0 : std::clamp(length, 0, CompositionCapacity);
  std::memcpy(text->bytes, bytes == nullptr ? "" : bytes, static_cast<std::size_t>(limit));
  text->length = WholeCharacters(text->bytes, limit, is_lead);
  const int32_t attributed = attributes == nullptr ? 0 : std::clamp(attribute_count, 0, text->length);
  if (attributed > 0) std::memcpy(text->attributes, attributes, static_cast<std::size_t>(attributed));
  std::fill(text->attributes + attributed, text->attributes + text->length, PlainInput);
  text->cursor = CharacterStart(*text, std::clamp(cursor, 0, text->length), is_lead);
}

void CompositionClear(CompositionText* text) {
  text->length = 0;
  text->cursor = 0;
}

static bool Converting(uint8_t attribute) {
  return attribute == TargetConverted || attribute == TargetNotConverted;
}

// Moves `cell` to the next row's first column when `cells` more do not fit
// in what is left of its row.
static void FitInRow(TextCursorState* cell, int32_t cells, int32_t row_width) {
  if (cell->column + cells <= row_width) return;
  cell->column = 0;
  cell->row += 1;
}

void CompositionLayOut(const CompositionText& text, TextCursorState start, int32_t row_width,
                       LeadBytePredicate is_lead, CompositionLayout* layout) {
  row_width = std::clamp(row_width, 2, TextColumns);
  TextCursorState cell = start;
  layout->count = 0;
  layout->caret = start;
  for (int32_t at = 0; at < text.length;) {
    const int32_t size = std::max(CharacterBytes(text.bytes, text.length, at, is_lead), 1);
    FitInRow(&cell, size, row_width);
    if (at == text.cursor) layout->caret = cell;
    layout->glyphs[layout->count++] = {at, size, cell.column, cell.row, Converting(text.attributes[at])};
    cell.column += size;
    at += size;
  }
  // A cursor after the last character stands in the next cell, which may
  // be the next row's first.
  if (text.cursor >= text.length) {
    FitInRow(&cell, 1, row_width);
    layout->caret = cell;
  }
  layout->last_row = std::max(cell.row, layout->caret.row);
}

int32_t CompositionRowWidth(int32_t client_width) {
  const int32_t columns = CellWidth > 0 ? client_width / CellWidth : TextColumns;
  return std::clamp(columns, 2, TextColumns);
}

bool CompositionScrollIntoView(int32_t rows_below, int32_t client_bottom) {
  rows_below = std::clamp(rows_below, 0, TextRows);
  bool scrolled = false;
  const auto out_of_view = [&] {
    const int64_t last = int64_t{TextCursor.row} + rows_below;
    return (last + 1) * CellHeight > client_bottom || last >= TextRows;
  };
  while (out_of_view() && TextCursor.row > 0) {
    TextScrollOneLine();
    scrolled = true;
  }
  return scrolled;
}
