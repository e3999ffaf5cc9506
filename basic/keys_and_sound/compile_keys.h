// The keys' statements: SLEEP, which waits for a time or for a key, and
// KEY ON, OFF and LIST, accepted for the classic programs that start with
// them (this screen has no line of function keys to show or hide).
#pragma once

struct Compiler;

// Each at its word.
void CompileSleep(Compiler& c);
void CompileKey(Compiler& c);
