// The wave output of winmm.dll, loaded at the first sound. Each tone goes
// out as one buffer; a long one as a second's buffer looped, and what is
// left over, so that an hour's SOUND takes no more memory than a second's.
// Buffers the device has played are given back as new ones are queued.
#include <windows.h>
#include <mmsystem.h>

#include <algorithm>
#include <deque>
#include <memory>
#include <vector>

#include "basic/keys_and_sound/sound_device.h"
#include "basic/keys_and_sound/sound_wave.h"

namespace {

using OpenCall = MMRESULT(WINAPI*)(LPHWAVEOUT, UINT, LPCWAVEFORMATEX, DWORD_PTR, DWORD_PTR, DWORD);
using HeaderCall = MMRESULT(WINAPI*)(HWAVEOUT, LPWAVEHDR, UINT);
using DeviceCall = MMRESULT(WINAPI*)(HWAVEOUT);

struct WaveCalls {
  OpenCall open;
  HeaderCall prepare, write, unprepare;
  DeviceCall reset, close;
};

template <typename Call>
bool Find(HMODULE library, const char* name, Call* call) {
  *call = reinterpret_cast<Call>(reinterpret_cast<void*>(GetProcAddress(library, name)));
  return *call != nullptr;
}

bool LoadWaveCalls(WaveCalls* calls) {
  HMODULE library = LoadLibraryA("winmm.dll");
  return library && Find(library, "waveOutOpen", &calls->open) &&
         Find(library, "waveOutPrepareHeader", &calls->prepare) && Find(library, "waveOutWrite", &calls->write) &&
         Find(library, "waveOutUnprepareHeader", &calls->unprepare) &&
         Find(library, "waveOutReset", &calls->reset) && Find(library, "waveOutClose", &calls->close);
}

// A buffer of samples and the header that lends it to the device.
struct Buffer {
  WAVEHDR header{};
  std::vector<int16_t> samples;
};

constexpr int64_t LoopSamples = SoundSampleRate;  // a second
constexpr int64_t StartSilenceMs = 150;

class WaveOut final : public SoundDevice {
 public:
  WaveOut(const WaveCalls& calls, HWAVEOUT device) : calls_(calls), device_(device) {}
  ~WaveOut() override {
    Stop();
    calls_.close(device_);
  }

  void Queue(double frequency, int64_t samples) override {
    GiveBack(false);
    if (samples <= 0) return;
    const int64_t loops = samples / LoopSamples;
    if (loops > 1) {
      Send(frequency, 0, LoopSamples, static_cast<DWORD>(std::min<int64_t>(loops, 0xFFFFFFFF)));
      samples -= loops * LoopSamples;
    }
    if (samples > 0) Send(frequency, 0, samples, 1);
  }

  void Stop() override {
    calls_.reset(device_);
    GiveBack(true);
  }

  // The queue's clock says the tones have ended; the device, which started
  // them a little late, may still be playing the last one.
  void Drain() override {
    constexpr int MostWaits = 100;  // a second
    for (int i = 0; i < MostWaits; ++i) {
      GiveBack(false);
      if (sent_.empty()) return;
      Sleep(10);
    }
  }

 private:
  void Send(double frequency, int64_t first, int64_t count, DWORD loops) {
    auto buffer = std::make_unique<Buffer>();
    buffer->samples.resize(static_cast<std::size_t>(count));
    SquareWave(frequency, first, buffer->samples.data(), buffer->samples.size());
    WAVEHDR& header = buffer->header;
    header.lpData = reinterpret_cast<LPSTR>(buffer->samples.data());
    header.dwBufferLength = static_cast<DWORD>(count * 2);
    if (loops > 1) {
      header.dwFlags = WHDR_BEGINLOOP | WHDR_ENDLOOP;
      header.dwLoops = loops;
    }
    if (calls_.prepare(device_, &header, sizeof header) != MMSYSERR_NOERROR) return;
    if (calls_.write(device_, &header, sizeof header) != MMSYSERR_NOERROR) {
      calls_.unprepare(device_, &header, sizeof header);
      return;
    }
    sent_.push_back(std::move(buffer));
  }

  // The buffers played (all of them after a reset) go back to the heap.
  void GiveBack(bool all) {
    while (!sent_.empty() && (all || (sent_.front()->header.dwFlags & WHDR_DONE))) {
      calls_.unprepare(device_, &sent_.front()->header, sizeof(WAVEHDR));
      sent_.pop_front();
    }
  }

  WaveCalls calls_;
  HWAVEOUT device_;
  std::deque<std::unique_ptr<Buffer>> sent_;
};

}  // namespace

std::unique_ptr<SoundDevice> OpenSoundDevice() {
  WaveCalls calls;
  if (!LoadWaveCalls(&calls)) return nullptr;
  WAVEFORMATEX format{};
  format.wFormatTag = WAVE_FORMAT_PCM;
  format.nChannels = 1;
  format.nSamplesPerSec = SoundSampleRate;
  format.wBitsPerSample = 16;
  format.nBlockAlign = 2;
  format.nAvgBytesPerSec = SoundSampleRate * 2;
  HWAVEOUT device = nullptr;
  if (calls.open(&device, WAVE_MAPPER, &format, 0, 0, CALLBACK_NULL) != MMSYSERR_NOERROR) return nullptr;
  // A moment of silence first: a device starting up (wine's above all)
  // loses what it is given before it runs, and the first note is whole.
  auto wave_out = std::make_unique<WaveOut>(calls, device);
  wave_out->Queue(0, SoundSampleRate * StartSilenceMs / 1000);
  return wave_out;
}
