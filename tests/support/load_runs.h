// How many times the load tests repeat what costs a process start or a
// whole scene. BALLS_LOAD_RUNS, when set to a positive number, replaces every
// count: fewer runs where starting a process is slow (an emulator), more for
// a long soak.
#pragma once

int LoadRuns(int usual);
