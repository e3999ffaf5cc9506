// The sound as the PC's speaker made it: a square wave of one frequency at
// a time, as 16-bit mono samples at SoundSampleRate. A frequency the rate
// cannot carry (half of it or more, SOUND's 32767 among them) or one of 0
// or less is silence.
#pragma once

#include <cstddef>
#include <cstdint>

inline constexpr int32_t SoundSampleRate = 44100;
inline constexpr int16_t SoundAmplitude = 8000;  // of 32767: loud enough, never harsh

bool IsSilent(double frequency);
// The number of samples in ms milliseconds, rounded; 0 for none or less.
int64_t SamplesIn(double ms);
// Samples first to first + count - 1 of a tone that starts at sample 0:
// +amplitude for the first half of each period, -amplitude for the second.
void SquareWave(double frequency, int64_t first, int16_t* out, std::size_t count);
