// Times the interpreter in one process, on the real window and runtime:
//
// (a) FOR I = 1 TO 10000000: T = T + I * 0.5: NEXT, in ns per iteration;
// (b) a loop that builds strings (CHR$, concatenation, LEN), in ns per
//     iteration: every step goes through the string heap and its registry;
// (c) examples/balls.bas against the compiled scene (RunScene), in rounds
//     that alternate the two from seed 1, on the same window and back buffer;
// (d) T = F(T) with FUNCTION F(X): F = X + 1, 10^7 times, in ns per call
//     (the loop around it included);
// (e) 64 000 dots, FOR Y = 0 TO 199: FOR X = 0 TO 319: PSET (X, Y),
//     (X + Y) MOD 8: NEXT: NEXT, in ms for all of them, and PAINT of a
//     640 x 400 maze of one-pixel corridors and of the whole screen;
// (f) 10^6 numbers written to a file with PRINT # and read back with
//     INPUT #, in ns per number each way (files_vs_lua.sh sets Lua 5.4's
//     f:write and f:read("n") beside it);
// (g) PRINT #1, USING "###.##"; of 10^5 numbers into a file, ns per number;
// (h) PUT of a 32 x 32 image in SCREEN 13 with XOR, 10 000 times over the
//     screen, in ns per PUT (the GET before them included).
// (i) page flips in SCREEN 9: a page drawn whole (LINE BF) on the hidden
//     page and shown, 200 times, in ms per flip; the same with PCOPY onto
//     the visible page; and how long after a flip the window shows it, read
//     back from the window's own pixels, median of 20.
// (j) the PC's 80 x 25 text screen filled 1 000 times, each row one PRINT
//     of 80 box-drawing and block characters in its own colours, in ms per
//     screen.
// (k) FOR I = 1 TO 10^5 with two statements, with an ON TIMER and an ON
//     KEY trap set and no event due, against the same loop with no trap:
//     ns per iteration and their ratio.
// (l) PLAY of a 64-note tune in the background (T240, sixteenths: 4 s),
//     the program waiting with _DELAY until PLAY(0) is 0: the wall time
//     and the whole process's processor time (the wave device's threads
//     included) from the PLAY until the tune has played out, in ms.
//
// Each figure is the median of its rounds. (a), (b) and (d) also give the main
// thread's processor time, which other work on a shared machine disturbs
// less than the wall clock. In (c) each round runs the two scenes in turn,
// the first one alternating; the medians, the best rounds and the ratios of
// both are printed.
//
//   basic_bench.exe [ROUNDS [BALLS.BAS]]
//   basic_bench.exe files [ROUNDS]      (f) and (g) only
//   basic_bench.exe sprites [ROUNDS]    (h) only
//   basic_bench.exe text [ROUNDS]       (j) only
//   basic_bench.exe pages [ROUNDS]      (i) only
//   basic_bench.exe events [ROUNDS]     (k) only
//   basic_bench.exe sound [ROUNDS]      (l) only
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "basic/basic.h"
#include "bench/basic/bench_runs.h"
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

constexpr char CallLoop[] =
    "FOR I = 1 TO 10000000: T = F(T): NEXT\n"
    "FUNCTION F (X): F = X + 1: END FUNCTION\n";
constexpr double CallIterations = 1e7;

constexpr char DotLoop[] = "FOR Y = 0 TO 199: FOR X = 0 TO 319: PSET (X, Y), (X + Y) MOD 8: NEXT: NEXT\n";

// Walls on every odd row of SCREEN 12's top 400, each open at one end,
// alternately; PAINT then walks one long corridor, and then fills the
// whole screen around the walls.
constexpr char MazeSetUp[] =
    "SCREEN 12\n"
    "FOR Y = 1 TO 399 STEP 2: IF (Y \\ 2) MOD 2 THEN LINE (1, Y)-(639, Y), 15 ELSE LINE (0, Y)-(638, Y), 15\n"
    "NEXT: LINE (0, 400)-(639, 400), 15\n";
constexpr char MazePaint[] = "PAINT (0, 0), 4, 15\n";
constexpr char ScreenPaint[] = "SCREEN 12: PAINT (0, 0), 9\n";

