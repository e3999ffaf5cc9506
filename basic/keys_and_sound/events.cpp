#include "basic/keys_and_sound/events.h"

#include <chrono>
#include <cmath>

#include "basic/executor/machine.h"
#include "basic/keys_and_sound/program_sound.h"
#include "runtime/console/key_buffer.h"

namespace {

double SteadySeconds() {
  return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

// With no trap armed the countdown need not run out for years.
constexpr int32_t IdleCountdown = 1 << 30;

// The first user key's number, and how many there are.
constexpr int32_t FirstUserKey = 15;
constexpr int32_t UserKeyCount = 11;

// The keys 1 to 14 and 30, 31 trap: function keys, then the arrows.
uint8_t FixedKeyScanCode(int32_t key) {
  static constexpr uint8_t Fixed[] = {59, 60, 61, 62, 63, 64, 65, 66, 67, 68,  // F1 to F10
                                      72, 75, 77, 80};                       // up, left, right, down
  if (key >= 1 && key <= 14) return Fixed[key - 1];
  if (key == 30) return 133;  // F11
  if (key == 31) return 134;  // F12
  return 0;
}

bool IsUserKey(int32_t key) { return key >= FirstUserKey && key < FirstUserKey + UserKeyCount; }
bool IsKey(int32_t key) { return FixedKeyScanCode(key) != 0 || IsUserKey(key); }

// The PC scan code of the key that types a character: letters (also with
// Ctrl, as codes 1 to 26), digits and the few keys with a character of
// their own; 0 for the rest.
uint8_t CharacterScanCode(uint8_t ch) {
  static constexpr char Rows[] = "qwertyuiop";    // 16 to 25
  static constexpr char Home[] = "asdfghjkl";     // 30 to 38
  static constexpr char Bottom[] = "zxcvbnm";     // 44 to 50
  if (ch >= 1 && ch <= 26 && ch != 8 && ch != 9 && ch != 13) ch = static_cast<uint8_t>('a' + ch - 1);
  if (ch >= 'A' && ch <= 'Z') ch = static_cast<uint8_t>(ch - 'A' + 'a');
  for (int32_t i = 0; Rows[i]; ++i) if (ch == Rows[i]) return static_cast<uint8_t>(16 + i);
  for (int32_t i = 0; Home[i]; ++i) if (ch == Home[i]) return static_cast<uint8_t>(30 + i);
  for (int32_t i = 0; Bottom[i]; ++i) if (ch == Bottom[i]) return static_cast<uint8_t>(44 + i);
  if (ch >= '1' && ch <= '9') return static_cast<uint8_t>(2 + ch - '1');
  switch (ch) {
    case '0': return 11;
    case 27: return 1;    // Esc
    case 8: return 14;    // Backspace
    case 9: return 15;    // Tab
    case 13: return 28;   // Enter
    case ' ': return 57;
    default: return 0;
  }
}

// A user key's shift flags against the BIOS's: Shift (either), Ctrl, Alt,
// NumLock and CapsLock must agree; 128 (an extended key) may be given or not.
bool ShiftsAgree(uint8_t wanted, uint8_t flags) {
  const bool wants_shift = (wanted & 0x03) != 0;
  const bool has_shift = (flags & 0x03) != 0;
  return wants_shift == has_shift && (wanted & 0x6C) == (flags & 0x6C);
}

bool Takes(const EventTrap& trap) { return trap.handler >= 0 && trap.state != TrapState::Off; }

void Rearm(EventTraps& events) {
  events.any_armed = false;
  for (const EventTrap& trap : events.traps) events.any_armed = events.any_armed || Takes(trap);
  events.countdown = 1;  // the next statement looks
}

bool TakeTrappedKey(const uint8_t* key, int32_t length, void* context) {
  return TrapKey(*static_cast<EventTraps*>(context), key, length, static_cast<uint8_t>(KeyBufferShiftFlags()));
}

// Notes the events that came since the last look.
void Gather(Machine& machine) {
  EventTraps& events = machine.events;
  if (!events.any_armed) return;
  if (KeyBufferMayHaveKey()) KeyBufferExtract(TakeTrappedKey, &events);
  EventTrap& timer = events.traps[TimerTrap];
  if (Takes(timer) && events.timer_period > 0) {
    const double now = EventClock();
    if (now >= events.timer_due) {
      timer.pending = true;
      events.timer_due += events.timer_period;
      if (events.timer_due <= now) events.timer_due = now + events.timer_period;  // one event for the periods missed
    }
  }
  EventTrap& play = events.traps[PlayTrap];
  if (Takes(play)) {
    const int32_t queued = PlayNotesQueued(machine);
    if (queued < events.play_threshold && events.play_queued >= events.play_threshold) play.pending = true;
    events.play_queued = queued;
  }
}

bool Ready(const EventTrap& trap) {
  return trap.pending && trap.state == TrapState::On && trap.handling_depth == 0 && trap.handler >= 0;
}

}  // namespace

double (*EventClock)() = SteadySeconds;

bool SetKeyHandler(EventTraps& events, int32_t key, int32_t target) {
  if (!IsKey(key)) return false;
  events.traps[key].handler = target;
  Rearm(events);
  return true;
}

bool SetTimerHandler(EventTraps& events, double seconds, int32_t target) {
  if (!(seconds >= 1 && seconds <= 86400)) return false;
  events.timer_period = std::floor(seconds);
  events.timer_due = EventClock() + events.timer_period;
  events.traps[TimerTrap].handler = target;
  Rearm(events);
  return true;
}

bool SetPlayHandler(EventTraps& events, int32_t notes, int32_t target) {
  if (notes < 1 || notes > 32) return false;
  events.play_threshold = notes;
  events.traps[PlayTrap].handler = target;
  Rearm(events);
  return true;
}

bool SwitchKeyTrap(EventTraps& events, int32_t key, TrapState state) {
  if (!IsKey(key)) return false;
  SwitchTrap(events, key, state);
  return true;
}

void SwitchTrap(EventTraps& events, int32_t index, TrapState state) {
  EventTrap& trap = events.traps[index];
  if (index == TimerTrap && trap.state == TrapState::Off && state != TrapState::Off) {
    events.timer_due = EventClock() + events.timer_period;  // the count starts again
  }
  if (state == TrapState::Off) trap.pending = false;
  trap.state = state;
  Rearm(events);
}

void DefineUserKey(EventTraps& events, int32_t key, uint8_t shift, uint8_t scan) {
  if (!IsUserKey(key)) return;
  events.user_keys[key - FirstUserKey] = static_cast<uint16_t>(shift << 8 | scan);
}

bool TrapKey(EventTraps& events, const uint8_t* key, int32_t length, uint8_t shift_flags) {
  const bool extended = length == 2 && key[0] == 0;
  const uint8_t scan = extended ? key[1] : CharacterScanCode(key[0]);
  if (scan == 0) return false;
  for (int32_t n = 1; n < KeyTrapCount; ++n) {
    EventTrap& trap = events.traps[n];
    if (!Takes(trap)) continue;
    bool match = false;
    if (IsUserKey(n)) {
      const uint16_t user = events.user_keys[n - FirstUserKey];
      match = user != 0 && (user & 0xFF) == scan && ShiftsAgree(static_cast<uint8_t>(user >> 8), shift_flags);
    } else {
      match = extended && FixedKeyScanCode(n) == scan;
    }
    if (match) {
      trap.pending = true;
      return true;
    }
  }
  return false;
}

int32_t TakeEvent(Machine& machine, std::size_t gosub_depth) {
  EventTraps& events = machine.events;
  Gather(machine);
  events.countdown = events.any_armed ? EventPollInterval : IdleCountdown;
  for (EventTrap& trap : events.traps) {
    if (!Ready(trap)) continue;
    trap.pending = false;
    trap.handling_depth = static_cast<int32_t>(gosub_depth);
    ++events.handlers_running;
    return trap.handler;
  }
  return -1;
}

void EndHandlers(EventTraps& events, std::size_t depth) {
  for (EventTrap& trap : events.traps) {
    if (trap.handling_depth > 0 && static_cast<std::size_t>(trap.handling_depth) > depth) {
      trap.handling_depth = 0;
      --events.handlers_running;
    }
  }
  events.countdown = 1;  // a remembered event is taken at once
}

bool EventDue(Machine& machine) {
  Gather(machine);
  for (const EventTrap& trap : machine.events.traps) {
    if (Ready(trap)) {
      machine.events.countdown = 1;
      return true;
    }
  }
  return false;
}

double SecondsToTimer(const EventTraps& events) {
  const EventTrap& timer = events.traps[TimerTrap];
  if (!Takes(timer) || events.timer_period <= 0) return 1e9;
  return events.timer_due - EventClock();
}
