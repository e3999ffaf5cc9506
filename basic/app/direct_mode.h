// basic.exe started without a file: the direct mode in the window.
#pragma once

#include "basic/app/options.h"

// Reads lines typed into the window and hands each to a session; SYSTEM ends
// the process as END does.
[[noreturn]] void RunDirectMode(const BasicAppOptions& options);
