#include "basic/files/input_items.h"

namespace {

constexpr int End = -1;

bool IsBlank(int byte) { return byte == ' ' || byte == '\t'; }
bool IsLineEnd(int byte) { return byte == '\r' || byte == '\n'; }

void SkipBlanks(ByteSource& source) {
  while (IsBlank(source.Peek())) source.Take();
}

// Takes CR, CR LF or LF; false when none is there.
bool TakeLineEnd(ByteSource& source) {
  const int byte = source.Peek();
  if (!IsLineEnd(byte)) return false;
  source.Take();
  if (byte == '\r' && source.Peek() == '\n') source.Take();
  return true;
}

// Takes the comma or line end that ends an item, after its blanks.
void TakeSeparator(ByteSource& source) {
  SkipBlanks(source);
  if (source.Peek() == ',') {
    source.Take();
    return;
  }
  TakeLineEnd(source);
}

// Appends bytes up to one for which stop() holds, the end, or the limit;
// true when the limit cut it.
template <typename Stop>
bool TakeUntil(ByteSource& source, std::string* text, Stop stop) {
  for (int byte = source.Peek(); byte != End && !stop(byte); byte = source.Peek()) {
    if (text->size() == MaxItemBytes) return true;
    text->push_back(static_cast<char>(byte));
    source.Take();
  }
  return false;
}

RunError ReadQuoted(ByteSource& source, std::string* item) {
  source.Take();  // the opening quote
  if (TakeUntil(source, item, [](int byte) { return byte == '"'; })) return RunError::None;
  if (source.Peek() == '"') source.Take();
  // What stands between the closing quote and the separator is not kept.
  while (source.Peek() != End && source.Peek() != ',' && !IsLineEnd(source.Peek())) source.Take();
  TakeSeparator(source);
  return RunError::None;
}

}  // namespace

RunError ReadInputItem(ByteSource& source, InputItemKind kind, std::string* item) {
  item->clear();
  while (IsBlank(source.Peek()) || IsLineEnd(source.Peek())) source.Take();
  const int first = source.Peek();
  if (first == End) return RunError::InputPastEndOfFile;
  if (first == ',') {
    source.Take();
    return RunError::None;
  }
  if (kind == InputItemKind::String && first == '"') return ReadQuoted(source, item);
  const bool number = kind == InputItemKind::Number;
  const bool cut = TakeUntil(source, item, [number](int byte) {
    return byte == ',' || IsLineEnd(byte) || (number && IsBlank(byte));
  });
  if (cut) return RunError::None;
  while (!item->empty() && IsBlank(static_cast<unsigned char>(item->back()))) item->pop_back();
  TakeSeparator(source);
  return RunError::None;
}

RunError ReadInputLine(ByteSource& source, std::string* line) {
  line->clear();
  if (source.Peek() == End) return RunError::InputPastEndOfFile;
  if (!TakeUntil(source, line, IsLineEnd)) TakeLineEnd(source);
  return RunError::None;
}
