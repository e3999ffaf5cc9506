#include "basic/keys_and_sound/program_sound.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <memory>

#include "basic/keys_and_sound/sound_device.h"
#include "runtime/system.h"

namespace {

class SteadyClock final : public SoundClock {
 public:
  double NowMs() override {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start_).count();
  }
  void SleepMs(double ms) override { SysSleep(static_cast<int32_t>(std::ceil(std::min(ms, 1e6)))); }

 private:
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

struct ProcessSound {
  SteadyClock steady;
  std::unique_ptr<SoundDevice> device;
  std::unique_ptr<SoundQueue> queue;
  WavWriter recording;
};

ProcessSound& Sound() {
  static ProcessSound sound;
  return sound;
}

}  // namespace

SoundQueue& ProgramSound() {
  ProcessSound& sound = Sound();
  if (!sound.queue) {
    sound.device = OpenSoundDevice();
    sound.queue = std::make_unique<SoundQueue>(sound.steady, sound.device.get());
    if (sound.recording.IsOpen()) sound.queue->RecordTo(&sound.recording);
  }
  return *sound.queue;
}

bool RecordSoundTo(const std::string& path) {
  ProcessSound& sound = Sound();
  if (!sound.recording.Open(path)) return false;
  if (sound.queue) sound.queue->RecordTo(&sound.recording);
  return true;
}

void FinishSound() {
  ProcessSound& sound = Sound();
  if (sound.queue) sound.queue->PlayOut();
  if (sound.device) sound.device->Drain();
  sound.recording.Close();
}

void UseSoundClock(SoundClock& clock) {
  ProcessSound& sound = Sound();
  sound.queue = std::make_unique<SoundQueue>(clock, nullptr);
  if (sound.recording.IsOpen()) sound.queue->RecordTo(&sound.recording);
}

int32_t PlayNotesQueued(const Machine&) {
  ProcessSound& sound = Sound();
  return sound.queue ? sound.queue->Queued() : 0;
}
