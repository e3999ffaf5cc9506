// The sound queue and its recording: tunes, SOUND and BEEP written to a WAV
// file on a clock the test moves, read back, and each note's frequency and
// length found in the samples themselves.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "basic/keys_and_sound/play_string.h"
#include "basic/keys_and_sound/program_sound.h"
#include "basic/keys_and_sound/sound_queue.h"
#include "basic/keys_and_sound/wav_writer.h"
#include "tools/wav_notes/wav_notes.h"
#include "tests/basic/recording_runtime.h"

namespace {

// Time passes only when the queue sleeps, or when the test says.
class TestClock final : public SoundClock {
 public:
  double NowMs() override { return now; }
  void SleepMs(double ms) override { now += ms; }
  double now = 1000;
};

// An equally tempered note: semitones above octave 3's A, 440 Hz.
double Hz(int semitones) { return 440.0 * std::pow(2.0, semitones / 12.0); }

std::string TempWav(const char* name) { return ::testing::TempDir() + name; }

// Plays the commands on its own queue and clock, recording them.
class TuneRecorder final : public PlayTarget {
 public:
  explicit TuneRecorder(const std::string& path) : queue(clock, nullptr) {
    EXPECT_TRUE(wav.Open(path));
    queue.RecordTo(&wav);
  }
  void Tone(const PlayTone& tone) override {
    queue.Add(tone.frequency, tone.sound_ms, tone.silence_ms, voice.background);
  }
  double Number(const std::string&) override { return 0; }
  std::string_view Text(const std::string&) override { return {}; }

  TestClock clock;
  WavWriter wav;
  SoundQueue queue;
  PlayVoice voice;
};

void ExpectHeard(const std::vector<HeardSound>& heard, const std::vector<HeardSound>& expected,
                 const std::string& why) {
  ASSERT_EQ(heard.size(), expected.size()) << why;
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const HeardSound& e = expected[i];
    EXPECT_NEAR(heard[i].frequency, e.frequency, e.frequency * 0.01) << why << ", sound " << i;
    EXPECT_NEAR(heard[i].length_ms, e.length_ms, 5) << why << ", sound " << i;
    EXPECT_NEAR(heard[i].start_ms, e.start_ms, 5) << why << ", sound " << i;
  }
}

std::vector<HeardSound> Recorded(const std::string& path) {
  std::vector<int16_t> samples;
  EXPECT_TRUE(ReadWav(path, &samples)) << path;
  return SoundsIn(samples);
}

TEST(BasicSound, EveryNoteOfATuneIsHeardAtItsPitchAndForItsLength) {
  // {start, sound's length, frequency}: at T120 a quarter note is 500 ms,
  // MN sounds 7/8 of it, MS 3/4, ML all; rests and N0 are silent.
  const struct {
    const char* commands;
    std::vector<HeardSound> heard;
    double total_ms;
    const char* why;
  } cases[] = {
      {"T120 O3 L4 A P4 MS A8. ML O4 C16 P16 MN N0 > C < T240 A2 L8 O2 E",
       {{0, 437.5, Hz(0)}, {1000, 281.25, Hz(0)}, {1375, 125, Hz(3)}, {2125, 437.5, Hz(15)},
        {2625, 437.5, Hz(12)}, {3125, 109.375, Hz(-17)}},
       3250, "rests, dots, articulation, N0, octaves, tempo"},
      {"L8 CDE", {{0, 218.75, Hz(3)}, {250, 218.75, Hz(5)}, {500, 218.75, Hz(7)}}, 750, "octave 4 at first"},
      {"O2 C#4 D-4 B+ G..", {{0, 437.5, Hz(-20)}, {500, 437.5, Hz(-20)}, {1000, 437.5, Hz(-9)}, {1500, 984.375, Hz(-14)}},
       2625, "sharps, flats and dots, each half as long again"},
      {"MB T200 L16 N37 N49 P8 N61", {{0, 65.625, Hz(-9)}, {75, 65.625, Hz(3)}, {300, 65.625, Hz(15)}}, 375,
       "the background plays the same tune"},
  };
  for (const auto& c : cases) {
    const std::string path = TempWav("tune.wav");
    TuneRecorder tune(path);
    EXPECT_EQ(RunPlayString(c.commands, tune.voice, tune), "") << c.why;
    tune.queue.PlayOut();
    EXPECT_NEAR(tune.clock.now - 1000, c.total_ms, 0.5) << c.why << ": the time it took";
    tune.wav.Close();
    ExpectHeard(Recorded(path), c.heard, c.why);
  }
}

