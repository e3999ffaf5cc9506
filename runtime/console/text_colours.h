// COLOR's text colours: those the character layer gives every character
// written from now on.
#pragma once

#include <cstdint>

void PromptTextColours(uint32_t fore, uint32_t back);
