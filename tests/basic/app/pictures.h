// Pictures of basic.exe's window, and comparisons that say where they differ.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include "tests/support/window_harness.h"

// `area` of the client area of a window, of this process or another.
Picture CaptureForeignWindow(HWND window, const RECT& area);

// Equal sizes and pixels; else how many pixels differ, and the first.
::testing::AssertionResult SamePictures(const Picture& expected, const Picture& actual);