TEST(BasicSound, ForegroundHoldsTheProgramAndBackgroundQueuesUpTo32Notes) {
  TuneRecorder tune(TempWav("queue.wav"));
  EXPECT_EQ(RunPlayString("MB T120 L4 CDEFG", tune.voice, tune), "");
  EXPECT_EQ(tune.clock.now, 1000) << "the background does not hold the program";
  EXPECT_EQ(tune.queue.Queued(), 5);
  tune.clock.now += 1250;
  EXPECT_EQ(tune.queue.Queued(), 3) << "two notes have played, the third is playing";
  EXPECT_EQ(RunPlayString("MF C", tune.voice, tune), "");
  EXPECT_EQ(tune.clock.now, 1000 + 3000) << "a foreground note waits for the queue and itself";
  EXPECT_EQ(tune.queue.Queued(), 0);
  EXPECT_EQ(RunPlayString("MB L64 T255" + std::string(40, 'C'), tune.voice, tune), "");
  EXPECT_EQ(tune.queue.Queued(), MostQueuedTones) << "a full queue makes room one note at a time";
  EXPECT_NEAR(tune.clock.now - 4000, 8 * 60000.0 / 255 / 16, 0.01) << "it waited for eight notes";
}

TEST(BasicSound, SilenceBetweenSoundsIsRecordedAsItHappened) {
  const std::string path = TempWav("gaps.wav");
  TuneRecorder tune(path);
  tune.queue.Add(440, 100, 0, false);
  tune.clock.now += 400;  // the program ran on for 400 ms
  tune.queue.Add(880, 100, 50, false);
  tune.clock.now += GapToleranceMs / 2;  // too short a pause to break a tune
  tune.queue.Add(660, 100, 0, false);
  std::vector<int16_t> samples;
  ASSERT_TRUE(ReadWav(path, &samples)) << "whole while it is still being written";
  tune.wav.Close();
  ExpectHeard(Recorded(path), {{0, 100, 440}, {500, 100, 880}, {650, 100, 660}}, "gaps");
}

TEST(BasicSound, StoppingCutsTheSoundPlayingAndEmptiesTheQueue) {
  const std::string path = TempWav("stop.wav");
  TuneRecorder tune(path);
  tune.queue.Add(500, 1000, 0, true);
  tune.queue.Add(700, 1000, 0, true);
  tune.clock.now += 300;
  tune.queue.Stop();
  EXPECT_EQ(tune.queue.Queued(), 0);
  tune.clock.now += 100;
  tune.queue.Add(900, 100, 0, false);
  EXPECT_EQ(tune.clock.now, 1000 + 500) << "the next sound starts at once";
  tune.wav.Close();
  ExpectHeard(Recorded(path), {{0, 300, 500}, {400, 100, 900}}, "stopped");
}

TEST(BasicSound, FrequenciesTheWaveCannotCarryAreSilent) {
  const std::string path = TempWav("silent.wav");
  TuneRecorder tune(path);
  for (const double frequency : {0.0, 22050.0, 32767.0, -5.0}) tune.queue.Add(frequency, 50, 0, false);
  tune.queue.Add(37, 200, 0, false);
  tune.wav.Close();
  ExpectHeard(Recorded(path), {{200, 200, 37}}, "silence, then SOUND's lowest");
}

// What the wave device is handed.
class RecordingDevice final : public SoundDevice {
 public:
  void Queue(double frequency, int64_t samples) override { queued.push_back({frequency, samples}); }
  void Stop() override { ++stops; }
  void Drain() override {}
  std::vector<std::pair<double, int64_t>> queued;
  int stops = 0;
};

TEST(BasicSound, TheDeviceGetsEachToneWhenItIsQueuedAndHearsTheStop) {
  TestClock clock;
  RecordingDevice device;
  SoundQueue queue(clock, &device);
  queue.Add(440, 100, 50, true);
  queue.Add(0, 20, 0, true);
  const std::vector<std::pair<double, int64_t>> expected = {{440, 4410}, {0, 2205}, {0, 882}, {0, 0}};
  EXPECT_EQ(device.queued, expected) << "the sound, then its silence, at 44.1 samples a millisecond";
  EXPECT_EQ(clock.now, 1000) << "in the background nothing waits";
  queue.Stop();
  EXPECT_EQ(device.stops, 1);
  EXPECT_EQ(queue.Queued(), 0);
}

