// What basic_bench's parts share: compiling a program with its errors on
// standard error, and the medians of its runs' wall and processor time.
#pragma once

#include <string>
#include <vector>

#include "basic/basic.h"

BasicProgramPtr Compile(const std::string& source, const char* name);

struct Timing {
  double wall_ms, cpu_ms;
};

// Whose processor time a run counts: the main thread's alone, which other
// work on a shared machine disturbs less, or the whole process's, with the
// threads the run starts (the wave device's).
enum class ProcessorTime { Thread, Process };

// One run of a program: its wall and processor time, in ms, added to the
// lists.
void TimeRun(BasicProgram* program, std::vector<double>* wall, std::vector<double>* cpu,
             ProcessorTime counted = ProcessorTime::Thread);
// The medians of a program's runs.
Timing TimeRuns(BasicProgram* program, int rounds, ProcessorTime counted = ProcessorTime::Thread);

// (k) and (l), in event_and_sound_parts.cpp.
int EventFigures(int rounds);
int SoundFigures(int rounds);
