// SCREEN, COLOR, PALETTE, PAINT, WINDOW and POINT, compiled to one
// instruction, Op::Screen: a holds the statement (ScreenOp) and, from bit
// 8, one bit for each argument the program wrote; b is how many numbers
// it takes off the stack, c how many it leaves (POINT's one).
#pragma once

#include <cstdint>

#include "basic/code/code.h"

enum class ScreenOp : int32_t { Screen, Color, Palette, PaletteReset, Paint, Window, WindowReset, Point };

inline constexpr int32_t ScreenArgumentShift = 8;

inline Instruction ScreenInstruction(ScreenOp op, int32_t written, int32_t taken, int32_t left = 0) {
  return {Op::Screen, static_cast<int32_t>(op) | written << ScreenArgumentShift, taken, left};
}

// Flags of LINE, CIRCLE and PSET: what the program left out takes the
// screen's own value at run time (the foreground colour, the mode's
// aspect).
inline constexpr int32_t LineColourOmitted = 4;     // in b, beside the box mode
inline constexpr int32_t CircleColourOmitted = 1;   // in b
inline constexpr int32_t CircleAspectOmitted = 2;   // in b
inline constexpr int32_t PsetColourOmitted = 1;     // in a; b is 1 for PRESET, c for STEP

struct Machine;
// Runs an Op::Screen.
const char* ScreenStatement(Machine& machine, const Instruction& in, double*& sp);
// LINE, CIRCLE and PSET on a screen that draws itself (DrawsItself).
const char* ScreenFigure(Machine& machine, const Instruction& in, double*& sp);
