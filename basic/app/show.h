// What the front end says: to the window's character layer, and to the
// standard streams when a shell or a test gives it those.
#pragma once

#include <string_view>

// Text for the character layer; also to standard output when echo is set.
void ShowText(std::string_view text, bool echo);
// Text for standard output alone: what the window shows already.
void EchoText(std::string_view text);
// A message for the user: to the character layer and to standard error,
// ending in CR LF whether or not the text did.
void ShowMessage(std::string_view text);
// A message for standard error alone: for the work done without a window
// (--list, --make); the second ends it in CR LF, as ShowMessage does.
void WriteError(std::string_view text);
void WriteErrorLine(std::string_view text);
