// BEEP, SOUND and PLAY at run time, through the process's sound queue
// (program_sound.h): heard where a wave device opens, recorded when asked
// to, and taking their time either way.
#include <cmath>
#include <string>

#include "basic/executor/machine.h"
#include "basic/executor/statements.h"
#include "basic/executor/string_values.h"
#include "basic/keys_and_sound/play_string.h"
#include "basic/keys_and_sound/program_sound.h"
#include "basic/variables/command_variables.h"
#include "runtime/numeric/numeric.h"

namespace {

// The classic BASICs' beep: 800 Hz for a quarter of a second.
constexpr int32_t BeepFrequency = 800;
constexpr int32_t BeepMs = 250;
// SOUND's duration counts ticks of the PC's clock, 18.2 a second.
constexpr double ClockTicksPerSecond = 18.2;
constexpr double MostTicks = 65535;

// PLAY's tones go to the queue, in the foreground or the background as the
// voice's MF or MB says when each is made.
class ProgramPlaying final : public PlayTarget {
 public:
  ProgramPlaying(const Variables& variables, const PlayVoice& voice) : variables_(variables), voice_(voice) {}

  void Tone(const PlayTone& tone) override {
    ProgramSound().Add(tone.frequency, tone.sound_ms, tone.silence_ms, voice_.background);
  }
  double Number(const std::string& name) override { return CommandNumber(variables_, name); }
  std::string_view Text(const std::string& name) override { return CommandText(variables_, name); }

 private:
  const Variables& variables_;
  const PlayVoice& voice_;
};

}  // namespace

RunFault RunBeep(Machine&, const Instruction&, double*&) {
  ProgramSound().Add(BeepFrequency, BeepMs, 0, false);
  return {};
}

// SOUND holds the program for its length; a duration of 0 ends the sound
// playing and empties the queue.
RunFault RunSound(Machine&, const Instruction&, double*& sp) {
  const double ticks = *--sp;
  const int32_t frequency = NumToInt32(*--sp);
  if (frequency < 37 || frequency > 32767) return IllegalCall("SOUND needs a frequency from 37 to 32767");
  if (!(ticks >= 0 && ticks <= MostTicks)) return IllegalCall("SOUND needs a duration from 0 to 65535");
  if (ticks == 0) {
    ProgramSound().Stop();
    return {};
  }
  ProgramSound().Add(frequency, ticks * 1000 / ClockTicksPerSecond, 0, false);
  return {};
}

RunFault RunPlay(Machine& machine, const Instruction&, double*&) {
  RtString commands = machine.Pop();
  ProgramPlaying playing(machine.variables, machine.play_voice);
  machine.message = RunPlayString(BytesOf(commands), machine.play_voice, playing);
  ReleaseString(commands);
  return machine.message.empty() ? RunFault{} : IllegalCall(machine.message.c_str());
}

RunFault RunPlayQueued(Machine& machine, const Instruction&, double*& sp) {
  sp[-1] = PlayNotesQueued(machine);
  return {};
}
