// Event traps: ON KEY(n), ON TIMER(n) and ON PLAY(n) GOSUB, switched by
// KEY(n), TIMER and PLAY ON, OFF and STOP. Events are looked for between
// statements: a program whose text traps none has no check at all, and one
// that does pays a countdown per statement, looking at the keys and the
// clock only when it runs out (or at once after a wait or a RETURN).
//
// A trap that is ON takes its event: the program GOSUBs to the handler,
// and the trap stays stopped until that GOSUB's RETURN. An event while
// the trap is STOPped is remembered and taken once it is ON; OFF forgets
// it and sees no more. A trapped key is consumed: INKEY$ never sees it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

struct Machine;

// The traps, one per key (1 to 31, of which 26 to 29 are no key), then
// the timer's and the music's.
inline constexpr int32_t KeyTrapCount = 32;
inline constexpr int32_t TimerTrap = KeyTrapCount;
inline constexpr int32_t PlayTrap = KeyTrapCount + 1;
inline constexpr int32_t TrapCount = KeyTrapCount + 2;

// The kinds of trap the instructions OnEvent and SwitchEvent name.
enum class EventKind : int32_t { Key, Timer, Play };

// What KEY(n), TIMER and PLAY switch a trap to.
enum class TrapState : uint8_t { Off, On, Stopped };

struct EventTrap {
  int32_t handler = -1;  // the GOSUB's target; -1 with none set
  TrapState state = TrapState::Off;
  bool pending = false;         // its event happened and waits to be taken
  int32_t handling_depth = 0;   // the GOSUB stack's size in its handler; 0 when not in it
};

// Checks between two looks at the keys and the clock, while any trap is
// ON or STOPped: often enough that a due event waits microseconds in a
// loop of plain statements (a millisecond or two in one of slow ones),
// seldom enough that the clock's reading costs nothing.
inline constexpr int32_t EventPollInterval = 256;

struct EventTraps {
  EventTrap traps[TrapCount];
  // Counts statements down to the next look; a wait or a RETURN from a
  // handler sets it to 1, so that the next statement looks.
  int32_t countdown = EventPollInterval;
  bool any_armed = false;        // some trap is ON or STOPped
  int32_t handlers_running = 0;  // handlers whose RETURN has not come
  double timer_period = 0;       // ON TIMER's seconds
  double timer_due = 0;          // when the timer's next event comes, in EventClock's seconds
  int32_t play_threshold = 0;    // ON PLAY's count of notes
  int32_t play_queued = 0;       // the music's notes at the last look
  // KEY 15 to 25's keys: the shift flags (high byte) and scan code (low).
  uint16_t user_keys[11] = {};
};

// The clock the timer counts by, in seconds: the steady clock, unless a
// test has put its own in its place.
extern double (*EventClock)();

// The notes the background music has still to play: program_sound.h's
// PlayNotesQueued.

// ON KEY(n) / TIMER(n) / PLAY(n) GOSUB target (-1: none); false when n is
// out of the trap's range.
bool SetKeyHandler(EventTraps& events, int32_t key, int32_t target);
bool SetTimerHandler(EventTraps& events, double seconds, int32_t target);
bool SetPlayHandler(EventTraps& events, int32_t notes, int32_t target);
// KEY(n), TIMER, PLAY ON/OFF/STOP; false when n names no key.
bool SwitchKeyTrap(EventTraps& events, int32_t key, TrapState state);
void SwitchTrap(EventTraps& events, int32_t trap, TrapState state);
// KEY n, CHR$(shift) + CHR$(scan) for n from 15 to 25.
void DefineUserKey(EventTraps& events, int32_t key, uint8_t shift, uint8_t scan);

// Whether the key (a character, or 0 and a scan code) is one a trap that
// is not OFF takes: then it is noted as that trap's event. The shift flags
// are the BIOS's byte at 0:&H417.
bool TrapKey(EventTraps& events, const uint8_t* key, int32_t length, uint8_t shift_flags);

// The between-statements look, when the countdown has run out: the keys,
// the clock, the music; the position of the handler to GOSUB to now, or -1.
// `gosub_depth` is the GOSUB stack's size once the return is pushed.
int32_t TakeEvent(Machine& machine, std::size_t gosub_depth);
// A RETURN took the GOSUB stack down to `depth`: the handlers it ended
// have their traps back.
void EndHandlers(EventTraps& events, std::size_t depth);
// Whether a trap that is ON has its event waiting to be taken (a wait ends
// early for it); looks at the keys and the clock first.
bool EventDue(Machine& machine);
// Seconds until the timer's next event, for a wait to wake in time; a
// large number when no timer counts.
double SecondsToTimer(const EventTraps& events);
