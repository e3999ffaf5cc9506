// The character layer under arbitrary text output: byte strings walked from
// arbitrary cursor positions (at and past every bound), scrolling with
// arbitrary cell and client heights, clears and colour changes, in any
// order. A plain model of the layer (rows of cells, dropped from the top on
// a scroll) must agree with the real one after every step, and the string
// registry must end as it began.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "fuzz/support/fresh_layer.h"
#include "fuzz/support/require.h"
#include "runtime/console/text_layer.h"
#include "runtime/strings/strings.h"

namespace {

// The layer as the walk and the scroll describe it, kept the simplest way:
// whole rows in a ring, the top one dropped and cleared on a scroll.
struct Model {
  struct Row {
    char bytes[TextColumns];
    uint32_t fore[TextColumns];
    uint32_t back[TextColumns];
  };
  Row ring[TextRows] = {};
  int32_t top = 0;
  int32_t column = 0;
  int32_t row = 0;

  Row& At(int32_t layer_row) { return ring[(top + layer_row) % TextRows]; }
  void Scroll() {
    ring[top] = Row{};
    top = (top + 1) % TextRows;
    row -= 1;
  }
  void Put(int32_t at_column, char byte, bool colours) {
    if (at_column < 0 || at_column >= TextColumns || row < 0 || row >= TextRows) return;
    Row& cells = At(row);
    cells.bytes[at_column] = byte;
    if (!colours) return;
    cells.fore[at_column] = TextForeColor;
    cells.back[at_column] = TextBackColor;
  }
  void Walk(const char* text) {
    column = column < 0 ? 0 : column > TextColumns ? TextColumns : column;
    row = row < 0 ? 0 : row > TextRows - 1 ? TextRows - 1 : row;
    for (const char* p = text; *p != 0; ++p) {
      if (*p == '\t') {
        const int32_t stop = column + 8 - column % 8;
        for (; column < stop; ++column) Put(column, ' ', false);
        if (column > TextColumns) column = TextColumns;
      } else if (p[0] == '\r' && p[1] == '\n') {
        ++p;
        column = 0;
        if (row == TextRows - 1) Scroll();
        row += 1;
      } else {
        Put(column, *p, true);
        if (column < TextColumns) column += 1;
      }
    }
  }
  void Clear() {
    for (Row& cells : ring) std::memset(cells.bytes, 0, sizeof cells.bytes);
    column = row = 0;
  }
};

void RequireCursorMatches(const Model& model) {
  Require(TextCursor.column == model.column && TextCursor.row == model.row,
          "cursor (%d, %d), model (%d, %d)", TextCursor.column, TextCursor.row, model.column, model.row);
}

void RequireLayerMatches(Model& model) {
  for (int32_t row = 0; row < TextRows; ++row) {
    const Model::Row& cells = model.At(row);
    Require(std::memcmp(TextScreen.characters[row], cells.bytes, sizeof cells.bytes) == 0 &&
                std::memcmp(TextScreen.foreground[row], cells.fore, sizeof cells.fore) == 0 &&
                std::memcmp(TextScreen.background[row], cells.back, sizeof cells.back) == 0,
            "row %d differs from the model", row);
    const int32_t length = TextRowLength(row);
    Require(0 <= length && length <= TextColumns, "row %d has length %d", row, length);
  }
}

// Cursor coordinates: mostly at and around the bounds, sometimes anything.
int32_t CursorCoordinate(FuzzedDataProvider& input, int32_t limit) {
  if (input.ConsumeBool()) return input.ConsumeIntegral<int32_t>();
  return input.ConsumeIntegralInRange<int32_t>(-3, limit + 3);
}

// A registered string of the input's bytes; the walk stops at a NUL among
// them whatever the length field says.
RtString NewText(FuzzedDataProvider& input) {
  const std::vector<uint8_t> bytes = input.ConsumeBytes<uint8_t>(input.ConsumeIntegralInRange<size_t>(0, 1024));
  RtString s = StrNew(static_cast<int32_t>(bytes.size()));
  if (!bytes.empty()) std::memcpy(s, bytes.data(), bytes.size());
  return s;
}

void PrintText(FuzzedDataProvider& input, Model& model) {
  RtString s = NewText(input);
  const int32_t start_row = model.row < 0 ? 0 : model.row > TextRows - 1 ? TextRows - 1 : model.row;
  const TextRowSpan span = TextPrintWalk(s);
  model.Walk(s);
  StrRelease(s);
  Require(span.to == TextCursor.row, "span ends on row %d, cursor on row %d", span.to, TextCursor.row);
  Require(span.from == -1 || (span.from == start_row && span.from <= span.to), "span from %d to %d, start row %d",
          span.from, span.to, start_row);
  Require(0 <= TextCursor.column && TextCursor.column <= TextColumns && 0 <= TextCursor.row && TextCursor.row < TextRows,
          "cursor (%d, %d) left the layer", TextCursor.column, TextCursor.row);
}

// The render's scroll: rows only in and just past the layer, as nothing
// else ever leaves the cursor further out.
void ScrollToCursor(FuzzedDataProvider& input, Model& model) {
  TextCursor.row = model.row = input.ConsumeIntegralInRange<int32_t>(-3, TextRows + 3);
  CellHeight = input.ConsumeBool() ? input.ConsumeIntegral<int32_t>() : input.ConsumeIntegralInRange<int32_t>(-1, 40);
  const int32_t client_bottom = input.ConsumeIntegral<int32_t>();
  bool scrolled = false;
  while ((int64_t{model.row} + 1) * CellHeight > client_bottom && model.row > 0) {
    model.Scroll();
    scrolled = true;
  }
  Require(TextScrollToCursor(client_bottom) == scrolled, "scroll reported wrongly for bottom %d", client_bottom);
}

void RunStep(FuzzedDataProvider& input, Model& model) {
  switch (input.ConsumeIntegralInRange<int>(0, 6)) {
    case 0:
      TextCursor.column = model.column = CursorCoordinate(input, TextColumns);
      TextCursor.row = model.row = CursorCoordinate(input, TextRows);
      break;
    case 1:
    case 2: PrintText(input, model); break;
    case 3: ScrollToCursor(input, model); break;
    case 4:
      TextCursor.row = model.row = input.ConsumeIntegralInRange<int32_t>(-3, TextRows + 3);
      TextScrollOneLine();
      model.Scroll();
      break;
    case 5:
      TextClear();
      model.Clear();
      break;
    case 6:
      TextForeColor = input.ConsumeIntegral<uint32_t>();
      TextBackColor = input.ConsumeBool() ? TransparentColor : input.ConsumeIntegral<uint32_t>();
      break;
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  StrHeapInit();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  const FreshLayer layer;
  static Model model;
  model = Model{};
  for (int step = 0; step < 64 && input.remaining_bytes() > 0; ++step) {
    RunStep(input, model);
    RequireCursorMatches(model);
    RequireLayerMatches(model);
  }
  return 0;
}
