// TIMER, TIME$ and DATE$: the local clock as a number and as text, read
// through a pointer that tests may point at a fixed moment.
#pragma once

#include "basic/builtins/builtins.h"
#include "runtime/system.h"

// The clock the three read: the system's local time, unless a test has put
// a fixed moment in its place.
extern void (*BuiltinClock)(SysTime* now);
