// basic.exe --sound: what a program plays, read back from the WAV file the
// real basic.exe writes, where a wave device may or may not be heard.
#include <gtest/gtest.h>

#include <windows.h>

#include <cmath>
#include <string>
#include <vector>

#include "tests/basic/app/basic_exe.h"
#include "tools/wav_notes/wav_notes.h"
#include "tests/support/window_harness.h"

namespace {

std::string WavBeside(const std::string& program) { return program.substr(0, program.size() - 4) + ".wav"; }

double Hz(int semitones_from_a440) { return 440.0 * std::pow(2.0, semitones_from_a440 / 12.0); }

TEST(BasicAppSound, TheRecordingHoldsEachNoteAtItsPitchAndLength) {
  const std::string program =
      WriteProgram("sound_test_tune.bas", "PLAY \"T240 L8 O3 C E MS G\"\nSOUND 1000, 4.55\n");
  const std::string wav = WavBeside(program);
  DeleteFileA(wav.c_str());
  const BasicExeResult result = RunBasicExe("--exit --sound \"" + wav + "\" \"" + program + "\"");
  ASSERT_EQ(result.code, 0u) << result.errors;
  std::vector<int16_t> samples;
  ASSERT_TRUE(ReadWav(wav, &samples));
  const std::vector<HeardSound> heard = SoundsIn(samples);
  // At T240 an eighth is 125 ms: 7/8 of it sounds, 3/4 after MS; SOUND's
  // 4.55 ticks are 250 ms.
  const struct {
    double frequency, length_ms;
  } expected[] = {{Hz(-9), 109.375}, {Hz(-5), 109.375}, {Hz(-2), 93.75}, {1000, 250}};
  ASSERT_EQ(heard.size(), 4u);
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_NEAR(heard[i].frequency, expected[i].frequency, expected[i].frequency * 0.01) << "note " << i;
    EXPECT_NEAR(heard[i].length_ms, expected[i].length_ms, 5) << "note " << i;
  }
  EXPECT_NEAR(heard[1].start_ms - heard[0].start_ms, 125, 5) << "the tune keeps its rhythm";
}

TEST(BasicAppSound, AProgramStoppedByAnErrorLeavesAWholeRecording) {
  const std::string program = WriteProgram("sound_test_error.bas", "PLAY \"MB T120 L4 O4 A\"\nERROR 5\n");
  const std::string wav = WavBeside(program);
  const BasicExeResult result = RunBasicExe("--exit --sound \"" + wav + "\" \"" + program + "\"");
  EXPECT_EQ(result.code, 2u) << result.errors;
  std::vector<int16_t> samples;
  ASSERT_TRUE(ReadWav(wav, &samples));
  const std::vector<HeardSound> heard = SoundsIn(samples);
  ASSERT_EQ(heard.size(), 1u) << "the queued note played out before the process ended";
  EXPECT_NEAR(heard[0].frequency, 880, 8.8);
  EXPECT_NEAR(heard[0].length_ms, 437.5, 5);
}

// A made program takes no options: BASIC_SOUND names its recording.
TEST(BasicAppSound, AMadeProgramRecordsWhereTheEnvironmentSays) {
  const std::string program = WriteProgram("sound_test_made.bas", "SOUND 523, 3.64\n");
  const std::string made = SiblingExecutable("sound_test_made.exe");
  ASSERT_EQ(RunBasicExe("--make \"" + made + "\" \"" + program + "\"").code, 0u);
  const std::string wav = WavBeside(program);
  DeleteFileA(wav.c_str());
  SetEnvironmentVariableA("BASIC_SOUND", wav.c_str());
  const BasicExeResult result = RunBasicExe("", "sound_test_made.exe");
  SetEnvironmentVariableA("BASIC_SOUND", nullptr);
  EXPECT_EQ(result.code, 0u) << result.errors;
  std::vector<int16_t> samples;
  ASSERT_TRUE(ReadWav(wav, &samples));
  const std::vector<HeardSound> heard = SoundsIn(samples);
  ASSERT_EQ(heard.size(), 1u);
  EXPECT_NEAR(heard[0].frequency, 523, 5.23);
  EXPECT_NEAR(heard[0].length_ms, 200, 5);
}

TEST(BasicAppSound, AFileThatCannotBeWrittenIsSaid) {
  const std::string program = WriteProgram("sound_test_nowhere.bas", "BEEP\n");
  const BasicExeResult result = RunBasicExe("--exit --sound \"no such folder\\x.wav\" \"" + program + "\"");
  EXPECT_EQ(result.code, 4u);
  EXPECT_NE(result.errors.find("cannot write"), std::string::npos) << result.errors;
}

// The example tune plays its first phrase in the background, and F1 while
// it plays repaints the screen in new colours (its words printed again)
// without a break in the music; Esc ends it.
TEST(BasicAppSound, TheTuneExamplePlaysOnAndAnswersF1) {
  const std::string wav = SiblingExecutable("sound_test_example.wav");
  DeleteFileA(wav.c_str());
  BasicExe basic("--exit --echo --sound \"" + wav + "\" \"" + ExampleFile("tune.bas") + "\"");
  const HWND window = basic.AwaitWindow();
  ASSERT_NE(window, nullptr);
  Sleep(1500);
  PostMessageA(window, WM_KEYDOWN, VK_F1, 1 | (0x3B << 16));
  Sleep(1000);
  PostMessageA(window, WM_CHAR, 27, 1);
  EXPECT_EQ(basic.Finish(), 0u) << basic.Errors();
  const std::string output = basic.Output();
  const std::size_t first = output.find("Frere Jacques,");
  ASSERT_NE(first, std::string::npos) << output;
  EXPECT_NE(output.find("Frere Jacques,", first + 1), std::string::npos) << "F1 printed the words again:\n" << output;
  EXPECT_NE(output.find("The end."), std::string::npos) << output;
  std::vector<int16_t> samples;
  ASSERT_TRUE(ReadWav(wav, &samples));
  const std::vector<HeardSound> heard = SoundsIn(samples);
  // "C D E C" in the fourth octave, quarters at T160: 375 ms, 7/8 sounding.
  const double first_phrase[] = {Hz(3), Hz(5), Hz(7), Hz(3)};
  ASSERT_GE(heard.size(), 4u);
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_NEAR(heard[i].frequency, first_phrase[i], first_phrase[i] * 0.01) << "note " << i;
    EXPECT_NEAR(heard[i].length_ms, 375 * 7 / 8.0, 5) << "note " << i;
  }
  DeleteFileA(wav.c_str());
}

}  // namespace