// The statements themselves, on the process's queue moved to a test clock.
class ProgramSoundTest : public ::testing::Test {
 protected:
  void SetUp() override { UseSoundClock(clock); }
  void TearDown() override { FinishSound(); }
  TestClock clock;
};

TEST_F(ProgramSoundTest, SoundBeepAndPlayAreRecordedInOrder) {
  const std::string path = TempWav("statements.wav");
  ASSERT_TRUE(RecordSoundTo(path));
  const ProgramRun run = RunProgram(
      "SOUND 440, 18.2: SOUND 32767, 1.82: SOUND 1000, 9.1: SOUND 32767, 1.82: BEEP\n"
      "SOUND 32767, 1.82\n"
      "T$ = \"C\": N = 2: PLAY \"T120 L4 O=N; X\" + VARPTR$(T$)\n");
  EXPECT_EQ(run.message, "");
  FinishSound();
  ExpectHeard(Recorded(path), {{0, 1000, 440}, {1100, 500, 1000}, {1700, 250, 800}, {2050, 437.5, Hz(-21)}},
              "SOUND's ticks are 1/18.2 s, BEEP 800 Hz for 1/4 s");
  EXPECT_NEAR(clock.now - 1000, 2550, 0.5) << "each held the program for its length";
}

TEST_F(ProgramSoundTest, PlayCountsTheNotesQueuedInTheBackground) {
  const ProgramCase cases[] = {
      {"PLAY \"MB L4 CDEFG\": PRINT PLAY(0)", " 5 \r\n", "five notes wait"},
      {"PLAY \"MB L4 CDEFG MF\": PLAY \"C\": PRINT PLAY(1)", " 0 \r\n", "a foreground note waits for them"},
      {"PRINT PLAY(0)", " 0 \r\n", "nothing played"},
      {"PLAY \"MB\": PLAY \"C\": PLAY \"MF\": PLAY \"D\": PRINT PLAY(0)", " 0 \r\n", "the style goes on"},
      {"T$ = \"CDE\": PLAY \"MB X\" + VARPTR$(T$): PRINT PLAY(0)", " 3 \r\n", "VARPTR$ names the tune"},
      {"N% = 30: PLAY \"MB N=\" + VARPTR$(N%) + \"N=\" + VARPTR$(N%) + \";\": PRINT PLAY(0)", " 2 \r\n",
       "VARPTR$ names a number, ';' after it or not"},
  };
  for (const ProgramCase& c : cases) {
    UseSoundClock(clock);
    const ProgramRun run = RunProgram(c.source);
    EXPECT_EQ(run.message, "") << c.why;
    EXPECT_EQ(run.printed, c.printed) << c.why;
  }
}

TEST_F(ProgramSoundTest, BadMusicIsAnIllegalFunctionCallThatSaysWhy) {
  const struct {
    const char* source;
    const char* message;
  } cases[] = {
      {"PLAY \"O7\"", "PLAY's O takes 0 to 6, not 7"},
      {"PLAY \"CQ\"", "not a PLAY command"},
      {"SOUND 20, 1", "SOUND needs a frequency from 37 to 32767"},
      {"O% = 9: PLAY \"O=\" + VARPTR$(O%)", "PLAY's O takes 0 to 6, not 9 (character 1)"},
      {"Q$ = \"Q\": PLAY \"X\" + VARPTR$(Q$)", "'Q' is not a PLAY command (character 1 of VARPTR$'s variable)"},
      {"A = 1: PLAY \"X\" + VARPTR$(A)", "PLAY's X needs a string variable"},
      {"A$ = \"C\": PLAY \"N=\" + VARPTR$(A$)", "names a string where a number belongs"},
      {"PLAY \"X\" + LEFT$(VARPTR$(A$), 2)", "PLAY's VARPTR$ is cut short"},
      {"SOUND 440, -1", "SOUND needs a duration from 0 to 65535"},
  };
  for (const auto& c : cases) {
    const ProgramRun run = RunProgram(c.source);
    EXPECT_NE(run.message.find("Illegal function call"), std::string::npos) << c.source << ": " << run.message;
    EXPECT_NE(run.message.find(c.message), std::string::npos) << c.source << ": " << run.message;
  }
}

}  // namespace
