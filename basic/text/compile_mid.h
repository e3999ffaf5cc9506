// The MID$ statement: MID$(v$, start [, count]) = text overwrites bytes of
// a string variable or element in place; its length never changes.
#pragma once

struct Compiler;

// At MID$.
void CompileMidStatement(Compiler& c);
