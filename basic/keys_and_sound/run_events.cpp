// Event traps and the soft keys at run time: ON KEY/TIMER/PLAY(n) GOSUB,
// their switches, KEY n, text$, KEY LIST, KEY ON and OFF.
#include <cmath>

#include "basic/executor/machine.h"
#include "basic/executor/statements.h"
#include "basic/executor/string_values.h"
#include "basic/keys_and_sound/events.h"
#include "basic/keys_and_sound/soft_keys.h"
#include "basic/screen/run_text_screen.h"
#include "basic/text/run_print.h"
#include "runtime/numeric/numeric.h"

namespace {

constexpr RunFault NoSuchKey{RunError::IllegalFunctionCall, "KEY(n) needs a key from 1 to 25, 30 or 31"};

// A number that is a whole key or count, held to the range without
// converting a value beyond int32's.
int32_t WholeArgument(double value) {
  if (!(value >= -1e6 && value <= 1e6)) return -1;
  return NumToInt32(value);
}

// The reverse of a text attribute: foreground and background swapped.
uint8_t Reversed(uint8_t attribute) {
  return static_cast<uint8_t>(((attribute & 0x70) >> 4) | ((attribute & 0x07) << 4));
}

void PutKeyLine(Machine& machine) {
  TextGrid& grid = machine.text;
  std::string reversed;
  const std::string line = SoftKeyLine(machine.soft_keys, grid.columns, &reversed);
  const int32_t row = grid.rows - 1;
  for (int32_t column = 0; column < grid.columns; ++column) {
    const auto cell = static_cast<std::size_t>(row * grid.columns + column);
    const bool used = column < static_cast<int32_t>(line.size());
    grid.bytes[cell * 2] = used ? static_cast<uint8_t>(line[static_cast<std::size_t>(column)]) : ' ';
    const bool reverse = used && reversed[static_cast<std::size_t>(column)] == '1';
    grid.bytes[cell * 2 + 1] = reverse ? Reversed(grid.attribute) : grid.attribute;
    grid.changed[cell] = true;
  }
  if (grid.bottom == row && row > grid.top) grid.bottom = row - 1;
}

void TakeKeyLineAway(Machine& machine) {
  TextGrid& grid = machine.text;
  const int32_t row = grid.rows - 1;
  TextGridClearRows(&grid, row, row);
  if (grid.bottom == row - 1) grid.bottom = row;
}

}  // namespace

void ShowSoftKeyLine(Machine& machine) {
  if (machine.soft_keys.shown && ShowsPcText(machine.screen)) PutKeyLine(machine);
}

RunFault RunOnEvent(Machine& machine, const Instruction& in, double*& sp) {
  const double argument = *--sp;
  EventTraps& events = machine.events;
  switch (static_cast<EventKind>(in.b)) {
    case EventKind::Key:
      if (!SetKeyHandler(events, WholeArgument(argument), in.a)) return NoSuchKey;
      return {};
    case EventKind::Timer:
      if (!SetTimerHandler(events, argument, in.a)) return IllegalCall("ON TIMER needs 1 to 86400 seconds");
      return {};
    case EventKind::Play:
      if (!SetPlayHandler(events, WholeArgument(argument), in.a)) return IllegalCall("ON PLAY needs 1 to 32 notes");
      return {};
  }
  return {};
}

RunFault RunSwitchEvent(Machine& machine, const Instruction& in, double*& sp) {
  const double argument = *--sp;
  const auto state = static_cast<TrapState>(in.b);
  switch (static_cast<EventKind>(in.a)) {
    case EventKind::Key:
      if (!SwitchKeyTrap(machine.events, WholeArgument(argument), state)) return NoSuchKey;
      return {};
    case EventKind::Timer: SwitchTrap(machine.events, TimerTrap, state); return {};
    case EventKind::Play: SwitchTrap(machine.events, PlayTrap, state); return {};
  }
  return {};
}

// KEY n, text$: 1 to 10 and 30, 31 (F11, F12) take a soft key's text, its
// first 15 bytes; 15 to 25 a key to trap, its shift flags and scan code.
RunFault RunKeyDefine(Machine& machine, const Instruction& /*in*/, double*& sp) {
  const int32_t key = WholeArgument(*--sp);
  RtString text = machine.Pop();
  const std::string bytes(BytesOf(text));
  ReleaseString(text);
  const int32_t soft = key >= 1 && key <= 10 ? key - 1 : key == 30 || key == 31 ? key - 20 : -1;
  if (soft >= 0) {
    machine.soft_keys.texts[soft] = bytes.substr(0, SoftKeyLength);
    HandSoftKeyToWindow(machine.soft_keys, soft);
    if (machine.soft_keys.shown && ShowsPcText(machine.screen)) {
      PutKeyLine(machine);
      DrawTextGrid(machine);
    }
    return {};
  }
  if (key < 15 || key > 25) return IllegalCall("KEY n needs a key from 1 to 25, 30 or 31");
  if (bytes.size() != 2) return IllegalCall("a key to trap is two bytes: CHR$(shift) + CHR$(scan code)");
  DefineUserKey(machine.events, key, static_cast<uint8_t>(bytes[0]), static_cast<uint8_t>(bytes[1]));
  return {};
}

RunFault RunKeyList(Machine& machine, const Instruction& /*in*/, double*& /*sp*/) {
  const std::string list = SoftKeyList(machine.soft_keys, SoftKeyCount);
  std::size_t start = 0;
  for (std::size_t end = list.find('\n'); end != std::string::npos; start = end + 1, end = list.find('\n', start)) {
    Printed(machine, std::string_view(list).substr(start, end - start));
    Printed(machine, "\r\n");
    FlushPrinted(machine);
  }
  return {};
}

// KEY ON and OFF: the line of labels on the PC's text screen's bottom row;
// the runtime's own screen keeps every row and only remembers the choice.
RunFault RunKeyShow(Machine& machine, const Instruction& in, double*& /*sp*/) {
  const bool show = in.a != 0;
  const bool was = machine.soft_keys.shown;
  machine.soft_keys.shown = show;
  if (!ShowsPcText(machine.screen)) return {};
  if (show) PutKeyLine(machine);
  else if (was) TakeKeyLineAway(machine);
  DrawTextGrid(machine);
  return {};
}
