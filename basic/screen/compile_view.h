// VIEW, and the functions that read the coordinates it and WINDOW set:
// PMAP and POINT(n).
#pragma once

#include "basic/code/value_kind.h"

struct Compiler;

// VIEW [[SCREEN] (x1, y1)-(x2, y2) [, [fill] [, border]]], at its word.
void CompileView(Compiler& c);
// PMAP(coordinate, n), after its word.
ValueKind CompilePmapFunction(Compiler& c);
