// The edits that typing makes on the input line and on the cells under the
// cursor. The line holds at most InputLineCapacity bytes and a NUL after
// them: bytes beyond are dropped, and only what was kept is echoed.
#include <cstdint>
#include <cstring>

#include "runtime/console/text_layer.h"
#include "runtime/strings/strings.h"

static constexpr int32_t Inactive = -1;

// Bytes still free on the line; none when the length is out of range.
static int32_t RoomLeft() {
  const int32_t length = InputLine.length;
  return length < 0 || length > InputLineCapacity ? 0 : InputLineCapacity - length;
}

// A new string holding `length` bytes from `bytes`.
static RtString NewStringOf(const char* bytes, int32_t length) {
  RtString s = StrRenew(length);
  std::memcpy(s, bytes, static_cast<std::size_t>(length));
  return s;
}

void LineEditStart() {
  InputLine.text[0] = 0;
  InputLine.length = 0;
}

void LineEditBackspace() {
  if (InputLine.length <= 0 || InputLine.length > InputLineCapacity) return;
  InputLine.length -= 1;
  InputLine.text[InputLine.length] = 0;
  // In column 0 (after a pasted CR LF) there is no cell to the left on this
  // row: the byte leaves the line, the cursor and the cells stay.
  if (TextCursor.column <= 0) return;
  TextCursor.column -= 1;
  if (TextCellInLayer(TextCursor.column, TextCursor.row)) {
    TextScreen.characters[TextCursor.row][TextCursor.column] = 0;
  }
}

RtString LineEditEnter() {
  if (InputLine.length >= 0 && InputLine.length <= InputLineCapacity) {
    InputLine.text[InputLine.length] = 0;
  }
  InputLine.length = Inactive;
  return NewStringOf("\r\n", 2);
}

RtString LineEditAppend(uint8_t byte) {
  if (RoomLeft() == 0) return StrNew(0);
  InputLine.text[InputLine.length] = static_cast<char>(byte);
  InputLine.length += 1;
  return NewStringOf(reinterpret_cast<const char*>(&byte), 1);
}

RtString LineEditPaste(const char* clip, int32_t length) {
  const int32_t room = RoomLeft();
  const int32_t kept = length < 0 ? 0 : length < room ? length : room;
  if (InputLine.length >= 0 && InputLine.length <= InputLineCapacity) {
    std::memcpy(InputLine.text + InputLine.length, clip, static_cast<std::size_t>(kept));
    InputLine.length += kept;
    InputLine.text[InputLine.length] = 0;
  }
  return NewStringOf(clip, kept);
}

RtString LineEditTakeLine() {
  const void* nul = std::memchr(InputLine.text, 0, sizeof InputLine.text);
  const int32_t length = nul == nullptr ? InputLineCapacity
                                        : static_cast<int32_t>(static_cast<const char*>(nul) - InputLine.text);
  return NewStringOf(InputLine.text, length);
}
