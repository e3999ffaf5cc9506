// Line input under arbitrary typing: character codes of any value
// (backspace, Enter, tab, CR, LF, Ctrl+V with arbitrary clipboard bytes,
// lead and trail bytes) edit the input line and are echoed into the layer
// as the window procedure does it, from cursor positions at and past the
// bounds. The line must equal a plain model of it, keep its NUL where the
// edits promise one, hand over exactly the typed line, and leave the
// string registry as it found it after every message.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "fuzz/support/fresh_layer.h"
#include "fuzz/support/require.h"
#include "runtime/console/text_layer.h"
#include "runtime/strings/strings.h"

namespace {

constexpr uint32_t Backspace = 8;
constexpr uint32_t Enter = 13;
constexpr uint32_t PasteKey = 22;

// The line as typing describes it: bytes in, the last one out, full at 255.
struct ModelLine {
  bool active = false;
  std::string bytes;

  void Add(const std::string& more) {
    bytes += more.substr(0, static_cast<size_t>(InputLineCapacity) - bytes.size());
  }
};

std::string TextOf(RtString s) { return std::string(s, static_cast<size_t>(StrLength(s))); }

void RequireLineMatches(const ModelLine& model) {
  if (!model.active) {
    Require(InputLine.length == -1, "inactive line has length %d", InputLine.length);
    return;
  }
  const auto length = static_cast<int32_t>(model.bytes.size());
  Require(InputLine.length == length, "line length %d, model %d", InputLine.length, length);
  Require(std::memcmp(InputLine.text, model.bytes.data(), model.bytes.size()) == 0, "line bytes differ, length %d",
          length);
}

void RequireCursorInLayer(const char* after) {
  Require(0 <= TextCursor.column && TextCursor.column <= TextColumns && 0 <= TextCursor.row && TextCursor.row < TextRows,
          "cursor (%d, %d) outside the layer after %s", TextCursor.column, TextCursor.row, after);
}

// The echo as TextPrint does it: a copy walked at the cursor and released,
// then the render's scroll back into a client area of arbitrary height.
void Echo(RtString echo, int32_t client_bottom) {
  const int32_t length = StrLength(echo);
  RtString copy = StrNew(length);
  std::memmove(copy, echo, static_cast<size_t>(length));
  TextPrintWalk(copy);
  RequireCursorInLayer("the echo");
  TextScrollToCursor(client_bottom);
  RequireCursorInLayer("the scroll");
  StrRelease(copy);
}

// The clipboard's CF_TEXT: the window reads it up to its first NUL.
std::string ClipboardText(FuzzedDataProvider& input) {
  const std::string clip = input.ConsumeRandomLengthString(1024);
  return clip.substr(0, clip.find('\0'));
}

// Backspace's own promises: one byte fewer with a NUL after the rest, and
// the cell left of the cursor cleared, the cursor moved onto it.
void TypeBackspace(ModelLine& model) {
  const TextCursorState before = TextCursor;
  LineEditBackspace();
  if (model.bytes.empty()) return;
  model.bytes.pop_back();
  Require(InputLine.text[InputLine.length] == 0, "no NUL after a backspace at %d", InputLine.length);
  if (before.column <= 0) return;
  Require(TextCursor.column == before.column - 1, "backspace moved column %d to %d", before.column, TextCursor.column);
  if (TextCellInLayer(TextCursor.column, TextCursor.row)) {
    Require(TextScreen.characters[TextCursor.row][TextCursor.column] == 0, "cell %d not cleared", TextCursor.column);
  }
}

// One WM_CHAR while the line is active, as the window procedure combines
// the edit, the hand-over of an ended line and the echo.
void TypeCode(FuzzedDataProvider& input, ModelLine& model, uint32_t code, int32_t client_bottom) {
  const int32_t registered = StringRegistry.count;
  RtString echo = StrNew(0);  // the procedure's own temporary
  std::string expected_echo;
  RtString replacement = nullptr;
  if (code == Backspace) {
    TypeBackspace(model);
  } else if (code == Enter) {
    replacement = LineEditEnter();
    expected_echo = "\r\n";
    model.active = false;
    Require(InputLine.text[model.bytes.size()] == 0, "no NUL after the ended line of %d", int(model.bytes.size()));
  } else if (code == PasteKey && input.ConsumeBool()) {
    const std::string clip = ClipboardText(input);
    const size_t kept = model.bytes.size();
    model.Add(clip);
    expected_echo = model.bytes.substr(kept);
    replacement = LineEditPaste(clip.data(), static_cast<int32_t>(clip.size()));
    Require(InputLine.text[InputLine.length] == 0, "no NUL after a paste at %d", InputLine.length);
  } else if (code == PasteKey) {
    return StrRelease(echo);  // no text on the clipboard: nothing edited, no echo
  } else {
    const size_t kept = model.bytes.size();
    model.Add(std::string(1, static_cast<char>(code & 0xFF)));
    expected_echo = model.bytes.substr(kept);
    replacement = LineEditAppend(static_cast<uint8_t>(code & 0xFF));
  }
  if (replacement != nullptr) {
    Require(TextOf(replacement) == expected_echo, "echo of %d bytes, %d expected", StrLength(replacement),
            int(expected_echo.size()));
    StrRelease(echo);
    echo = replacement;
  }
  RequireLineMatches(model);
  if (!model.active) {
    RtString line = LineEditTakeLine();
    const std::string typed = model.bytes.substr(0, model.bytes.find('\0'));
    Require(TextOf(line) == typed, "taken line of %d bytes, %d typed", StrLength(line), int(typed.size()));
    StrRelease(line);
  }
  Echo(echo, client_bottom);
  StrRelease(echo);
  Require(StringRegistry.count == registered, "registry holds %d strings, %d before", StringRegistry.count, registered);
}

// A line input request: the cursor where the request left it, anywhere.
void StartLine(FuzzedDataProvider& input, ModelLine& model) {
  if (input.ConsumeBool()) {
    TextCursor.column = input.ConsumeIntegralInRange<int32_t>(-2, TextColumns + 2);
    TextCursor.row = input.ConsumeIntegralInRange<int32_t>(-2, TextRows + 2);
  }
  LineEditStart();
  model = ModelLine{true, {}};
}

// The edits guard themselves: on an inactive line, or one whose length was
// never a length, none may write a byte of the line or the cells.
void StrayEdit(FuzzedDataProvider& input) {
  static constexpr int32_t NotLengths[] = {-1, -2, InputLineCapacity + 1, INT32_MAX, INT32_MIN};
  InputLine.length = input.PickValueInArray(NotLengths);
  const InputLineState before = InputLine;
  const TextCursorState cursor = TextCursor;
  const int32_t registered = StringRegistry.count;
  const std::string clip = ClipboardText(input);
  RtString echo = nullptr;
  switch (input.ConsumeIntegralInRange<int>(0, 3)) {
    case 0: LineEditBackspace(); break;
    case 1: echo = LineEditAppend(input.ConsumeIntegral<uint8_t>()); break;
    case 2: echo = LineEditPaste(clip.data(), static_cast<int32_t>(clip.size())); break;
    case 3:
      StrRelease(LineEditEnter());
      Require(InputLine.length == -1, "Enter left length %d", InputLine.length);
      InputLine.length = before.length;
      break;
  }
  if (echo != nullptr) Require(StrLength(echo) == 0, "stray edit echoes %d bytes", StrLength(echo));
  StrRelease(echo);
  Require(std::memcmp(&InputLine, &before, sizeof before) == 0, "stray edit on length %d changed the line", before.length);
  Require(TextCursor.column == cursor.column && TextCursor.row == cursor.row, "stray edit moved the cursor %d",
          cursor.column);
  Require(StringRegistry.count == registered, "registry holds %d strings, %d before", StringRegistry.count, registered);
  InputLine.length = -1;
}

uint32_t CharacterCode(FuzzedDataProvider& input) {
  static constexpr uint32_t Interesting[] = {Backspace, Enter, PasteKey, '\t', '\r', '\n', 0x81, 0x82, 0x9F, 0xE0, 0x40};
  if (input.ConsumeBool()) return input.PickValueInArray(Interesting);
  return input.ConsumeBool() ? input.ConsumeIntegral<uint8_t>() : input.ConsumeIntegral<uint32_t>();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  StrHeapInit();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  const FreshLayer layer;
  CellHeight = input.ConsumeIntegralInRange<int32_t>(0, 40);
  const int32_t client_bottom = input.ConsumeIntegralInRange<int32_t>(0, 4000);
  InputLine.length = -1;
  ModelLine model;
  for (int step = 0; step < 600 && input.remaining_bytes() > 0; ++step) {
    if (!model.active && input.ConsumeIntegralInRange<int>(0, 3) == 0) {
      StrayEdit(input);
    } else if (!model.active) {
      StartLine(input, model);
    } else {
      TypeCode(input, model, CharacterCode(input), client_bottom);
    }
    RequireLineMatches(model);
  }
  return 0;
}