// A 32 x 32 image of 1028 bytes, put where the screen has room for it.
constexpr char SpritePuts[] =
    "SCREEN 13: DIM S%(514)\n"
    "FOR Y = 0 TO 31: FOR X = 0 TO 31: PSET (X, Y), (X XOR Y) + 32: NEXT: NEXT\n"
    "GET (0, 0)-(31, 31), S%\n"
    "FOR I = 1 TO 10000: PUT ((I * 7) MOD 288, (I * 3) MOD 168), S%, XOR: NEXT\n";
constexpr double SpritePutCount = 1e4;
// Page flips: each round draws the hidden page whole and shows it.
constexpr char PageFlips[] =
    "SCREEN 9, , 1, 0\n"
    "FOR I = 1 TO 200: LINE (0, 0)-(639, 349), I MOD 16, BF: SCREEN , , I MOD 2, 1 - I MOD 2: NEXT\n";
constexpr char PageCopies[] =
    "SCREEN 9, , 1, 0\n"
    "FOR I = 1 TO 200: LINE (0, 0)-(639, 349), I MOD 16, BF: PCOPY 1, 0: NEXT\n";
constexpr double PageFlipCount = 200;
// A row of a frame and its blocks: corners, lines and the full block.
constexpr char TextScreenFill[] =
    "SCREEN 0\n"
    "B$ = CHR$(218) + STRING$(38, 196) + STRING$(40, 219) + CHR$(191)\n"
    "FOR K = 1 TO 1000: FOR R = 1 TO 25\n"
    "  LOCATE R, 1: COLOR 1 + (R + K) MOD 15, (R + K) MOD 8: PRINT B$;\n"
    "NEXT: NEXT\n";
constexpr double TextScreens = 1000;

// The file programs write into the system's temporary folder.
std::string TempFile(const char* name) {
  char folder[MAX_PATH + 1] = "";
  GetTempPathA(sizeof folder, folder);
  return std::string(folder) + name;
}

std::string FileWrite(const std::string& path) {
  return "OPEN \"" + path + "\" FOR OUTPUT AS #1\nFOR I = 1 TO 1000000: PRINT #1, I + .5: NEXT\nCLOSE\n";
}
std::string FileRead(const std::string& path) {
  return "OPEN \"" + path + "\" FOR INPUT AS #1\nFOR I = 1 TO 1000000: INPUT #1, X: S = S + X: NEXT\nCLOSE\n";
}
constexpr double FileNumbers = 1e6;
std::string FileUsing(const std::string& path) {
  return "OPEN \"" + path + "\" FOR OUTPUT AS #1\nFOR I = 1 TO 100000: PRINT #1, USING \"###.##\"; I / 1000: NEXT\n"
         "CLOSE\n";
}
constexpr double UsingNumbers = 1e5;

// ns per iteration, wall and processor, as "W (processor P)".
void PrintPerIteration(const char* name, const Timing& timing, double iterations, const char* target) {
  std::printf("%s_ns_per_iteration=%.2f (processor %.2f)%s\n", name, timing.wall_ms * 1e6 / iterations,
              timing.cpu_ms * 1e6 / iterations, target);
}

// (f) and (g): the write, the read of what it wrote, and PRINT USING.
int FileFigures(int rounds) {
  const std::string path = TempFile("basic_bench_numbers.txt");
  const BasicProgramPtr write = Compile(FileWrite(path), "file write");
  const BasicProgramPtr read = Compile(FileRead(path), "file read");
  const BasicProgramPtr using_ = Compile(FileUsing(path), "print using");
  if (!write || !read || !using_) return 1;
  // The read runs right after the write it reads, each round.
  std::vector<double> write_ms, write_cpu, read_ms, read_cpu;
  for (int round = 0; round < rounds; ++round) {
    TimeRun(write.get(), &write_ms, &write_cpu);
    TimeRun(read.get(), &read_ms, &read_cpu);
  }
  const Timing formatted = TimeRuns(using_.get(), rounds);
  DeleteFileA(path.c_str());
  const Timing written{Median(write_ms), Median(write_cpu)}, read_back{Median(read_ms), Median(read_cpu)};
  PrintPerIteration("file_write", written, FileNumbers, "");
  PrintPerIteration("file_read", read_back, FileNumbers, "");
  // Lua's os.clock is processor time: the processor figure is the one to set beside it.
  PrintPerIteration("file_both", Timing{written.wall_ms + read_back.wall_ms, written.cpu_ms + read_back.cpu_ms},
                    FileNumbers, " (target at most twice Lua's)");
  PrintPerIteration("using", formatted, UsingNumbers, "");
  return 0;
}

