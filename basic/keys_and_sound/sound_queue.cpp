#include "basic/keys_and_sound/sound_queue.h"

#include <algorithm>
#include <cmath>

#include "basic/keys_and_sound/sound_wave.h"

void SoundQueue::WaitUntil(double ms) {
  for (double now = clock_.NowMs(); now < ms; now = clock_.NowMs()) clock_.SleepMs(ms - now);
}

void SoundQueue::Add(double frequency, double sound_ms, double silence_ms, bool background) {
  sound_ms = std::max(sound_ms, 0.0);
  silence_ms = std::max(silence_ms, 0.0);
  double now = clock_.NowMs();
  CatchUp(now);
  while (static_cast<int32_t>(tones_.size()) >= MostQueuedTones) {
    WaitUntil(tones_.front().end);
    now = clock_.NowMs();
    CatchUp(now);
  }
  if (!started_) {
    started_ = true;
    recording_start_ = now;
    free_at_ = now;
  }
  const double start = now > free_at_ + GapToleranceMs ? now : free_at_;
  const Tone tone{frequency, start, start + sound_ms, start + sound_ms + silence_ms};
  if (device_) {
    device_->Queue(frequency, SamplesIn(sound_ms));
    device_->Queue(0, SamplesIn(silence_ms));
  }
  tones_.push_back(tone);
  free_at_ = tone.end;
  if (!background) {
    WaitUntil(tone.end);
    CatchUp(clock_.NowMs());
  }
}

void SoundQueue::Record(const Tone& tone, double end) {
  if (!recording_) return;
  // Each edge at its own sample, counted from the recording's start, so
  // that rounding never adds up along a tune.
  const auto at = [this](double ms) { return SamplesIn(ms - recording_start_); };
  const int64_t start = at(tone.start);
  const int64_t sound_end = at(std::min(tone.sound_end, end));
  const int64_t tone_end = at(std::min(tone.end, end));
  if (start > recording_->samples()) recording_->Tone(0, 0, start - recording_->samples());
  const int64_t skipped = std::max<int64_t>(recording_->samples() - start, 0);
  recording_->Tone(tone.frequency, skipped, sound_end - start - skipped);
  if (tone_end > recording_->samples()) recording_->Tone(0, 0, tone_end - recording_->samples());
}

void SoundQueue::CatchUp(double now) {
  while (!tones_.empty() && tones_.front().end <= now) {
    Record(tones_.front(), tones_.front().end);
    tones_.pop_front();
  }
}

void SoundQueue::Stop() {
  const double now = clock_.NowMs();
  CatchUp(now);
  if (!tones_.empty() && tones_.front().start < now) Record(tones_.front(), now);
  tones_.clear();
  if (device_) device_->Stop();
  free_at_ = now;
}

int32_t SoundQueue::Queued() {
  CatchUp(clock_.NowMs());
  return static_cast<int32_t>(tones_.size());
}

void SoundQueue::PlayOut() {
  if (tones_.empty()) return;
  WaitUntil(tones_.back().end);
  CatchUp(clock_.NowMs());
}
