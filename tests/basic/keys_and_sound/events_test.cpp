// Event traps: ON KEY, ON TIMER, ON PLAY and their switches, run with
// keys put in the window's key buffer before the run; the soft keys' KEY
// LIST and KEY ON's line on the PC's text screen.
#include <gtest/gtest.h>

#include <chrono>

#include "basic/keys_and_sound/events.h"
#include "basic/program.h"
#include "runtime/console/key_buffer.h"
#include "tests/basic/recording_runtime.h"

namespace {

constexpr uint32_t F1 = 0x70, Up = 0x26;

struct KeyedRun {
  BasicOutcome outcome = BasicOutcome::Ended;
  std::string message;
  std::string printed;
  std::string shown;  // what the PC's text screen showed
};

// Runs the program with these keys waiting: characters, or a virtual-key
// code above 0xFF for a key that types none (0x170 is F1).
KeyedRun RunWithWindowKeys(const std::string& source, const std::vector<uint32_t>& keys) {
  StartRecording();
  std::vector<BasicDiagnostic> errors;
  BasicProgramPtr program = BasicCompile(source, "events.bas", &errors);
  EXPECT_NE(program, nullptr) << source << (errors.empty() ? "" : errors[0].message);
  if (!program) return {};
  KeyBufferClear();
  KeyBufferSetShiftFlags(0);
  for (const uint32_t key : keys) {
    if (key > 0xFF) KeyBufferPutKeyDown(key - 0x100);
    else KeyBufferPutChar(static_cast<uint8_t>(key));
  }
  std::string transcript;
  BasicRunOptions options;
  options.transcript = &transcript;
  const BasicRunResult result = BasicRun(program.get(), options);
  KeyBufferClear();
  return KeyedRun{result.outcome, result.message, TheRecording.printed, transcript};
}

TEST(BasicEvents, KeyTrapsTakeTheirKeysAsTheSwitchesSay) {
  const struct {
    const char* source;
    std::vector<uint32_t> keys;
    const char* printed;
    const char* why;
  } cases[] = {
      {"ON KEY(1) GOSUB Hit: KEY(1) STOP\nFOR i = 1 TO 100: NEXT\nPRINT \"on\": KEY(1) ON\n"
       "FOR i = 1 TO 100: NEXT\nPRINT \"end\"; n: END\nHit: n = n + 1: PRINT \"hit\": RETURN",
       {0x100 + F1}, "on\r\nhit\r\nend 1 \r\n", "a key while stopped is taken once, when the trap is on"},
      {"ON KEY(1) GOSUB Hit: KEY(1) STOP\nFOR i = 1 TO 100: NEXT\nKEY(1) OFF: KEY(1) ON\n"
       "FOR i = 1 TO 100: NEXT\nPRINT n; LEN(INKEY$): END\nHit: n = n + 1: RETURN",
       {0x100 + F1}, " 0  0 \r\n", "OFF forgets the remembered key, which stays taken"},
      {"ON KEY(11) GOSUB Hit: KEY(11) ON\nA$ = INKEY$: B$ = INKEY$: C$ = INKEY$\nPRINT A$; B$; LEN(C$); n: END\n"
       "Hit: n = n + 1: RETURN",
       {'a', 0x100 + Up, 'b'}, "ab 0  1 \r\n", "a trapped key never reaches INKEY$; the others keep their order"},
      {"KEY 15, CHR$(0) + CHR$(30): ON KEY(15) GOSUB Hit: KEY(15) ON\nFOR i = 1 TO 100: NEXT\n"
       "PRINT n; INKEY$: END\nHit: n = n + 1: RETURN",
       {'x', 'a'}, " 1 x\r\n", "a user key by its scan code: A is 30"},
      {"KEY 15, CHR$(4) + CHR$(30): ON KEY(15) GOSUB Hit: KEY(15) ON\nFOR i = 1 TO 100: NEXT\n"
       "PRINT n; INKEY$: END\nHit: n = n + 1: RETURN",
       {'a'}, " 0 a\r\n", "Ctrl+A is not A without Ctrl"},
      {"ON KEY(1) GOSUB Hit\nFOR i = 1 TO 100: NEXT\nPRINT n; LEN(INKEY$): END\nHit: n = n + 1: RETURN",
       {0x100 + F1}, " 0  2 \r\n", "a trap never switched on leaves the key alone"},
      {"ON KEY(1) GOSUB Hit: KEY(1) ON\nWork\nPRINT \"back\": END\nHit: PRINT \"hit\": RETURN\n"
       "SUB Work\n  x = 5\n  FOR i = 1 TO 100: NEXT\n  PRINT \"in sub\"; x\nEND SUB",
       {}, "in sub 5 \r\nback\r\n", "no key, no handler"},
      {"ON KEY(1) GOSUB Hit\nWork\nPRINT \"back\": END\nHit: PRINT \"hit\": RETURN\n"
       "SUB Work\n  x = 5\n  KEY(1) ON\n  PRINT \"in sub\"; x\nEND SUB",
       {0x100 + F1}, "hit\r\nin sub 5 \r\nback\r\n", "the handler's RETURN resumes inside the SUB"},
      {"ON KEY(1) GOSUB Hit\nn = 10\nPRINT Twice(3); n: END\nHit: n = n + 1: PRINT \"hit\"; n: RETURN\n"
       "FUNCTION Twice (x)\n  n = 100\n  KEY(1) ON\n  Twice = x * 2 + n\nEND FUNCTION",
       {0x100 + F1}, "hit 11 \r\n 106  11 \r\n",
       "inside a FUNCTION, in the middle of an expression: the handler has the program's variables"},
      {"ON KEY(1) GOSUB Hit: KEY(1) ON\nFOR i = 1 TO 100: NEXT\nPRINT n: END\n"
       "Hit: n = n + 1: FOR j = 1 TO 100: NEXT: RETURN",
       {0x100 + F1, 0x100 + F1}, " 1 \r\n", "two presses before a look are one event: a trap keeps one flag"},
  };
  for (const auto& c : cases) {
    const KeyedRun run = RunWithWindowKeys(c.source, c.keys);
    EXPECT_EQ(run.message, "") << c.why;
    EXPECT_EQ(run.printed, c.printed) << c.why;
  }
}

TEST(BasicEvents, ASwitchOrHandlerForNoKeyIsAnIllegalCall) {
  for (const char* source : {"KEY(0) ON", "KEY(26) ON", "KEY(32) STOP", "ON KEY(-1) GOSUB 10\n10 END",
                             "ON TIMER(0) GOSUB H\nH: RETURN", "ON TIMER(86401) GOSUB H\nH: RETURN",
                             "KEY 12, \"x\"", "KEY 15, \"abc\""}) {
    const KeyedRun run = RunWithWindowKeys(source, {});
    EXPECT_EQ(run.outcome, BasicOutcome::RuntimeError) << source;
    EXPECT_NE(run.message.find("Illegal function call"), std::string::npos) << source << ": " << run.message;
  }
}

TEST(BasicEvents, PlaySwitchesAreAcceptedWithoutMusic) {
  const KeyedRun run = RunWithWindowKeys(
      "ON PLAY(3) GOSUB Music: PLAY ON: PLAY STOP: PLAY OFF: PLAY ON\nFOR i = 1 TO 100: NEXT\n"
      "PRINT n: END\nMusic: n = n + 1: RETURN",
      {});
  EXPECT_EQ(run.message, "");
  EXPECT_EQ(run.printed, " 0 \r\n") << "no music, no event";
}

double FakeSeconds = 0;
double AdvancingClock() { return FakeSeconds += 0.01; }

class FakeEventClock : public ::testing::Test {
 protected:
  void SetUp() override {
    FakeSeconds = 0;
    saved_ = EventClock;
    EventClock = AdvancingClock;
  }
  void TearDown() override { EventClock = saved_; }
  double (*saved_)() = nullptr;
};

TEST_F(FakeEventClock, TheTimerFiresOncePerPeriodAndAKeyMayInterruptItsHandler) {
  const KeyedRun run = RunWithWindowKeys(
      "ON TIMER(1) GOSUB Tick: ON KEY(1) GOSUB Hit: KEY(1) STOP: TIMER ON\n"
      "DO: LOOP UNTIL ticks >= 3\nTIMER OFF: PRINT \"done\"; ticks: END\n"
      "Tick: ticks = ticks + 1: PRINT \"tick\": KEY(1) ON: FOR i = 1 TO 3: NEXT: PRINT \"tick end\": RETURN\n"
      "Hit: PRINT \"hit\": RETURN",
      {0x100 + F1});
  EXPECT_EQ(run.message, "");
  EXPECT_EQ(run.printed, "tick\r\nhit\r\ntick end\r\ntick\r\ntick end\r\ntick\r\ntick end\r\ndone 3 \r\n");
  // Each look reads the clock once, 0.01 s on: three periods are about
  // 300 looks, not one more event than the periods.
  EXPECT_GE(FakeSeconds, 3.0);
  EXPECT_LT(FakeSeconds, 3.2);
}

// The real clock, each reading kept: the first is ON TIMER's, from which
// the timer counts.
std::vector<double> ClockReadings;
double RecordedSteadyClock() {
  const double now = std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
  ClockReadings.push_back(now);
  return now;
}

TEST(BasicEvents, TheTimerEndsASleepOnItsSecond) {
  using Clock = std::chrono::steady_clock;
  ClockReadings.clear();
  double (*const saved)() = EventClock;
  EventClock = RecordedSteadyClock;
  const Clock::time_point start = Clock::now();
  const KeyedRun run = RunWithWindowKeys(
      "ON TIMER(1) GOSUB Tick: TIMER ON\nSLEEP 5\nPRINT ticks: END\nTick: ticks = ticks + 1: RETURN", {});
  const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
  EventClock = saved;
  EXPECT_EQ(run.printed, " 1 \r\n");
  EXPECT_LT(seconds, 1.5) << "SLEEP ended for the event, long before its 5 seconds";
  ASSERT_FALSE(ClockReadings.empty());
  const double due = ClockReadings.front() + 1;
  double noticed = 0;
  for (const double reading : ClockReadings) {
    if (reading >= due) {
      noticed = reading;
      break;
    }
  }
  ASSERT_GT(noticed, 0) << "the wait never read the clock past the timer's second";
  // The wait sleeps until the second, so it looks within a millisecond or
  // two of it (the target is 10 ms); a loaded machine may wake a thread
  // late, hence the generous margin. Without waking for the timer, a poll
  // every 10 ms would miss it by up to 10 ms, a 5-second SLEEP by 4 s.
  EXPECT_LT(noticed - due, 0.050) << "the wait looked " << (noticed - due) * 1000 << " ms after the second";
}

TEST(BasicSoftKeys, AFunctionKeyTypesItsTextIntoALineOnTheTextScreen) {
  constexpr uint32_t F3 = 0x72, F4 = 0x73;
  const struct {
    const char* source;
    std::vector<uint32_t> keys;
    const char* shown;
    const char* why;
  } cases[] = {
      {"WIDTH 80: KEY 3, \"ab\": LINE INPUT A$: PRINT \"[\"; A$; \"]\"", {'x', 0x100 + F3, 'y', 13},
       "xaby\r\n[xaby]\r\n", "typed where the cursor is, as keys"},
      {"WIDTH 80: KEY 3, \"run\" + CHR$(13): LINE INPUT A$: PRINT \"[\"; A$; \"]\"", {0x100 + F3, 'z', 13},
       "run\r\n[run]\r\n", "its Enter ends the line"},
      {"WIDTH 80: KEY 4, CHR$(0) + CHR$(62) + \"q\": LINE INPUT A$: PRINT \"[\"; A$; \"]\"", {0x100 + F4, 13},
       "q\r\n[q]\r\n", "a text naming a function key types nothing for it, and never loops"},
  };
  for (const auto& c : cases) {
    const KeyedRun run = RunWithWindowKeys(c.source, c.keys);
    EXPECT_EQ(run.message, "") << c.why;
    EXPECT_EQ(run.shown, c.shown) << c.why;
  }
}

TEST(BasicSoftKeys, KeyListShowsTheTextsAsDefinedAndCut) {
  const KeyedRun run =
      RunWithWindowKeys("KEY 1, \"FILES\" + CHR$(13): KEY 3, STRING$(20, \"x\"): KEY 31, \"end\": KEY LIST", {});
  EXPECT_EQ(run.message, "");
  EXPECT_EQ(run.printed,
            "F1 FILES \r\nF2 RUN \r\nF3 xxxxxxxxxxxxxxx\r\nF4 SAVE\"\r\nF5 CONT \r\nF6 ,\"LPT1:\" \r\n"
            "F7 TRON \r\nF8 TROFF \r\nF9 KEY \r\nF10 SCREEN 0,0,0 \r\nF11 \r\nF12 end\r\n");
}

}  // namespace
