// Fuzzes PLAY's music string: any bytes, run with the voice a former PLAY
// left, must give a bounded number of tones, each of a note's frequency or
// none and of a length in range, and end with the voice's settings in their
// ranges or with a message; never crash or hang. The input holds the
// string and the texts of its string variables (fuzz/support/command_variables.h).
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "basic/keys_and_sound/play_string.h"
#include "fuzz/support/command_variables.h"

namespace {

class FuzzTarget final : public PlayTarget {
 public:
  explicit FuzzTarget(std::string_view input) : variables_(input) {}
  std::string_view commands() const { return variables_.commands(); }

  void Tone(const PlayTone& tone) override {
    ++tones;
    const bool pitch = tone.frequency == 0 || (tone.frequency > 16 && tone.frequency < 8000);
    // The longest: a whole note, three dots... at tempo 32: far below a day.
    const bool lengths = tone.sound_ms >= 0 && tone.silence_ms >= 0 && tone.sound_ms + tone.silence_ms < 864e5;
    if (!pitch || !lengths) std::abort();
  }
  double Number(const std::string& name) override { return variables_.Number(name); }
  std::string_view Text(const std::string& name) override { return variables_.Text(name); }

  std::size_t tones = 0;

 private:
  FuzzCommandVariables variables_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzTarget target(std::string_view(reinterpret_cast<const char*>(data), size));
  PlayVoice voice;
  if (size > 0) voice.octave = data[0] % 7;
  const std::string message = RunPlayString(target.commands(), voice, target);
  // Every tone takes a character, and substrings bring a bounded number.
  if (target.tones > size + MaxSubstringBytes) std::abort();
  if (voice.octave < 0 || voice.octave > 6 || voice.length < 1 || voice.length > 64) std::abort();
  if (voice.tempo < 32 || voice.tempo > 255 || voice.sounding <= 0 || voice.sounding > 1) std::abort();
  if (!message.empty() && message.back() != ')') std::abort();
  return 0;
}
