// PLAY's music string: the classic BASICs' language of notes, read one
// command at a time (command_string.h: spaces and ';' between commands,
// either case, "=name;" for any number, X name$; for a string's commands)
// and turned into tones of a frequency and a length.
//
//   A to G [# | + | -] [n] [.]...  a note of the octave, sharp or flat;
//                                  n its length, each dot (at most 8) half
//                                  as long again
//   N n [.]...    note n of 84 (1 is octave 0's C; 0 is a rest)
//   P n [.]...    a pause as long as a note of length n
//   O n  < >      the octave, 0 to 6 (4 at first); one down, one up
//   L n           the length of the notes that give none: 1 a whole note,
//                 4 a quarter (at first), up to 64
//   T n           the tempo, 32 to 255 quarter notes a minute (120 at first)
//   MN ML MS      a note sounds for 7/8 of its length (at first), all of
//                 it, or 3/4, and is silent for the rest
//   MF MB         the program waits for each note (at first), or the notes
//                 play while it runs on
//
// Octave 3 starts at middle C, and its A is 440 Hz; the 84 notes are
// equally tempered. The voice (octave, length, tempo, style) goes on from
// one PLAY to the next, also as far as a bad command let it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "basic/text/command_string.h"

struct PlayVoice {
  int32_t octave = 4;
  int32_t length = 4;
  int32_t tempo = 120;
  double sounding = 7.0 / 8.0;  // of each note's length, the rest silent
  bool background = false;      // MB
};

// A note or a pause: `frequency` Hz (0 for a pause or N0) for sound_ms,
// then silence for silence_ms.
struct PlayTone {
  double frequency;
  double sound_ms;
  double silence_ms;
};

class PlayTarget : public CommandVariables {
 public:
  virtual void Tone(const PlayTone& tone) = 0;

 protected:
  ~PlayTarget() = default;
};

inline constexpr int32_t PlayNotes = 84;

// The frequency of note n (1 to 84) in Hz.
double PlayNoteFrequency(int32_t note);

// Runs the commands with the voice. Gives "" when every command ran, or
// what was wrong and where: "PLAY's O takes 0 to 6, not 7 (character 1)".
std::string RunPlayString(std::string_view commands, PlayVoice& voice, PlayTarget& target);
