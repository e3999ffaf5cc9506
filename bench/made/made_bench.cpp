// made_bench [RUNS]: the made program against the compiled one. Makes
// made_balls.exe from examples/balls.bas with the basic.exe beside this
// benchmark, then runs it and the compiled balls.exe in turn, each as a
// process of its own, and prints the medians: the start-up (from starting
// the process until its PROMPT window exists), the whole run (until the
// process has ended, just after its last ball and END), their ratio and the
// two files' sizes.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/timing.h"
#include "tests/support/child_process.h"

namespace {

using Clock = std::chrono::steady_clock;

std::string Sibling(const char* name) {
  char self[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameA(nullptr, self, MAX_PATH);
  std::string path(self, length);
  return path.substr(0, path.find_last_of("\\/") + 1) + name;
}

double MillisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

struct Timings {
  double window_ms, end_ms;
  DWORD code;
};

// Runs the command to its end, polling for its window meanwhile.
Timings TimeRun(std::string command) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION child{};
  const auto start = Clock::now();
  if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &child)) {
    std::fprintf(stderr, "made_bench: cannot start %s\n", command.c_str());
    std::exit(1);
  }
  Timings timings{-1, -1, 0};
  while (WaitForSingleObject(child.hProcess, timings.window_ms < 0 ? 1 : INFINITE) == WAIT_TIMEOUT) {
    if (FindPromptWindow(child.dwProcessId) != nullptr) timings.window_ms = MillisecondsSince(start);
  }
  timings.end_ms = MillisecondsSince(start);
  GetExitCodeProcess(child.hProcess, &timings.code);
  CloseHandle(child.hThread);
  CloseHandle(child.hProcess);
  return timings;
}

long long FileSize(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return -1;
  return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
  const std::string compiled = Sibling("balls.exe"), made = Sibling("made_balls.exe");
  const std::string make = "\"" + Sibling("basic.exe") + "\" --exit --make \"" + made + "\" \"" +
                           BALLS_EXAMPLES_DIR "/balls.bas\"";
  if (TimeRun(make).code != 0) {
    std::fprintf(stderr, "made_bench: basic.exe could not make %s\n", made.c_str());
    return 1;
  }
  std::vector<double> compiled_window, compiled_end, made_window, made_end;
  for (int i = 0; i < runs; ++i) {
    const Timings c = TimeRun("\"" + compiled + "\""), m = TimeRun("\"" + made + "\"");
    if (c.code != 0 || m.code != 0) {
      std::fprintf(stderr, "made_bench: exit codes %lu (compiled) and %lu (made)\n", c.code, m.code);
      return 1;
    }
    compiled_window.push_back(c.window_ms), compiled_end.push_back(c.end_ms);
    made_window.push_back(m.window_ms), made_end.push_back(m.end_ms);
  }
  std::printf("runs=%d\ncompiled_startup_ms=%.1f\nmade_startup_ms=%.1f\n", runs, Median(compiled_window),
              Median(made_window));
  std::printf("compiled_run_ms=%.1f\nmade_run_ms=%.1f\nrun_ratio=%.3f\n", Median(compiled_end), Median(made_end),
              Median(made_end) / Median(compiled_end));
  std::printf("compiled_bytes=%lld\nmade_bytes=%lld\nbasic_bytes=%lld\n", FileSize(compiled), FileSize(made),
              FileSize(Sibling("basic.exe")));
  DeleteFileA(made.c_str());
  return 0;
}
