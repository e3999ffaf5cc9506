// Collects the lines this process sends to the debugger while a capture is
// running: on Windows through a vectored exception handler, which sees the
// debug-print exception before anything else; on Linux from standard error.
#pragma once

#include <string>

void DebugCaptureStart();
// Everything sent since DebugCaptureStart, in order, as one string.
std::string DebugCaptureStop();
