// Counts the lines the runtime sends to the debugger (standard error here)
// during one call, instead of letting a fuzzing run print thousands of them.
// Sanitizer reports keep going to the real standard error.
#pragma once

#include <string>

void DebugLinesInit();
// Standard error goes to a scratch file until DebugLinesTake.
void DebugLinesStart();
// Everything sent since DebugLinesStart; standard error is restored.
std::string DebugLinesTake();
