// The machine's wave output for SoundQueue: on Windows the wave device of
// winmm.dll, loaded when the first sound is made (the program links to no
// more than the system's core libraries); elsewhere, and where no wave
// device opens, none (null), and sound keeps its time silently.
#pragma once

#include <memory>

#include "basic/keys_and_sound/sound_queue.h"

std::unique_ptr<SoundDevice> OpenSoundDevice();
