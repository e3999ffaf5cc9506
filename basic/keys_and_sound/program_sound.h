// The sound of the whole process: one queue (sound_queue.h) on the steady
// clock and the machine's wave output, made at the first sound, which every
// run shares (a tune played in the background goes on past its run's
// end), and the recording basic.exe --sound or BASIC_SOUND asks for.
#pragma once

#include <cstdint>
#include <string>

#include "basic/keys_and_sound/sound_queue.h"

struct Machine;

SoundQueue& ProgramSound();
// Records everything played from now on to a WAV file; false when the file
// cannot be made.
bool RecordSoundTo(const std::string& path);
// At the process's end: the queued tones play out, the recording is closed.
void FinishSound();
// For tests: the queue runs on this clock, with no device, from now on.
void UseSoundClock(SoundClock& clock);

// The notes still queued in the background (PLAY(n), ON PLAY(n)).
int32_t PlayNotesQueued(const Machine&);
