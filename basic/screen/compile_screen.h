// The screen's settings: SCREEN, COLOR, PALETTE and WINDOW. Every argument
// compiles to a number on the stack, an omitted one to 0, and the
// instruction says which were written.
#pragma once

#include <cstdint>

#include "basic/screen/screen_statements.h"

struct Compiler;

// Each at its word.
void CompileScreen(Compiler& c);
void CompileColor(Compiler& c);
void CompilePalette(Compiler& c);
void CompileWindow(Compiler& c);

// The one instruction of these statements, with PAINT's and POINT's.
void EmitScreen(Compiler& c, ScreenOp op, int32_t written, int32_t taken, int32_t left = 0);
