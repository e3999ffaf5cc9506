// The figures: CLS, LINE, CIRCLE, PSET and PRESET, PAINT, DRAW and the
// POINT function. An omitted argument compiles to its default as a
// constant, so that the executor always finds the same operands; what the
// screen decides at run time (the foreground colour, the mode's aspect) is
// flagged in the instruction instead.
#pragma once

#include "basic/variables/variables.h"

struct Compiler;

// Each at its word.
void CompileCls(Compiler& c);
void CompileLine(Compiler& c);
void CompileCircle(Compiler& c);
void CompilePset(Compiler& c);
void CompilePaint(Compiler& c);
void CompileDraw(Compiler& c);
// POINT(x, y), after its word.
ValueKind CompilePointFunction(Compiler& c);

// "(x, y)": both numbers onto the stack.
void CompileCoordinates(Compiler& c);
