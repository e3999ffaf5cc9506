#include "basic/keys_and_sound/play_string.h"

#include <cmath>

namespace {

constexpr int32_t MiddleA = 46;  // octave 3's A: 3 * 12 semitones above note 1, and 9 more
constexpr double MiddleAHz = 440.0;
constexpr int32_t LargestNumber = 32767;
constexpr char NumberRange[] = "PLAY's numbers go from 0 to 32767";
constexpr int32_t MostDots = 8;

// Semitones above C of the letters A to G.
constexpr int32_t Semitones[7] = {9, 11, 0, 2, 4, 5, 7};

class PlayRun {
 public:
  PlayRun(std::string_view commands, PlayVoice& voice, PlayTarget& target)
      : voice_(voice), target_(target), reader_(commands, "PLAY", target) {}

  void Run() {
    while (reader_.More()) Command();
  }

 private:
  void Command() {
    const char letter = reader_.Command();
    if (letter >= 'A' && letter <= 'G') return Note(letter);
    switch (letter) {
      case 'N': {
        const int32_t note = Required("N", 0, PlayNotes);
        return Sound(note, voice_.length);
      }
      case 'P': {
        const int32_t length = Required("P", 1, 64);
        return Pause(Dotted(Duration(length)));
      }
      case 'O': voice_.octave = Required("O", 0, 6); return;
      case '<': voice_.octave = voice_.octave > 0 ? voice_.octave - 1 : 0; return;
      case '>': voice_.octave = voice_.octave < 6 ? voice_.octave + 1 : 6; return;
      case 'L': voice_.length = Required("L", 1, 64); return;
      case 'T': voice_.tempo = Required("T", 32, 255); return;
      case 'M': return Mode();
      case 'X': return reader_.Substring();
      default: reader_.Fail(Shown(letter) + " is not a PLAY command");
    }
  }

  void Note(char letter) {
    int32_t note = voice_.octave * 12 + Semitones[letter - 'A'] + 1;
    const char accidental = reader_.Peek();
    if (accidental == '#' || accidental == '+') {
      reader_.Take();
      ++note;
    } else if (accidental == '-') {
      reader_.Take();
      --note;
    }
    if (note < 1 || note > PlayNotes) reader_.Fail(std::string("PLAY's ") + letter + " with its sharp or flat lies outside the 7 octaves");
    int32_t length = voice_.length;
    if (Argument(&length) && (length < 1 || length > 64)) Range(std::string(1, letter), 1, 64, length);
    Sound(note, length);
  }

  // A note of the length, its dots read: N0 is a pause.
  void Sound(int32_t note, int32_t length) {
    const double duration = Dotted(Duration(length));
    if (note == 0) return Pause(duration);
    target_.Tone({PlayNoteFrequency(note), duration * voice_.sounding, duration * (1 - voice_.sounding)});
  }

  void Pause(double duration) { target_.Tone({0, 0, duration}); }

  // ms of a note of the length at the tempo: a whole note is 4 beats.
  double Duration(int32_t length) const { return 4 * 60000.0 / voice_.tempo / length; }

  // Each dot makes it half as long again; more than MostDots would make a
  // note of hours.
  double Dotted(double duration) {
    for (int32_t dots = 0; reader_.Peek() == '.'; ++dots) {
      if (dots == MostDots) reader_.Fail("PLAY takes at most " + std::to_string(MostDots) + " dots after a note");
      reader_.Take();
      duration *= 1.5;
    }
    return duration;
  }

  void Mode() {
    switch (UpperCase(reader_.Take())) {
      case 'N': voice_.sounding = 7.0 / 8.0; return;
      case 'L': voice_.sounding = 1.0; return;
      case 'S': voice_.sounding = 3.0 / 4.0; return;
      case 'F': voice_.background = false; return;
      case 'B': voice_.background = true; return;
      default: reader_.Fail("PLAY's M is MN, ML, MS, MF or MB");
    }
  }

  int32_t Required(const char* command, int32_t low, int32_t high) {
    int32_t value = 0;
    if (!Argument(&value)) reader_.Fail(std::string("PLAY's ") + command + " needs a number");
    if (value < low || value > high) Range(command, low, high, value);
    return value;
  }

  [[noreturn]] void Range(const std::string& command, int32_t low, int32_t high, int32_t value) {
    reader_.Fail("PLAY's " + command + " takes " + std::to_string(low) + " to " + std::to_string(high) + ", not " +
                 std::to_string(value));
  }

  // digits, or =name; : false, and nothing read, when no number is here.
  bool Argument(int32_t* value) {
    reader_.SkipSpaces();
    int64_t number = 0;
    if (reader_.Peek() == '=') {
      reader_.Take();
      number = reader_.VariableValue();
      if (number < 0 || number > LargestNumber) reader_.Fail(NumberRange);
    } else if (!reader_.Digits(LargestNumber, NumberRange, &number)) {
      return false;
    }
    *value = static_cast<int32_t>(number);
    return true;
  }

  PlayVoice& voice_;
  PlayTarget& target_;
  CommandReader reader_;
};

}  // namespace

double PlayNoteFrequency(int32_t note) { return MiddleAHz * std::pow(2.0, (note - MiddleA) / 12.0); }

std::string RunPlayString(std::string_view commands, PlayVoice& voice, PlayTarget& target) {
  try {
    PlayRun(commands, voice, target).Run();
  } catch (const CommandStringError& error) {
    return error.message;
  }
  return "";
}
