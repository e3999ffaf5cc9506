// What a figure's instruction says beside its numbers (instructions.h):
// which arguments the program wrote, so that a left-out one takes the
// screen's own value at run time (the foreground colour, the mode's
// aspect), and its words (STEP, B, F).
#pragma once

#include <cstdint>

#include "basic/code/code.h"

// LINE's b: the box mode (0, 1 for B, 2 for BF), and the colour left out.
inline constexpr int32_t LineColourOmitted = 4;
// CIRCLE's b.
inline constexpr int32_t CircleColourOmitted = 1;
inline constexpr int32_t CircleAspectOmitted = 2;
inline constexpr int32_t CircleStep = 4;
// PSET's a; its b is 1 for PRESET, its c 1 for STEP.
inline constexpr int32_t PsetColourOmitted = 1;
// PAINT's a: bits 0 to 3 the arguments written (x, y, paint, border), and
// STEP.
inline constexpr int32_t PaintStep = 16;

// SCREEN's, COLOR's and PAINT's a: a bit for each argument written.
inline bool ArgumentWritten(const Instruction& in, int32_t argument) { return (in.a >> argument & 1) != 0; }
