// The keys' statements: SLEEP, which waits for a time or for a key, and
// KEY: ON, OFF and LIST (the soft keys' line and list), KEY n, text$ and
// KEY(n) ON, OFF, STOP.
#pragma once

struct Compiler;

// Each at its word.
void CompileSleep(Compiler& c);
void CompileKey(Compiler& c);
