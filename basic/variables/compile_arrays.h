// Arrays in the program text: DIM and REDIM with their bounds and AS types,
// COMMON, OPTION BASE, ERASE, and LBOUND and UBOUND.
#pragma once

#include "basic/variables/variables.h"

struct Compiler;
struct Token;

// DIM or REDIM, at the word (DIM SHARED too).
void CompileDim(Compiler& c, bool redim);
// The list of names and bounds after DIM, DIM SHARED or REDIM.
void CompileDimensions(Compiler& c, bool redim);
// COMMON [SHARED] [/block/] name[()] [AS type] [, ...], at the word.
void CompileCommon(Compiler& c);
// OPTION BASE 0|1 and ERASE a [, b ...], at the word.
void CompileOptionBase(Compiler& c);
void CompileErase(Compiler& c);
// LBOUND|UBOUND(array [, dimension]), after the function's word.
ValueKind CompileBound(Compiler& c, const Token& function);

// Once the whole text is compiled: keeps the declarations of the arrays
// whose one DIM has constant bounds (they exist from the start of the run).
void KeepSoleDeclarations(Compiler& c);
