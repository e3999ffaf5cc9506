#include "bench/basic/bench_runs.h"

#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <vector>

#include "bench/timing.h"

BasicProgramPtr Compile(const std::string& source, const char* name) {
  std::vector<BasicDiagnostic> errors;
  BasicProgramPtr program = BasicCompile(source, name, &errors);
  for (const BasicDiagnostic& error : errors) std::fputs(BasicFormatDiagnostic(error).c_str(), stderr);
  return program;
}

namespace {

// Processor time so far, in ms.
double ProcessorMilliseconds(ProcessorTime counted) {
  FILETIME created, exited, kernel, user;
  if (counted == ProcessorTime::Thread) {
    GetThreadTimes(GetCurrentThread(), &created, &exited, &kernel, &user);
  } else {
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
  }
  const auto ticks = [](const FILETIME& t) { return (uint64_t{t.dwHighDateTime} << 32) | t.dwLowDateTime; };
  return static_cast<double>(ticks(kernel) + ticks(user)) / 1e4;  // 100 ns ticks
}

}  // namespace

void TimeRun(BasicProgram* program, std::vector<double>* wall, std::vector<double>* cpu, ProcessorTime counted) {
  const double cpu_before = ProcessorMilliseconds(counted);
  wall->push_back(Milliseconds([&] { BasicRun(program, BasicRunOptions{}); }));
  cpu->push_back(ProcessorMilliseconds(counted) - cpu_before);
}

Timing TimeRuns(BasicProgram* program, int rounds, ProcessorTime counted) {
  std::vector<double> wall, cpu;
  for (int round = 0; round < rounds; ++round) TimeRun(program, &wall, &cpu, counted);
  return {Median(wall), Median(cpu)};
}