// (h): the PUTs of SpritePuts.
int SpriteFigures(int rounds) {
  const BasicProgramPtr puts = Compile(SpritePuts, "sprite puts");
  if (!puts) return 1;
  PrintPerIteration("sprite_put", TimeRuns(puts.get(), rounds), SpritePutCount, " (target at most 10000)");
  return 0;
}

// A program that draws page 1 in the colour and shows it, and the
// colour's COLORREF as the window shows it.
std::string FlipTo(int32_t colour) {
  return "SCREEN 9, , 1, 0: LINE (0, 0)-(639, 349), " + std::to_string(colour) + ", BF: SCREEN , , 1, 1\n";
}

// How long after a flip the window shows the new page: ms from the end of
// the flip (the program's end) until the window's pixel has its colour.
double FlipShownMs(BasicProgram* program, COLORREF colour) {
  HWND window = FindWindowA("PROMPT", nullptr);
  HDC dc = GetDC(window);
  LARGE_INTEGER frequency, flipped, now;
  QueryPerformanceFrequency(&frequency);
  BasicRun(program, BasicRunOptions{});
  QueryPerformanceCounter(&flipped);
  do {
    QueryPerformanceCounter(&now);
    if (now.QuadPart - flipped.QuadPart > frequency.QuadPart) break;  // a second: never shown
  } while (GetPixel(dc, 320, 175) != colour);
  ReleaseDC(window, dc);
  return static_cast<double>(now.QuadPart - flipped.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

// (i): flips, copies, and the time until a flip is shown.
int PageFigures(int rounds) {
  const BasicProgramPtr flips = Compile(PageFlips, "page flips");
  const BasicProgramPtr copies = Compile(PageCopies, "page copies");
  const BasicProgramPtr to_blue = Compile(FlipTo(1), "flip to blue");
  const BasicProgramPtr to_green = Compile(FlipTo(2), "flip to green");
  if (!flips || !copies || !to_blue || !to_green) return 1;
  const Timing flip = TimeRuns(flips.get(), rounds);
  const Timing copy = TimeRuns(copies.get(), rounds);
  std::vector<double> shown;
  for (int i = 0; i < 20; ++i) {
    shown.push_back(i % 2 ? FlipShownMs(to_blue.get(), RGB(0, 0, 0xAA)) : FlipShownMs(to_green.get(), RGB(0, 0xAA, 0)));
  }
  std::printf("page_flip_ms=%.3f (processor %.3f)\npage_copy_ms=%.3f (processor %.3f)\n", flip.wall_ms / PageFlipCount,
              flip.cpu_ms / PageFlipCount, copy.wall_ms / PageFlipCount, copy.cpu_ms / PageFlipCount);
  std::printf("page_flip_shown_ms=%.2f (worst %.2f)\n", Median(shown), *std::max_element(shown.begin(), shown.end()));
  return 0;
}

// (j): ms per screen of the text screen's fill.
int TextFigures(int rounds) {
  const BasicProgramPtr fill = Compile(TextScreenFill, "text screen");
  if (!fill) return 1;
  const Timing timing = TimeRuns(fill.get(), rounds);
  std::printf("text_screen_ms_per_screen=%.3f (processor %.3f)\n", timing.wall_ms / TextScreens,
              timing.cpu_ms / TextScreens);
  return 0;
}

std::string ReadFile(const char* path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// The parts that run alone: basic_bench.exe NAME [ROUNDS].
struct Part {
  const char* name;
  int (*figures)(int rounds);
  int default_rounds;
  bool on_window;  // waits for the window's first paint, as figures drawn on it must
};
constexpr Part Parts[] = {
    {"files", FileFigures, 5, false},
    {"sprites", SpriteFigures, 5, true},
    {"pages", PageFigures, 3, true},
    {"text", TextFigures, 3, true},
    {"events", EventFigures, 9, false},
    {"sound", SoundFigures, 3, true},
};

[[noreturn]] void RunPart(const Part& part, int argc, char** argv) {
  RuntimeStartUp();
  if (part.on_window) AwaitFirstPaint();
  const int status = part.figures(argc > 2 ? std::max(1, std::atoi(argv[2])) : part.default_rounds);
  std::fflush(stdout);
  ReleaseStringSlots();
  ExitProcess(status);
}

}  // namespace

int main(int argc, char** argv) {
  for (const Part& part : Parts) {
    if (argc > 1 && std::string(argv[1]) == part.name) RunPart(part, argc, argv);
  }
  const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;
  const char* balls_path = argc > 2 ? argv[2] : BASIC_EXAMPLES_DIR "/balls.bas";
  RuntimeStartUp();
  AwaitFirstPaint();

  const BasicProgramPtr arithmetic = Compile(ArithmeticLoop, "arithmetic");
  const BasicProgramPtr strings = Compile(StringLoop, "strings");
  const BasicProgramPtr calls = Compile(CallLoop, "calls");
  const BasicProgramPtr balls = Compile(ReadFile(balls_path), balls_path);
  const BasicProgramPtr dots = Compile(DotLoop, "dots");
  const BasicProgramPtr maze = Compile(std::string(MazeSetUp) + MazePaint, "maze");
  const BasicProgramPtr maze_set_up = Compile(MazeSetUp, "maze set-up");
  const BasicProgramPtr screen_paint = Compile(ScreenPaint, "screen paint");
  if (!arithmetic || !strings || !calls || !balls || !dots || !maze || !maze_set_up || !screen_paint) return 1;

  const Timing loop = TimeRuns(arithmetic.get(), rounds);
  const Timing string = TimeRuns(strings.get(), rounds);
  const Timing call = TimeRuns(calls.get(), rounds);
  const Timing dot = TimeRuns(dots.get(), rounds);
  const Timing maze_paint = TimeRuns(maze.get(), rounds);
  const Timing maze_lines = TimeRuns(maze_set_up.get(), rounds);
  const Timing screen_fill = TimeRuns(screen_paint.get(), rounds);
  std::vector<double> compiled_ms, basic_ms;
  const auto compiled_scene = [&] {
    RandSeed = 1;
    compiled_ms.push_back(Milliseconds([] { RunScene(); }));
  };
  const auto basic_scene = [&] {
    RandSeed = 1;
    basic_ms.push_back(Milliseconds([&] { BasicRun(balls.get(), BasicRunOptions{}); }));
  };
  // A scene takes a fraction of a second, and the machine's other work
  // disturbs single rounds: the scenes get three times the rounds.
  for (int round = 0; round < 3 * rounds; ++round) {
    if (round % 2 == 0) compiled_scene(), basic_scene();
    else basic_scene(), compiled_scene();
  }
  const double compiled = Median(compiled_ms), basic = Median(basic_ms);
  // The fastest rounds are those the machine's other work disturbed least.
  const double compiled_best = *std::min_element(compiled_ms.begin(), compiled_ms.end());
  const double basic_best = *std::min_element(basic_ms.begin(), basic_ms.end());

  std::printf("rounds=%d (scenes %d)\n", rounds, 3 * rounds);
  PrintPerIteration("loop", loop, ArithmeticIterations, " (target at most 25)");
  PrintPerIteration("string", string, StringIterations, "");
  PrintPerIteration("call", call, CallIterations, " (target at most 30)");
  std::printf("compiled_scene_ms=%.2f (best %.2f)\nbasic_scene_ms=%.2f (best %.2f)\n", compiled, compiled_best,
              basic, basic_best);
  std::printf("scene_ratio=%.3f (best %.3f) (target at most 1.05)\n", basic / compiled, basic_best / compiled_best);
  std::printf("dots_ms=%.2f (processor %.2f) (target at most 300)\n", dot.wall_ms, dot.cpu_ms);
  std::printf("paint_maze_ms=%.2f\npaint_screen_ms=%.2f (SCREEN 12's clearing included)\n",
              maze_paint.wall_ms - maze_lines.wall_ms, screen_fill.wall_ms);
  FileFigures(rounds);
  SpriteFigures(rounds);
  PageFigures(rounds);
  TextFigures(rounds);
  EventFigures(rounds);
  SoundFigures(3);
  std::fflush(stdout);
  ReleaseStringSlots();
  ExitProcess(0);
}
