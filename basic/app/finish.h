// The end of a run: the snapshot written when asked, then the process
// ended, or the window left open for the user.
#pragma once

#include "basic/app/options.h"

// Writes the snapshot when asked and the program ran, then ends the process
// with `code`, or, without --exit, leaves the window open for the user.
[[noreturn]] void Finish(const BasicAppOptions& options, int code);
