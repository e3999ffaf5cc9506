// The figures: CLS, LINE, CIRCLE, PSET and PRESET, PAINT, DRAW and the
// POINT function. An omitted argument compiles to its default as a
// constant, so that the executor always finds the same operands; what the
// screen decides at run time (the foreground colour, the mode's aspect) is
// flagged in the instruction instead.
#pragma once

#include "basic/variables/variables.h"

struct Compiler;

// Each at its word:
// CLS [mode]
void CompileCls(Compiler& c);
// LINE [(x1, y1)]-[STEP](x2, y2) [, [colour] [, [B | BF] [, fill]]]
void CompileLine(Compiler& c);
// CIRCLE (x, y), r [, [colour] [, [start] [, [end] [, [aspect] [, [F] [, fill]]]]]]
void CompileCircle(Compiler& c);
// PSET | PRESET [STEP] (x, y) [, colour]
void CompilePset(Compiler& c);
// PAINT [STEP] (x, y) [, [paint] [, border]]
void CompilePaint(Compiler& c);
// DRAW commands$
void CompileDraw(Compiler& c);
// POINT(x, y), after its word.
ValueKind CompilePointFunction(Compiler& c);

// "(x, y)": both numbers onto the stack.
void CompileCoordinates(Compiler& c);
