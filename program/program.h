// The main sequence: start-up, the hand-shake with the window thread, the
// scene, and END. It runs on the main thread; the process ends either at END
// or when the window is destroyed, both with exit code 0. When the window
// thread or its window cannot be made, the process sends one debugger line
// and ends with WindowUnavailableExitCode (runtime/console/window.h) at once,
// rather than wait for a paint that can never come.
#pragma once

#include <windows.h>

#include "runtime/strings/strings.h"

inline constexpr int StringSlotCount = 32;
// Each slot holds an empty string from start-up until END.
extern RtString StringSlots[StringSlotCount];
// As CreateThread returned it; kept, never used again.
extern DWORD WindowThreadId;

// The whole program: start-up, hand-shake, scene, END. Never returns.
[[noreturn]] void SceneMain();

// String heap, slots, line input off, then the window thread, running.
void RuntimeStartUp();
// Sleeps 20 ms, then looks at FirstPaintFlag, until the window has painted.
void AwaitFirstPaint();
// The backdrop and the 500 balls.
void RunScene();
// END: releases the string slots and ends the process with exit code 0.
[[noreturn]] void RuntimeEnd();
void ReleaseStringSlots();
