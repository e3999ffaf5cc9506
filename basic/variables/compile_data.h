// DATA, READ and RESTORE. Every DATA item of the program goes into one list
// in text order before the run; DATA itself does nothing when reached, READ
// takes the next items and RESTORE says which comes next.
#pragma once

struct Compiler;

// Each at its word.
void CompileData(Compiler& c);
void CompileRead(Compiler& c);
void CompileRestore(Compiler& c);
