#include "basic/keys_and_sound/wav_writer.h"

#include <algorithm>

#include "basic/keys_and_sound/sound_wave.h"

namespace {

void PutLittle(unsigned char* at, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) at[i] = static_cast<unsigned char>(value >> (8 * i));
}

}  // namespace

WavWriter::~WavWriter() { Close(); }

bool WavWriter::Open(const std::string& path) {
  Close();
  file_ = std::fopen(path.c_str(), "wb");
  samples_ = 0;
  failed_ = false;
  if (file_) WriteHeader();
  return file_ != nullptr && !failed_;
}

void WavWriter::WriteHeader() {
  unsigned char header[WavHeaderBytes] = {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E',
                                          'f', 'm', 't', ' ', 16, 0, 0, 0, 1, 0, 1, 0};
  const auto data_bytes = static_cast<uint32_t>(samples_ * 2);
  PutLittle(header + 4, 36 + data_bytes, 4);
  PutLittle(header + 24, SoundSampleRate, 4);
  PutLittle(header + 28, SoundSampleRate * 2, 4);  // bytes a second
  PutLittle(header + 32, 2, 2);                    // bytes a sample
  PutLittle(header + 34, 16, 2);                   // bits a sample
  header[36] = 'd';
  header[37] = 'a';
  header[38] = 't';
  header[39] = 'a';
  PutLittle(header + 40, data_bytes, 4);
  if (std::fseek(file_, 0, SEEK_SET) != 0 || std::fwrite(header, 1, sizeof header, file_) != sizeof header ||
      std::fseek(file_, 0, SEEK_END) != 0 || std::fflush(file_) != 0) {
    failed_ = true;
  }
}

void WavWriter::Tone(double frequency, int64_t first, int64_t count) {
  if (!file_ || failed_) return;
  count = std::min(count, WavMostSamples - samples_);
  int16_t block[4096];
  unsigned char bytes[sizeof block];
  for (int64_t done = 0; done < count && !failed_;) {
    const auto n = static_cast<std::size_t>(std::min<int64_t>(count - done, 4096));
    SquareWave(frequency, first + done, block, n);
    for (std::size_t i = 0; i < n; ++i) PutLittle(bytes + 2 * i, static_cast<uint16_t>(block[i]), 2);
    if (std::fwrite(bytes, 2, n, file_) != n) failed_ = true;
    done += static_cast<int64_t>(n);
    samples_ += static_cast<int64_t>(n);
  }
  if (count > 0) WriteHeader();
}

void WavWriter::Close() {
  if (!file_) return;
  WriteHeader();
  std::fclose(file_);
  file_ = nullptr;
}
