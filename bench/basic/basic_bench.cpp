// Times the interpreter in one process, on the real window and runtime:
//
// (a) FOR I = 1 TO 10000000: T = T + I * 0.5: NEXT, in ns per iteration;
// (b) a loop that builds strings (CHR$, concatenation, LEN), in ns per
//     iteration: every step goes through the string heap and its registry;
// (c) examples/balls.bas against the compiled scene (RunScene), in rounds
//     that alternate the two from seed 1, on the same window and back buffer.
//
// Each figure is the median of its rounds; (c) also prints the ratio.
//
//   basic_bench.exe [ROUNDS [BALLS.BAS]]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "basic/basic.h"
#include "bench/timing.h"
#include "program/program.h"
#include "runtime/numeric/numeric.h"

namespace {

constexpr char ArithmeticLoop[] = "FOR I = 1 TO 10000000: T = T + I * 0.5: NEXT\n";
constexpr double ArithmeticIterations = 1e7;

constexpr char StringLoop[] =
    "FOR I = 1 TO 1000000\n"
    "  S$ = S$ + CHR$(65 + I MOD 26)\n"
    "  IF LEN(S$) >= 64 THEN S$ = \"\"\n"
    "NEXT\n";
constexpr double StringIterations = 1e6;

BasicProgramPtr Compile(const std::string& source, const char* name) {
  std::vector<BasicDiagnostic> errors;
  BasicProgramPtr program = BasicCompile(source, name, &errors);
  for (const BasicDiagnostic& error : errors) std::fputs(BasicFormatDiagnostic(error).c_str(), stderr);
  return program;
}

// The median time of a program's run, in ms.
double TimeRuns(BasicProgram* program, int rounds) {
  std::vector<double> ms;
  for (int round = 0; round < rounds; ++round) {
    ms.push_back(Milliseconds([&] { BasicRun(program, BasicRunOptions{}); }));
  }
  return Median(ms);
}

std::string ReadFile(const char* path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

}  // namespace

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
  const char* balls_path = argc > 2 ? argv[2] : BASIC_EXAMPLES_DIR "/balls.bas";
  RuntimeStartUp();
  AwaitFirstPaint();

  const BasicProgramPtr arithmetic = Compile(ArithmeticLoop, "arithmetic");
  const BasicProgramPtr strings = Compile(StringLoop, "strings");
  const BasicProgramPtr balls = Compile(ReadFile(balls_path), balls_path);
  if (!arithmetic || !strings || !balls) return 1;

  const double loop_ns = TimeRuns(arithmetic.get(), rounds) * 1e6 / ArithmeticIterations;
  const double string_ns = TimeRuns(strings.get(), rounds) * 1e6 / StringIterations;
  std::vector<double> compiled_ms, basic_ms;
  for (int round = 0; round < rounds; ++round) {
    RandSeed = 1;
    compiled_ms.push_back(Milliseconds([] { RunScene(); }));
    RandSeed = 1;
    basic_ms.push_back(Milliseconds([&] { BasicRun(balls.get(), BasicRunOptions{}); }));
  }
  const double compiled = Median(compiled_ms), basic = Median(basic_ms);

  std::printf("rounds=%d\n", rounds);
  std::printf("loop_ns_per_iteration=%.2f (target at most 25)\n", loop_ns);
  std::printf("string_ns_per_iteration=%.2f\n", string_ns);
  std::printf("compiled_scene_ms=%.2f\nbasic_scene_ms=%.2f\nscene_ratio=%.3f (target at most 1.05)\n",
              compiled, basic, basic / compiled);
  std::fflush(stdout);
  ReleaseStringSlots();
  ExitProcess(0);
}
