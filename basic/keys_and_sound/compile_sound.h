// SOUND frequency, duration (BEEP is a word alone).
#pragma once

struct Compiler;

// At its word.
void CompileSound(Compiler& c);
