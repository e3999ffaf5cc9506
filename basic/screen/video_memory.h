// The screen's pixels as the bytes of the PC's video memory held them, for
// BSAVE and BLOAD of the screen (and whatever else reads that memory):
//
//   SCREEN 13        segment &HA000: a byte per pixel, 320 a row, 64000
//   SCREEN 7 to 12   segment &HA000: one plane at a time, 8 pixels a byte
//                    (the top bit leftmost), width / 8 bytes a row; a read
//                    gives one plane's bits, a write sets the bits of every
//                    plane of its mask, as the EGA's and VGA's default
//                    write mode did
//   SCREEN 1, 2      segment &HB800: the even rows from 0 and the odd ones
//                    from &H2000, 80 bytes a row; SCREEN 1 4 pixels a byte
//                    (2 bits each), SCREEN 2 8
//
// Offsets past the mode's pixels read 0, and writes there change nothing.
#pragma once

#include <cstdint>

#include "basic/screen/screen.h"

// The segment of the mode's video memory; 0 for the runtime's own screen.
int32_t VideoSegment(const ScreenMode& mode);

// Plane p is bit p of the colour numbers.
uint8_t ReadVideoByte(const ScreenState& screen, int64_t offset, int32_t plane);
void WriteVideoByte(ScreenState& screen, int64_t offset, uint8_t value, int32_t plane_mask);
