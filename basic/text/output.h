// Text on its way out: PRINT's text to the window through the runtime, and,
// when the run echoes (basic.exe --echo), to standard output too.
#pragma once

#include <string_view>

// Writes text at the cursor through the runtime's PRINT, and to stdout when
// echoing ("\r\n" written as "\n").
void OutputText(std::string_view text, bool echo);
// Writes text to stdout only, when echoing: what LPRINT prints.
void EchoOnly(std::string_view text, bool echo);
// Writes a line INPUT read to stdout when echoing.
void EchoInputLine(std::string_view line, bool echo);
