// BSAVE and BLOAD: a range of the program's memory to a file and back
// (bsave_format.h). Two memories are known: the bytes of a numeric array
// (array_bytes.h), and the screen's video memory (video_memory.h), which
// in the planar modes is one plane to read and a mask of planes to write.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "basic/executor/run_errors.h"
#include "basic/files/bsave_format.h"
#include "basic/screen/screen.h"
#include "basic/variables/variables.h"

struct Machine;

// ---- Where BSAVE and BLOAD meet the PC's memory (basic/memory: DEF SEG
// chooses the segment, CurrentSegment(machine) reads it).
// The numeric array whose bytes hold segment:offset, and where the offset
// falls in them (in the classic order); false where no array lies: an
// array lies in the memory once VARPTR or VARSEG has asked for it.
bool ArrayAtAddress(Machine& machine, int32_t segment, int32_t offset, ArrayVariable** array, int64_t* first_byte);
// The plane a read of the planar modes' video memory gives and the planes
// a write sets: for now 0 and all four; joined with OUT, the graphics
// controller's read map and the sequencer's map mask.
int32_t VideoReadPlane();
int32_t VideoWritePlanes();
// ----

// The file of header.length bytes of the array from first_byte, or of the
// screen's video memory from header.offset; the caller checked that the
// bytes lie in the array.
RunError BsaveArray(const ArrayVariable& array, int64_t first_byte, BsaveHeader header, std::string_view name);
RunError BsaveScreen(const ScreenState& screen, BsaveHeader header, int32_t plane, std::string_view name);

// A BSAVE file's bytes, after its header, and where it says they came from.
RunError ReadBsaveFile(std::string_view name, BsaveHeader* header, std::string* bytes);
// The bytes into the array from first_byte: Illegal function call, and
// nothing changed, when they reach past its end.
RunError BloadArray(ArrayVariable& array, int64_t first_byte, std::string_view bytes);
// The bytes into the video memory from the offset.
void BloadScreen(ScreenState& screen, int32_t offset, std::string_view bytes, int32_t planes);
