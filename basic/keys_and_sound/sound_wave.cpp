#include "basic/keys_and_sound/sound_wave.h"

#include <cmath>

bool IsSilent(double frequency) { return !(frequency > 0 && frequency < SoundSampleRate / 2.0); }

int64_t SamplesIn(double ms) {
  // An hour and more is past any tone SOUND or PLAY can ask for.
  constexpr double MostMs = 1e10;
  if (!(ms > 0)) return 0;
  return static_cast<int64_t>(std::llround((ms < MostMs ? ms : MostMs) * SoundSampleRate / 1000.0));
}

void SquareWave(double frequency, int64_t first, int16_t* out, std::size_t count) {
  if (IsSilent(frequency)) {
    for (std::size_t i = 0; i < count; ++i) out[i] = 0;
    return;
  }
  const double periods_per_sample = frequency / SoundSampleRate;
  for (std::size_t i = 0; i < count; ++i) {
    const double periods = static_cast<double>(first + static_cast<int64_t>(i)) * periods_per_sample;
    const double within = periods - std::floor(periods);
    out[i] = within < 0.5 ? SoundAmplitude : static_cast<int16_t>(-SoundAmplitude);
  }
}
