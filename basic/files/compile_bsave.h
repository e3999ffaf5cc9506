// BSAVE file$, offset, length and BLOAD file$ [, offset]: memory of the
// current segment to a file and back (bsave_memory.h).
#pragma once

struct Compiler;

// Each at its word.
void CompileBsave(Compiler& c);
void CompileBload(Compiler& c);
