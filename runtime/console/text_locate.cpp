#include <algorithm>

#include "runtime/console/text_layer.h"

// A row's text ends at its first NUL, so a character written past the end
// would not be shown. The cells up to the cursor become spaces that let the
// picture show through, as the untouched screen around them does.
static void FillUpToCursor() {
  const int32_t row = TextCursor.row;
  for (int32_t column = TextRowLength(row); column < TextCursor.column; ++column) {
    TextScreen.characters[row][column] = ' ';
    TextScreen.foreground[row][column] = TextForeColor;
    TextScreen.background[row][column] = TransparentColor;
  }
}

void TextLocate(TextCursorState* place) {
  if (place->row != -1) TextCursor.row = std::clamp(place->row, 0, TextRows - 1);
  if (place->column != -1) TextCursor.column = std::clamp(place->column, 0, TextColumns - 1);
  if (place->row != -1 || place->column != -1) FillUpToCursor();
  *place = TextCursor;
}
