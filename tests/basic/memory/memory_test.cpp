// The emulated memory's and ports' parts that a BASIC program alone cannot
// set up: the keyboard's flags, the clock behind the BIOS ticks, the clock
// behind the retrace and WAIT's sleep, and the colours the window shows.
#include <gtest/gtest.h>

#include <string>

#include "basic/builtins/clock.h"
#include "basic/memory/ports.h"
#include "runtime/console/key_buffer.h"
#include "tests/basic/recording_runtime.h"

namespace {

std::string Printed(const std::string& source) {
  const ProgramRun run = RunProgram(source);
  EXPECT_EQ(run.errors + run.message, "") << source;
  return run.printed;
}

TEST(BasicMemory, KeyboardFlagsAreTheKeyboardsState) {
  const struct {
    uint16_t flags;
    const char* printed;
    const char* why;
  } cases[] = {
      {0x0000, " 0  0 \r\n", "no key down, no lock on"},
      {0x0040, " 64  0 \r\n", "Caps Lock on: bit 6 of &H417"},
      {0x0020, " 32  0 \r\n", "Num Lock on: bit 5"},
      {0x0010, " 16  0 \r\n", "Scroll Lock on: bit 4"},
      {0x0003, " 3  0 \r\n", "both Shifts: bits 0 and 1"},
      {0x010C, " 12  1 \r\n", "Ctrl and Alt, the left Ctrl held: bit 0 of &H418"},
  };
  for (const auto& c : cases) {
    KeyBufferSetShiftFlags(c.flags);
    EXPECT_EQ(Printed("DEF SEG = 0: PRINT PEEK(&H417); PEEK(&H418)"), c.printed) << c.why;
  }
  KeyBufferSetShiftFlags(0);
}

SysTime FixedMoment;
void FixedClock(SysTime* now) { *now = FixedMoment; }

TEST(BasicMemory, TicksCountFromMidnightWithTheClock) {
  const struct {
    int hour, minute, second, millisecond;
    const char* printed;
    const char* why;
  } cases[] = {
      {0, 0, 0, 0, " 0 \r\n", "midnight is tick 0"},
      {0, 0, 1, 0, " 18 \r\n", "18.2 ticks a second, whole ones counted"},
      {0, 0, 10, 0, " 182 \r\n", "ten seconds"},
      {12, 0, 0, 0, " 786521 \r\n", "noon: all four bytes in use"},
      {12, 0, 1, 0, " 786539 \r\n", "a second later"},
      {23, 59, 59, 999, " 1573042 \r\n", "the day's last tick"},
  };
  BuiltinClock = FixedClock;
  for (const auto& c : cases) {
    FixedMoment = SysTime{};
    FixedMoment.hour = c.hour;
    FixedMoment.minute = c.minute;
    FixedMoment.second = c.second;
    FixedMoment.millisecond = c.millisecond;
    EXPECT_EQ(Printed("DEF SEG = 0\n"
                      "PRINT PEEK(&H46C) + 256& * PEEK(&H46D) + 65536 * PEEK(&H46E) + 16777216# * PEEK(&H46F)"),
              c.printed)
        << c.why;
  }
  BuiltinClock = SysLocalTime;
}

int64_t FakeMicros = 0;
int64_t Slept = 0;
int64_t FakeClock() { return FakeMicros; }
void FakeSleep(int64_t micros) {
  FakeMicros += micros;
  Slept += micros;
}

// A frame is 1/60 s, 16666.7 us; its retrace the first twelfth, 1388.9 us.
TEST(BasicMemory, RetraceFollowsTheClockAndWaitSleepsUntilIt) {
  const struct {
    int64_t start;
    const char* source;
    const char* printed;
    int64_t slept;
    const char* why;
  } cases[] = {
      {0, "PRINT INP(&H3DA)", " 8 \r\n", 0, "a frame starts in its retrace"},
      {1388, "PRINT INP(&H3DA)", " 8 \r\n", 0, "still in it"},
      {1389, "PRINT INP(&H3DA)", " 0 \r\n", 0, "past it"},
      {16667, "PRINT INP(&H3DA)", " 8 \r\n", 0, "the next frame's"},
      {5000, "WAIT &H3DA, 8: PRINT INP(&H3DA)", " 8 \r\n", 11667, "to the next frame's start"},
      {100, "WAIT &H3DA, 8: PRINT INP(&H3DA)", " 8 \r\n", 0, "in the retrace already"},
      {100, "WAIT &H3DA, 8, 8: PRINT INP(&H3DA)", " 0 \r\n", 1289, "to the retrace's end"},
      {100, "WAIT &H3DA, 8, 8: WAIT &H3DA, 8: PRINT INP(&H3DA)", " 8 \r\n", 16567, "a whole frame, end then start"},
  };
  const auto steady_clock = PortClockMicros;
  const auto system_sleep = PortSleepMicros;
  PortClockMicros = FakeClock;
  PortSleepMicros = FakeSleep;
  for (const auto& c : cases) {
    FakeMicros = c.start;
    Slept = 0;
    EXPECT_EQ(Printed(c.source), c.printed) << c.why;
    EXPECT_EQ(Slept, c.slept) << c.why;
  }
  PortClockMicros = steady_clock;
  PortSleepMicros = system_sleep;
}

TEST(BasicMemory, ColourRegistersShowAsPaletteDoes) {
  // Colour 1 written bright red, then a pixel of it drawn: the window shows
  // 63 widened to 255. Written after the pixel, the pixel keeps its colour,
  // as after PALETTE.
  const ProgramRun run = RunProgram(
      "SCREEN 13: OUT &H3C8, 1: OUT &H3C9, 63: OUT &H3C9, 0: OUT &H3C9, 21\n"
      "PSET (10, 10), 1");
  ASSERT_EQ(run.errors + run.message, "");
  EXPECT_EQ(RecordedPixel(20, 20), Colour{0xFF | 0x55u << 16}) << std::hex << RecordedPixel(20, 20);
}

}  // namespace
