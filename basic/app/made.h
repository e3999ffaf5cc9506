// A made program at start-up: the program inside found, checked and run.
#pragma once

// Whether this executable is a made program, with a program inside.
bool IsMadeProgram();
// Runs the program inside this made program; never returns.
[[noreturn]] void RunMadeProgram();
