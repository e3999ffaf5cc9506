#include "basic/screen/grid_input.h"

#include "basic/executor/machine.h"
#include "basic/keys_and_sound/keyboard.h"
#include "basic/screen/run_text_screen.h"

namespace {

constexpr uint8_t Enter = 13, Backspace = 8, ExtendedKey = 0;
constexpr std::size_t MaxTypedLine = 255;

// Blanks the cell of the last character typed and puts the cursor there.
void EraseLastTyped(Machine& machine) {
  TextGrid& text = machine.text;
  if (text.wrap_pending) {
    text.wrap_pending = false;
  } else if (text.column > 0) {
    --text.column;
  } else if (text.row > text.top) {
    --text.row;
    text.column = text.columns - 1;
  }
  const int32_t row = text.row, column = text.column;
  TextGridWrite(&text, " ");
  TextGridLocate(&text, row, column);
  DrawTextGrid(machine);
}

// The soft key's index for a function key's scan code (F1 to F10, F11,
// F12), or -1.
int32_t SoftKeyOfScanCode(uint8_t scan) {
  if (scan >= 59 && scan <= 68) return scan - 59;
  if (scan == 133 || scan == 134) return scan - 133 + 10;
  return -1;
}

// The next key typed: a soft key's text's bytes first, as if typed.
bool NextTypedKey(Machine& machine, std::string* typed_ahead, uint8_t* key) {
  if (typed_ahead->empty()) return AwaitKeyByte(machine, key);
  *key = static_cast<uint8_t>(typed_ahead->front());
  typed_ahead->erase(0, 1);
  return true;
}

}  // namespace

bool TypeLineInGrid(Machine& machine, std::string* line) {
  line->clear();
  machine.text.typing = true;
  DrawTextGrid(machine);
  std::string typed_ahead;  // a function key's text, still to type
  for (;;) {
    uint8_t key;
    const bool from_text = !typed_ahead.empty();
    if (!NextTypedKey(machine, &typed_ahead, &key)) {
      machine.text.typing = false;
      return false;
    }
    if (key == Enter) break;
    if (key == ExtendedKey) {
      if (from_text) {  // a text's NUL types nothing, and never another key's text
        if (!typed_ahead.empty()) typed_ahead.erase(0, 1);
        continue;
      }
      AwaitKeyByte(machine, &key);  // its scan code
      const int32_t soft = SoftKeyOfScanCode(key);
      if (soft >= 0) typed_ahead = machine.soft_keys.texts[soft];
      continue;
    }
    if (key == Backspace) {
      if (!line->empty()) {
        line->pop_back();
        EraseLastTyped(machine);
      }
      continue;
    }
    if (key < ' ' || line->size() >= MaxTypedLine) continue;
    line->push_back(static_cast<char>(key));
    TextGridWrite(&machine.text, std::string(1, static_cast<char>(key)));
    DrawTextGrid(machine);
  }
  machine.text.typing = false;
  // The run's transcript keeps the line as it was entered.
  if (machine.transcript) machine.transcript->append(*line);
  ShowText(machine, "\r\n", false);
  return true;
}
