// A WAV file of 16-bit mono samples at SoundSampleRate, written as the
// sound is made: after every write the header counts what the file holds,
// so the file is whole whenever the program stops.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

class WavWriter {
 public:
  WavWriter() = default;
  ~WavWriter();
  WavWriter(const WavWriter&) = delete;
  WavWriter& operator=(const WavWriter&) = delete;

  // False when the file cannot be made.
  bool Open(const std::string& path);
  bool IsOpen() const { return file_ != nullptr; }
  // count samples of a square wave of frequency (0 for silence), the tone
  // started `first` samples ago.
  void Tone(double frequency, int64_t first, int64_t count);
  int64_t samples() const { return samples_; }
  void Close();

 private:
  void WriteHeader();

  std::FILE* file_ = nullptr;
  int64_t samples_ = 0;
  bool failed_ = false;  // a write failed: the file stays as far as it got
};

// The bytes of a WAV header for that many samples.
inline constexpr std::size_t WavHeaderBytes = 44;
// The most samples one file holds: its sizes are 32-bit.
inline constexpr int64_t WavMostSamples = (int64_t{0x7FFFFFFF} - 64) / 2;
