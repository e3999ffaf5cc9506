// Writing a device context's pixels as an uncompressed 24-bit BMP file.
#pragma once

#include <windows.h>

// Writes width x height pixels of dc from its top-left corner to path;
// false when the file cannot be written.
bool WriteBmp(const char* path, HDC dc, int width, int height);
