#include "tests/support/debug_capture.h"

#include <gtest/gtest.h>

void DebugCaptureStart() { testing::internal::CaptureStderr(); }

std::string DebugCaptureStop() { return testing::internal::GetCapturedStderr(); }
