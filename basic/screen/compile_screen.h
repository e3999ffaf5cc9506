// The screen's settings: SCREEN, COLOR, PALETTE and WINDOW. Every argument
// compiles to a number on the stack, an omitted one to 0, and the
// instruction says which were written.
#pragma once

struct Compiler;

// Each at its word.
void CompileScreen(Compiler& c);
void CompileColor(Compiler& c);
void CompilePalette(Compiler& c);
void CompileWindow(Compiler& c);
