// wav_notes FILE.wav: the sounds in a 16-bit mono WAV at the sound module's
// rate (what basic.exe --sound writes, or a recording of what it played),
// one a line: where it starts and how long it lasts, in milliseconds, and
// its frequency in hertz. Exits 1 when the file is no such WAV.
#include <cstdio>

#include "tools/wav_notes/wav_notes.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: wav_notes FILE.wav\n");
    return 2;
  }
  std::vector<int16_t> samples;
  if (!ReadWav(argv[1], &samples)) {
    std::fprintf(stderr, "wav_notes: %s is no 16-bit mono WAV at 44100 Hz\n", argv[1]);
    return 1;
  }
  for (const HeardSound& sound : SoundsIn(samples)) {
    std::printf("%.1f %.1f %.2f\n", sound.start_ms, sound.length_ms, sound.frequency);
  }
  return 0;
}
