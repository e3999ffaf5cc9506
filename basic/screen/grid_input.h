// A line typed into the text grid (the PC's text screen or a classic
// mode's), shown in its glyphs as it is typed: the keys come from the
// keyboard as INKEY$ takes them.
#pragma once

#include <string>

struct Machine;

// Reads keys until Enter: each character is shown at the cursor, Backspace
// takes the last one back, keys that type no character are skipped, and a
// line holds at most 255 bytes. The line end moves the cursor to the next
// row. False when no key can come (a script that has ended).
bool TypeLineInGrid(Machine& machine, std::string* line);
