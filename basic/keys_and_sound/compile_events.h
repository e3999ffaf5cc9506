// Event traps' statements: ON KEY(n), ON TIMER(n), ON PLAY(n) GOSUB, and
// KEY(n), TIMER, PLAY with ON, OFF or STOP (keys_and_sound/events.h).
// Only a program whose text traps an event gets a check before each
// statement.
#pragma once

#include <string_view>
#include <vector>

struct Compiler;
struct Token;

// Whether the lines hold ON KEY(, ON TIMER( or ON PLAY(.
bool MayTrapEvents(const std::vector<std::string_view>& lines);
// The check before a statement that starts with `first`, in a program
// that traps events: before a line's first statement and before each
// NEXT, LOOP and WEND, so that every loop, even on one line, looks once
// an iteration; none before the words that compile to no code of their
// own place (SUB, CASE, DATA ...).
void CompileEventCheck(Compiler& c, const Token& first);

// After ON: true when it was an event trap, now compiled.
bool CompileOnEvent(Compiler& c);
// At the statement's start: TIMER ON/OFF/STOP, PLAY ON/OFF/STOP; false
// when the statement is not one of them.
bool CompileEventSwitch(Compiler& c);
// KEY(n) ON/OFF/STOP, after KEY.
void CompileKeySwitch(Compiler& c);
