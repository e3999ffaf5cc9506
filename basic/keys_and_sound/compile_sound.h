// SOUND frequency, duration (BEEP is a word alone); PLAY.
#pragma once

#include "basic/code/value_kind.h"

struct Compiler;

// At its word.
void CompileSound(Compiler& c);
// PLAY commands$ (the statement) and PLAY(n) (the function, after its word).
void CompilePlay(Compiler& c);
ValueKind CompilePlayFunction(Compiler& c);
