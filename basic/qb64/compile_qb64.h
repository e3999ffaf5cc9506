// QB64's words that QBasic-era programs carry on their first lines, so that
// the versions kept runnable there run here unchanged: _TITLE, _DELAY,
// _LIMIT, the window's words that mean nothing here (_FULLSCREEN,
// _ALLOWFULLSCREEN, _SMOOTH, _SQUAREPIXELS), and the metacommands
// (metacommands.h). _PI is a built-in function (builtins.h). Every other
// QB64 word is an error naming it (compiler/compile_classic.h).
#pragma once

#include <string_view>

#include "basic/code/code.h"

struct Compiler;

// _TITLE text$: the window's caption.
void CompileQbTitle(Compiler& c);
// _DELAY seconds (op QbDelay): a pause that keys do not end; _LIMIT fps
// (op QbLimit): the loop runs at most fps times a second (frame_limit.h).
void CompileQbPause(Compiler& c, Op op);
// _FULLSCREEN and its kin, with whatever follows them: nothing to do.
void CompileQbWindowWord(Compiler& c);

// The line's metacommand, if any, acted on: $NOPREFIX turns on the words
// without '_' for the lines after it; a bad one is an error. True when the
// line is a metacommand ($ at its start) and so holds no statements.
bool CompileMetacommand(Compiler& c, std::string_view line);
