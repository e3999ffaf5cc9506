#include "tools/wav_notes/wav_notes.h"

#include <cstdio>
#include <fstream>
#include <iterator>

#include "basic/keys_and_sound/sound_wave.h"

namespace {

uint32_t Little(const std::string& bytes, std::size_t at, int count) {
  uint32_t value = 0;
  for (int i = count - 1; i >= 0; --i) value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
  return value;
}

}  // namespace

bool ReadWav(const std::string& path, std::vector<int16_t>* samples) {
  std::ifstream file(path, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  if (bytes.size() < 44 || bytes.compare(0, 4, "RIFF") != 0 || bytes.compare(8, 8, "WAVEfmt ") != 0 ||
      bytes.compare(36, 4, "data") != 0) {
    return false;
  }
  const uint32_t data = Little(bytes, 40, 4);
  if (Little(bytes, 4, 4) != 36 + data || Little(bytes, 20, 2) != 1 || Little(bytes, 22, 2) != 1 ||
      Little(bytes, 24, 4) != static_cast<uint32_t>(SoundSampleRate) || Little(bytes, 34, 2) != 16 ||
      bytes.size() != 44 + std::size_t{data}) {
    return false;
  }
  samples->clear();
  for (std::size_t at = 44; at + 1 < bytes.size(); at += 2) {
    samples->push_back(static_cast<int16_t>(Little(bytes, at, 2)));
  }
  return true;
}

std::vector<HeardSound> SoundsIn(const std::vector<int16_t>& samples) {
  std::vector<HeardSound> sounds;
  const double per_ms = SoundSampleRate / 1000.0;
  for (std::size_t at = 0; at < samples.size();) {
    if (samples[at] == 0) {
      ++at;
      continue;
    }
    const std::size_t start = at;
    std::size_t first_edge = at, last_edge = at, edges = 0;
    for (; at < samples.size() && samples[at] != 0; ++at) {
      if (samples[at] > 0 && (at == start || samples[at - 1] < 0)) {
        last_edge = at;
        ++edges;
      }
    }
    const double periods = static_cast<double>(edges - 1);
    const double frequency = edges > 1 ? periods * SoundSampleRate / static_cast<double>(last_edge - first_edge) : 0;
    sounds.push_back({static_cast<double>(start) / per_ms, static_cast<double>(at - start) / per_ms, frequency});
  }
  return sounds;
}
