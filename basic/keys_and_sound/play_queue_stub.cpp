// The music's queue, until there is background music: never a note, so
// ON PLAY(n) waits for an event that does not come.
#include "basic/keys_and_sound/events.h"

int32_t PlayNotesQueued(const Machine& /*machine*/) { return 0; }
