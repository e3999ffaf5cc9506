// PLAY's music string: known strings give known tones, with frequencies and
// lengths worked out here from the notes' names, and bad strings give their
// messages.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "basic/keys_and_sound/play_string.h"

namespace {

// Each tone as "Hz:sound/silence", to the hundredth.
class RecordingTarget final : public PlayTarget {
 public:
  void Tone(const PlayTone& tone) override {
    char text[64];
    std::snprintf(text, sizeof text, "%.2f:%.2f/%.2f", tone.frequency, tone.sound_ms, tone.silence_ms);
    tones.push_back(text);
  }
  double Number(const std::string& name) override { return numbers[name]; }
  std::string_view Text(const std::string& name) override { return texts[name]; }

  std::vector<std::string> tones;
  std::map<std::string, double> numbers{{"O", 2}, {"L%", 8}, {"BIG", 40000}, {"LOW", -1}};
  std::map<std::string, std::string> texts{{"TUNE$", "CDE"}, {"SELF$", "C XSELF$;"}};
};

// An equally tempered note: semitones above octave 3's A, 440 Hz.
std::string Hz(int semitones_from_a440) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", 440.0 * std::pow(2.0, semitones_from_a440 / 12.0));
  return text;
}

struct Tune {
  const char* commands;
  std::vector<std::string> tones;
  const char* why;
};

TEST(PlayString, NotesTheirPitchesAndLengths) {
  // At tempo 120 a quarter note is 500 ms: 437.5 sounding, 62.5 silent.
  const std::string quarter = ":437.50/62.50";
  const Tune tunes[] = {
      {"A", {Hz(12) + quarter}, "octave 4 at first: 880 Hz"},
      {"O3 A", {Hz(0) + quarter}, "octave 3's A is 440 Hz"},
      {"O3 C", {Hz(-9) + quarter}, "middle C starts octave 3"},
      {"N37 N46", {Hz(-9) + quarter, Hz(0) + quarter}, "N counts from octave 0's C: 37 is middle C"},
      {"O3 C# D- E+ F-", {Hz(-8) + quarter, Hz(-8) + quarter, Hz(-4) + quarter, Hz(-5) + quarter},
       "sharps and flats, also where they land on a white key"},
      {"o3 a8 a2 a1", {Hz(0) + ":218.75/31.25", Hz(0) + ":875.00/125.00", Hz(0) + ":1750.00/250.00"},
       "a length after the note, in either case"},
      {"O3 A4. A4..", {Hz(0) + ":656.25/93.75", Hz(0) + ":984.38/140.62"}, "each dot half as long again"},
      {"T60 O3 A", {Hz(0) + ":875.00/125.00"}, "tempo: quarter notes a minute"},
      {"L16 O3 A B", {Hz(0) + ":109.38/15.62", Hz(2) + ":109.38/15.62"}, "L sets the length from then on"},
      {"ML O3 A MS A MN A", {Hz(0) + ":500.00/0.00", Hz(0) + ":375.00/125.00", Hz(0) + quarter},
       "legato, staccato, normal"},
      {"P4 P8. N0", {"0.00:0.00/500.00", "0.00:0.00/375.00", "0.00:0.00/500.00"}, "pauses, and N0"},
      {"O0 C O6 B", {Hz(-45) + quarter, Hz(38) + quarter}, "the lowest and the highest note"},
      {"O6 > A O0 < < C", {Hz(36) + quarter, Hz(-45) + quarter}, "> and < stop at the last octaves"},
      {"O=O; A L=L%; A", {Hz(-12) + quarter, Hz(-12) + ":218.75/31.25"}, "numbers from variables"},
      {"XTUNE$; G", {Hz(3) + quarter, Hz(5) + quarter, Hz(7) + quarter, Hz(10) + quarter},
       "a string variable's commands"},
      {" ; O3;A ; ", {Hz(0) + quarter}, "spaces and ';' between commands"},
  };
  for (const Tune& tune : tunes) {
    RecordingTarget target;
    PlayVoice voice;
    EXPECT_EQ(RunPlayString(tune.commands, voice, target), "") << tune.commands;
    EXPECT_EQ(target.tones, tune.tones) << tune.why << "\n" << tune.commands;
  }
}

