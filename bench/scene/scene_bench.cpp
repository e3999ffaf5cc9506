// Times the runtime's scene against the bare GDI calls it makes.
//
// (a) RunScene, as the program runs it, from seed 1.
// (b) A plain loop over the scene's 2502 figures, computed beforehand, that
//     issues the same calls in the same order for each: window DC, pen,
//     brush, selections, the figure on both device contexts, release,
//     restore, deletions (with the back buffer's lock, as the runtime holds
//     it), after the same clear of the back buffer.
// Rounds alternate (a) and (b) in one process, on the same window and back
// buffer; the medians and their ratio are printed.
//
// `scene_bench cold [RUNS]` gives the cold figure instead: what the watcher
// of a program that has just started waits for. Each run is a fresh process
// that times one first round, (a) or (b), right after the window's first
// paint; the runs alternate between the two, and their medians and ratio are
// printed.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "bench/child_process.h"
#include "bench/timing.h"
#include "program/program.h"
#include "program/scene.h"
#include "runtime/console/window.h"
#include "runtime/graphics/geometry.h"
#include "runtime/numeric/numeric.h"

namespace {

struct Figure {
  bool box;
  int left, top, right, bottom;
  Colour pen, brush;
};

std::vector<Figure> SceneFigures() {
  std::vector<Figure> figures = {{true, 0, 0, 640, 400, 0xFFFFFF, 0xFFFFFF},
                                 {true, 0, 280, 640, 400, 0xFF0000, 0xFF0000}};
  RandSeed = 1;
  for (int ball = 0; ball < 500; ++ball) {
    PlaceNextBall();
    for (const BallCircle& c : BallCircles(SceneVariables.X, SceneVariables.Y, SceneVariables.R)) {
      const CirclePlan p = PlanCircle(c.x, c.y, c.radius, 0, 0, c.aspect);
      figures.push_back({false, p.left, p.top, p.right, p.bottom, ColorFromCode(c.colour),
                         ColorFromCode(c.fill_colour)});
    }
  }
  return figures;
}

void Draw(HDC dc, const Figure& f) {
  if (f.box) {
    Rectangle(dc, f.left, f.top, f.right, f.bottom);
  } else {
    Ellipse(dc, f.left, f.top, f.right, f.bottom);
  }
}

void BareScene(const std::vector<Figure>& figures) {
  BackBufferLockEnter();
  HGDIOBJ kept = SelectObject(BackBuffer.dc, GetStockObject(BLACK_BRUSH));
  PatBlt(BackBuffer.dc, 0, 0, ScreenSize.width, ScreenSize.height, PATCOPY);
  SelectObject(BackBuffer.dc, kept);
  BackBufferLockLeave();
  InvalidateRect(PromptWindow, nullptr, FALSE);
  for (const Figure& f : figures) {
    // LINE takes the window DC first, CIRCLE after its pen and brush.
    HDC window = f.box ? GetDC(PromptWindow) : nullptr;
    HPEN pen = CreatePen(PS_SOLID, 1, f.pen);
    HBRUSH brush = CreateSolidBrush(f.brush);
    if (!f.box) window = GetDC(PromptWindow);
    SelectObject(window, pen);
    SelectObject(window, brush);
    BackBufferLockEnter();
    HGDIOBJ kept_pen = SelectObject(BackBuffer.dc, pen);
    HGDIOBJ kept_brush = SelectObject(BackBuffer.dc, brush);
    Draw(window, f);
    Draw(BackBuffer.dc, f);
    ReleaseDC(PromptWindow, window);
    SelectObject(BackBuffer.dc, kept_pen);
    SelectObject(BackBuffer.dc, kept_brush);
    BackBufferLockLeave();
    DeleteObject(pen);
    DeleteObject(brush);
  }
}

int ColdFigure(int runs) {
  std::vector<double> scene_ms, bare_ms;
  for (int run = 0; run < runs; ++run) {
    // Alternating which side starts keeps a drifting load off the ratio.
    const bool scene_first = run % 2 == 0;
    for (const bool scene : {scene_first, !scene_first}) {
      std::string printed;
      // A minute is far past any first round; a run that takes longer hangs.
      if (!RunSelf(scene ? "first scene" : "first bare", 60000, &printed) || printed.empty()) {
        std::fprintf(stderr, "scene_bench: a run printed no time\n");
        return 1;
      }
      (scene ? scene_ms : bare_ms).push_back(std::atof(printed.c_str()));
    }
  }
  const double scene = Median(scene_ms), bare = Median(bare_ms);
  std::printf("fresh processes=%d each\n", runs);
  std::printf("first_scene_ms=%.2f\nfirst_bare_gdi_ms=%.2f\ncold_ratio=%.3f\n", scene, bare, scene / bare);
  return 0;
}

// One fresh process's first round, (a) when `scene`, else (b); prints its time.
[[noreturn]] void FirstRound(bool scene) {
  RuntimeStartUp();
  AwaitFirstPaint();
  const std::vector<Figure> figures = scene ? std::vector<Figure>{} : SceneFigures();
  RandSeed = 1;
  const double ms = scene ? Milliseconds([] { RunScene(); }) : Milliseconds([&] { BareScene(figures); });
  std::printf("%.3f\n", ms);
  std::fflush(stdout);
  ReleaseStringSlots();
  ExitProcess(0);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 2 && std::strcmp(argv[1], "first") == 0) FirstRound(std::strcmp(argv[2], "scene") == 0);
  if (argc > 1 && std::strcmp(argv[1], "cold") == 0) return ColdFigure(argc > 2 ? std::max(1, std::atoi(argv[2])) : 7);
  const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;
  RuntimeStartUp();
  AwaitFirstPaint();
  const std::vector<Figure> figures = SceneFigures();
  std::vector<double> runtime_ms, bare_ms;
  for (int round = 0; round < rounds; ++round) {
    RandSeed = 1;
    runtime_ms.push_back(Milliseconds([] { RunScene(); }));
    bare_ms.push_back(Milliseconds([&] { BareScene(figures); }));
  }
  const double runtime = Median(runtime_ms), bare = Median(bare_ms);
  std::printf("figures=%zu rounds=%d\n", figures.size(), rounds);
  std::printf("runtime_scene_ms=%.2f\nbare_gdi_ms=%.2f\nratio=%.3f\n", runtime, bare, runtime / bare);
  std::fflush(stdout);
  ReleaseStringSlots();
  ExitProcess(0);
}
