#include <algorithm>

#include "runtime/console/text_layer.h"

void TextLocate(TextCursorState* place) {
  if (place->row != -1) TextCursor.row = std::clamp(place->row, 0, TextRows - 1);
  if (place->column != -1) TextCursor.column = std::clamp(place->column, 0, TextColumns - 1);
  *place = TextCursor;
}
