#include "basic/keys_and_sound/keyboard.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <string>

#include "basic/builtins/builtins.h"
#include "basic/executor/machine.h"
#include "basic/executor/string_values.h"
#include "basic/keys_and_sound/events.h"
#include "basic/text/input_script.h"
#include "basic/text/input_source.h"
#include "runtime/console/key_buffer.h"
#include "runtime/graphics/pixels.h"
#include "runtime/numeric/numeric.h"

namespace {

// How often a wait for a typed key looks at the buffer: often enough to
// feel at once, seldom enough to cost nothing.
constexpr int32_t KeyPollMs = 10;

// INPUT$ takes at most this many keys, as a string may hold.
constexpr int32_t MaxInputChars = 32767;

char ScriptKey(char byte) { return byte == '\n' ? '\r' : byte; }

}  // namespace

namespace {

// A trap's key never reaches the program: it is taken out first.
void TakeTrappedKeys(Machine& machine) {
  if (machine.events.any_armed) EventDue(machine);
}

// Whether a wait ends for an event its trap takes now; the event is taken
// before the next statement.
bool WaitEndsForEvent(Machine& machine) { return machine.events.any_armed && EventDue(machine); }

// How long a wait may sleep before it looks again: the poll, cut short by
// the timer's next event.
int32_t NextLookMs(const Machine& machine, double left_ms) {
  double ms = std::min<double>(left_ms, KeyPollMs);
  if (machine.events.any_armed) ms = std::min(ms, SecondsToTimer(machine.events) * 1000);
  return ms <= 0 ? 0 : static_cast<int32_t>(std::ceil(ms));
}

bool TakeNextKeyByte(Machine& machine, uint8_t* byte) {
  if (!machine.script) {
    TakeTrappedKeys(machine);
    return KeyBufferTake(byte);
  }
  char key = 0;
  if (!machine.script->NextKey(&key)) return false;
  *byte = static_cast<uint8_t>(ScriptKey(key));
  return true;
}

}  // namespace

void ShowBeforeWaiting(Machine& machine) {
  PagesSettle(machine.screen);
  GfxShowPending();
}

bool TakeKeyByte(Machine& machine, uint8_t* byte) {
  if (!TakeNextKeyByte(machine, byte)) return false;
  NoteKeyByte(machine.memory.ports, *byte);  // port &H60's last scan code
  return true;
}

bool AwaitKeyByte(Machine& machine, uint8_t* byte) {
  if (machine.script) return TakeKeyByte(machine, byte);
  ShowBeforeWaiting(machine);
  while (!TakeNextKeyByte(machine, byte)) SysSleep(NextLookMs(machine, KeyPollMs));
  NoteKeyByte(machine.memory.ports, *byte);
  return true;
}

bool AwaitKeyWaiting(Machine& machine) {
  if (machine.script) return machine.script->HasKey();
  ShowBeforeWaiting(machine);
  for (;;) {
    TakeTrappedKeys(machine);
    if (KeyBufferHasKey() || WaitEndsForEvent(machine)) return true;
    SysSleep(NextLookMs(machine, KeyPollMs));
  }
}

void AwaitKeyOrTime(Machine& machine, double ms) {
  if (machine.script && machine.script->HasKey()) return;
  ShowBeforeWaiting(machine);
  using Clock = std::chrono::steady_clock;
  const Clock::time_point end =
      Clock::now() + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double, std::milli>(ms));
  for (;;) {
    TakeTrappedKeys(machine);
    if ((!machine.script && KeyBufferHasKey()) || WaitEndsForEvent(machine)) return;
    const double left = std::chrono::duration<double, std::milli>(end - Clock::now()).count();
    if (left <= 0) return;
    SysSleep(NextLookMs(machine, left));
  }
}

// INKEY$: the next key, "" when none is waiting: a character, or a key
// without one as its two bytes, 0 and the scan code.
RunFault FnInkey(BuiltinCall& call) {
  Machine& machine = *call.machine;
  std::string key;
  uint8_t byte = 0;
  if (TakeKeyByte(machine, &byte)) {
    key += static_cast<char>(byte);
    if (byte == 0 && TakeKeyByte(machine, &byte)) key += static_cast<char>(byte);
  } else {
    ShowBeforeWaiting(machine);  // a program that polls for a key shows what it drew
    SysSleep(EmptyInkeyPauseMs);
    machine.events.countdown = 1;  // an INKEY$ loop looks for events at once
  }
  call.text = NewString(key);
  return {};
}

// INPUT$(n): n keys as their bytes, waited for and shown nowhere.
RunFault FnInputChars(BuiltinCall& call) {
  const int32_t count = NumToInt32(call.numbers[0]);
  if (count < 1 || count > MaxInputChars) return IllegalCall("INPUT$ needs a count from 1 to 32767");
  std::string keys;
  uint8_t byte = 0;
  while (static_cast<int32_t>(keys.size()) < count) {
    if (!AwaitKeyByte(*call.machine, &byte)) return RunFault{RunError::NoMoreInput};
    keys += static_cast<char>(byte);
  }
  call.text = NewString(keys);
  return {};
}
