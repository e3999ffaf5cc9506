// The PC's text screen's words: VIEW PRINT and the SCREEN function.
#pragma once

#include "basic/code/value_kind.h"

struct Compiler;

// VIEW PRINT [top TO bottom], at PRINT.
void CompileViewPrint(Compiler& c);
// SCREEN(row, column [, 1]), after the word SCREEN.
ValueKind CompileScreenFunction(Compiler& c);
