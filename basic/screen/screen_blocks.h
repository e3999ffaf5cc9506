// Blocks of a classic mode's pixels as colour numbers, read from the
// active page and drawn back in one call each way: GET and PUT move whole
// images, where a pixel at a time costs a call per pixel.
#pragma once

#include <cstdint>
#include <vector>

#include "basic/screen/screen.h"

// The colour numbers of width x height of the mode's pixels from `low`,
// row after row. False when the block does not lie in the mode's pixels
// or the screen has no pages (the runtime's own).
bool ScreenReadNumbers(const ScreenState& screen, ViewPoint low, int32_t width, int32_t height,
                       std::vector<uint8_t>* numbers);

// Draws colour numbers (below the mode's colours) there.
void ScreenDrawNumbers(ScreenState& screen, ViewPoint low, int32_t width, int32_t height,
                       const std::vector<uint8_t>& numbers);
