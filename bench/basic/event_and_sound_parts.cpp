// basic_bench's (k), the cost of event traps, and (l), the processor time
// of music played in the background.
#include <cstdio>
#include <string>

#include "bench/basic/bench_runs.h"

namespace {

// (k): the same loop with an ON TIMER and an ON KEY trap set and none due
// (the program then checks for events before each statement), and without.
constexpr char EventLoopBody[] =
    "FOR I = 1 TO 100000: T = T + I * 0.5: IF T < 0 THEN T = 0\n"
    "NEXT\nEND\nTick: RETURN\n";
constexpr double EventIterations = 1e5;

// (l): a tune of 64 notes, four times up and down an octave.
std::string BackgroundTune() {
  std::string notes;
  for (int i = 0; i < 4; ++i) notes += "CDEFGAB>C<" "C>BAGFEDC<";
  return "PLAY \"MB T240 L16 O3 " + notes + "\"\n"
         "DO WHILE PLAY(0) > 0: _DELAY 0.01: LOOP\n";
}
constexpr int TuneNotes = 64;

}  // namespace

int EventFigures(int rounds) {
  const BasicProgramPtr plain = Compile(EventLoopBody, "no traps");
  const BasicProgramPtr trapped =
      Compile(std::string("ON TIMER(3600) GOSUB Tick: TIMER ON: ON KEY(1) GOSUB Tick: KEY(1) ON\n") + EventLoopBody,
              "traps");
  if (!plain || !trapped) return 1;
  const Timing without = TimeRuns(plain.get(), rounds);
  const Timing with = TimeRuns(trapped.get(), rounds);
  // A run takes about a millisecond, below the processor clock's tick:
  // only the wall clock's medians say anything.
  std::printf("events_plain_ns=%.2f\nevents_trapped_ns=%.2f\n", without.wall_ms * 1e6 / EventIterations,
              with.wall_ms * 1e6 / EventIterations);
  std::printf("events_ratio=%.3f (target at most 1.1)\n", with.wall_ms / without.wall_ms);
  return 0;
}

int SoundFigures(int rounds) {
  const BasicProgramPtr tune = Compile(BackgroundTune(), "background tune");
  if (!tune) return 1;
  const Timing timing = TimeRuns(tune.get(), rounds, ProcessorTime::Process);
  std::printf("background_tune_ms=%.1f for %d notes (processor %.1f, %.2f%% of the time)\n", timing.wall_ms,
              TuneNotes, timing.cpu_ms, 100 * timing.cpu_ms / timing.wall_ms);
  return 0;
}