TEST(PlayString, TheVoiceGoesOnFromOnePlayToTheNext) {
  RecordingTarget target;
  PlayVoice voice;
  EXPECT_EQ(RunPlayString("O2 L8 T200 MS MB", voice, target), "");
  EXPECT_EQ(voice.octave, 2);
  EXPECT_EQ(voice.length, 8);
  EXPECT_EQ(voice.tempo, 200);
  EXPECT_EQ(voice.sounding, 0.75);
  EXPECT_TRUE(voice.background);
  EXPECT_EQ(RunPlayString("MF O5 Q", voice, target), "'Q' is not a PLAY command (character 7)");
  EXPECT_FALSE(voice.background) << "as far as the string got";
  EXPECT_EQ(voice.octave, 5);
}

TEST(PlayString, MistakesSayWhatAndWhere) {
  const struct {
    const char* commands;
    const char* message;
  } mistakes[] = {
      {"O7", "PLAY's O takes 0 to 6, not 7 (character 1)"},
      {"L0", "PLAY's L takes 1 to 64, not 0 (character 1)"},
      {"A65", "PLAY's A takes 1 to 64, not 65 (character 1)"},
      {"T31", "PLAY's T takes 32 to 255, not 31 (character 1)"},
      {"N85", "PLAY's N takes 0 to 84, not 85 (character 1)"},
      {"P", "PLAY's P needs a number (character 1)"},
      {"O0 C-", "PLAY's C with its sharp or flat lies outside the 7 octaves (character 4)"},
      {"O6 B#", "PLAY's B with its sharp or flat lies outside the 7 octaves (character 4)"},
      {"MX", "PLAY's M is MN, ML, MS, MF or MB (character 1)"},
      {"O99999", "PLAY's numbers go from 0 to 32767 (character 1)"},
      {"O=BIG;", "PLAY's numbers go from 0 to 32767 (character 1)"},
      {"O=LOW;", "PLAY's numbers go from 0 to 32767 (character 1)"},
      {"XO;", "PLAY's X needs a string variable, as in XA$; (character 1)"},
      {"XSELF$;", "PLAY's X substrings nest deeper than 32 (character 3 of SELF$)"},
      {"C\x01", "CHR$(1) is not a PLAY command (character 2)"},
      {"C.........", "PLAY takes at most 8 dots after a note (character 1)"},
  };
  for (const auto& mistake : mistakes) {
    RecordingTarget target;
    PlayVoice voice;
    EXPECT_EQ(RunPlayString(mistake.commands, voice, target), mistake.message) << mistake.commands;
  }
}

// VARPTR$'s three bytes reach the variables as the name itself, for X and
// for '=', with or without the ';' after them.
TEST(PlayString, VarptrBytesNameTheVariable) {
  const std::string tune = VarptrBytes(ReferenceType::String, 0x0102);
  const std::string octave = VarptrBytes(ReferenceType::Integer, 7);
  const struct {
    std::string commands;
    std::size_t tones;
    const char* message;
  } cases[] = {
      {"X" + tune, 3, ""},
      {"X" + tune + ";C", 4, ""},
      {"O=" + octave + "C", 1, ""},
      {"O=" + octave + ";C", 1, ""},
      {"X" + octave, 0, "PLAY's X needs a string variable, as in XA$; (character 1)"},
      {"O=" + tune, 0, "PLAY's =VARPTR$'s variable; names a string where a number belongs (character 1)"},
      {"X" + tune.substr(0, 2), 0, "PLAY's VARPTR$ is cut short (character 1)"},
      {"X" + VarptrBytes(ReferenceType::String, 9), 1, "'Q' is not a PLAY command (character 2 of VARPTR$'s variable)"},
  };
  for (const auto& c : cases) {
    RecordingTarget target;
    target.texts[tune] = "CDE";
    target.texts[VarptrBytes(ReferenceType::String, 9)] = "CQ";
    target.numbers[octave] = 2;
    PlayVoice voice;
    EXPECT_EQ(RunPlayString(c.commands, voice, target), c.message) << c.message;
    EXPECT_EQ(target.tones.size(), c.tones) << c.message;
  }
  ReferenceType type;
  int32_t slot;
  EXPECT_TRUE(IsVarptrBytes(VarptrBytes(ReferenceType::Long, 65535), &type, &slot));
  EXPECT_EQ(type, ReferenceType::Long);
  EXPECT_EQ(slot, 65535);
  EXPECT_FALSE(IsVarptrBytes("A$;", &type, &slot)) << "a name is no VARPTR$";
  EXPECT_FALSE(IsVarptrBytes(std::string("\x05\x00\x00", 3), &type, &slot)) << "5 is no type";
}

}  // namespace
