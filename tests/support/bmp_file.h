// Reading back the 24-bit BMP files that the snapshot tools write.
#pragma once

#include <string>

#include "tests/support/window_harness.h"

// The top-left width x height pixels of a 24-bit bottom-up BMP file; an
// empty picture, with a test failure, when the file is not such a BMP or is
// smaller.
Picture ReadBmp(const std::string& path, int width, int height);
