// Graphics GET and PUT: a block of the screen into a numeric array's bytes
// and back (sprite_format.h for the bytes). They share their words with
// the file statements GET # and PUT #; a point after the word, or STEP,
// makes them the screen's.
#pragma once

#include <cstdint>

struct Compiler;

// PUT's ways of combining the image with the screen (the instruction's c,
// below SpriteStep); XOR when the program names none.
enum class SpriteAction { Pset, Preset, And, Or, Xor };
inline constexpr int32_t SpriteStep = 8;
// GET's c: STEP before the first point, before the second.
inline constexpr int32_t SpriteFirstStep = 1;
inline constexpr int32_t SpriteSecondStep = 2;

// "array" or "array(subscripts)" or "array()" of a numeric array: the
// subscripts onto the stack, the array's slot and their number (0: from its
// first element) given back; a string array is an error that says what
// `needs` it ("PALETTE USING needs").
void NumericArrayArgument(Compiler& c, const char* needs, int32_t* slot, int32_t* subscripts);

// Whether the statement at its word (GET or PUT) is the graphics one.
bool IsSpriteTransfer(const Compiler& c);
// GET [STEP](x1, y1)-[STEP](x2, y2), array[(subscripts)]
// PUT [STEP](x, y), array[(subscripts)] [, PSET | PRESET | AND | OR | XOR]
// each at its word.
void CompileSpriteGet(Compiler& c);
void CompileSpritePut(Compiler& c);
