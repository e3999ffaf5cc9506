// The screen's settings: SCREEN, COLOR, PALETTE and WINDOW. Every argument
// compiles to a number on the stack, an omitted one to 0, and the
// instruction says which were written.
#pragma once

struct Compiler;

// Each at its word:
// SCREEN [mode] [, [colour switch] [, [active page] [, visible page]]]
void CompileScreen(Compiler& c);
// PCOPY from, to
void CompilePcopy(Compiler& c);
// COLOR [foreground] [, [background] [, border]]
void CompileColor(Compiler& c);
// PALETTE [attribute, colour], PALETTE USING array[(subscripts)]
void CompilePalette(Compiler& c);
// WINDOW [[SCREEN] (x1, y1)-(x2, y2)]
void CompileWindow(Compiler& c);
