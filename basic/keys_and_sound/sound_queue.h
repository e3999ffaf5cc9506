// The queue of tones SOUND, BEEP and PLAY make, and the time they take.
//
// A tone is a frequency (0 or one the wave cannot carry: silence) for
// sound_ms, then silence for silence_ms. Tones play one after another on
// one timeline: a tone starts when the one before it ends, or now when the
// queue has been quiet for longer than GapToleranceMs (so a program that
// plays note after note in the foreground keeps the tune's rhythm, while a
// real pause between sounds stays a pause).
//
// A foreground tone holds the caller until it has ended. A background tone
// only waits for room: at most MostQueuedTones tones may be queued (the
// one playing included); the caller goes on while they play.
//
// Each tone goes to the device (a SoundDevice: the wave output, or none)
// when it is queued, and to the recording (a WavWriter) once it has ended,
// in the recording's own timeline: the silence between tones as it
// happened, the first tone at the recording's start.
#pragma once

#include <cstdint>
#include <deque>

#include "basic/keys_and_sound/wav_writer.h"

// Time as the queue sees it: milliseconds from any fixed start.
class SoundClock {
 public:
  virtual ~SoundClock() = default;
  virtual double NowMs() = 0;
  virtual void SleepMs(double ms) = 0;
};

// Where tones are heard. Queue adds count samples of a square wave after
// what it already has; Stop silences it and forgets the rest; Drain waits
// a little (a device starts late) for what it has to be heard.
class SoundDevice {
 public:
  virtual ~SoundDevice() = default;
  virtual void Queue(double frequency, int64_t samples) = 0;
  virtual void Stop() = 0;
  virtual void Drain() = 0;
};

inline constexpr int32_t MostQueuedTones = 32;
inline constexpr double GapToleranceMs = 30;

class SoundQueue {
 public:
  // The device may be null: the time is kept all the same.
  SoundQueue(SoundClock& clock, SoundDevice* device) : clock_(clock), device_(device) {}

  void RecordTo(WavWriter* recording) { recording_ = recording; }
  void Add(double frequency, double sound_ms, double silence_ms, bool background);
  // SOUND's duration 0: the tone playing ends now, the queue is emptied.
  void Stop();
  // The tones queued that have not ended, the one playing included.
  int32_t Queued();
  // Waits until every tone has ended, and records them.
  void PlayOut();

 private:
  struct Tone {
    double frequency;
    double start, sound_end, end;
  };
  // Pops and records the tones that have ended by now.
  void CatchUp(double now);
  void Record(const Tone& tone, double end);
  void WaitUntil(double ms);

  SoundClock& clock_;
  SoundDevice* device_;
  WavWriter* recording_ = nullptr;
  std::deque<Tone> tones_;
  double free_at_ = 0;  // when the last tone queued ends
  bool started_ = false;
  double recording_start_ = 0;
};
