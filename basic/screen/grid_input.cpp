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

}  // namespace

bool TypeLineInGrid(Machine& machine, std::string* line) {
  line->clear();
  machine.text.typing = true;
  DrawTextGrid(machine);
  for (;;) {
    uint8_t key;
    if (!AwaitKeyByte(machine, &key)) {
      machine.text.typing = false;
      return false;
    }
    if (key == Enter) break;
    if (key == ExtendedKey) {
      AwaitKeyByte(machine, &key);  // its scan code
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
