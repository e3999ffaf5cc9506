// PRINT with its separators, TAB and SPC, and the statements that place
// the text cursor: LOCATE, and WIDTH, which is accepted for the classic
// programs that start with it (this screen has no width to choose).
#pragma once

struct Compiler;

// Each at its word.
void CompilePrint(Compiler& c);
void CompileLocate(Compiler& c);
void CompileWidth(Compiler& c);
