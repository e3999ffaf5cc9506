// Pictures of basic.exe's window, and comparisons that say where they differ.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include "tests/support/window_harness.h"

// `area` of the client area of a window, of this process or another.
Picture CaptureForeignWindow(HWND window, const RECT& area);

// Captures `area` of the window until it shows `expected`, or `seconds`
// have passed; gives the last capture.
Picture AwaitWindowPicture(HWND window, const RECT& area, const Picture& expected, int seconds);

// Equal sizes and pixels; else how many pixels differ, and the first.
::testing::AssertionResult SamePictures(const Picture& expected, const Picture& actual);
