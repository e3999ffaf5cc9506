// Reading back a WAV file the sound module wrote (or a recording in its
// format): its samples, and the
// sounds in it found as runs of samples that are not silent, each with its
// start, its length and its frequency (from the square wave's rising edges).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct HeardSound {
  double start_ms;
  double length_ms;
  double frequency;
};

// False when the file is not a whole 16-bit mono WAV at the module's rate.
bool ReadWav(const std::string& path, std::vector<int16_t>* samples);
std::vector<HeardSound> SoundsIn(const std::vector<int16_t>& samples);
