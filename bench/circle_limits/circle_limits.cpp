// circle_limits [SECONDS]: what one filled CIRCLE costs as its radius grows,
// from 10^3 to 10^6 pixels, centred in the scene's area. Each radius is timed
// in a process of its own that is ended after SECONDS (default 10), so that
// a radius the rasteriser takes minutes over costs the measurement no more
// than that; the climb stops at the first radius over the bound.
//
// circle_limits --radius R (used by the above): starts the runtime, draws the
// one circle and prints "ms=N".
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "bench/child_process.h"
#include "program/program.h"
#include "runtime/graphics/graphics.h"

namespace {

int DrawOne(int32_t radius) {
  RuntimeStartUp();
  AwaitFirstPaint();
  GfxCls(3);
  const auto started = std::chrono::steady_clock::now();
  GfxCircle(320, 200, radius, 0, 0, 0, 1, 1, 1);
  const auto elapsed = std::chrono::steady_clock::now() - started;
  std::printf("ms=%.1f\n", std::chrono::duration<double, std::milli>(elapsed).count());
  std::fflush(stdout);
  ReleaseStringSlots();
  ExitProcess(0);
}

// Runs this program for one radius; the milliseconds it printed, or -1 when
// it did not finish within the bound.
double TimeInChild(int32_t radius, DWORD bound_ms) {
  std::string output;
  if (!RunSelf("--radius " + std::to_string(radius), bound_ms, &output)) return -1;
  return output.compare(0, 3, "ms=") == 0 ? std::atof(output.c_str() + 3) : -1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "--radius") == 0) return DrawOne(std::atoi(argv[2]));
  const double seconds = argc == 2 ? std::atof(argv[1]) : 10;
  const DWORD bound_ms = static_cast<DWORD>((seconds > 0 ? seconds : 10) * 1000);
  const int32_t radii[] = {1000,   3000,   10000,  20000,  50000,  100000, 200000, 300000,
                           350000, 400000, 450000, 500000, 600000, 800000, 1000000};
  std::printf("filled CIRCLE, one call, window and back buffer (bound %lu ms)\n",
              static_cast<unsigned long>(bound_ms));
  for (int32_t radius : radii) {
    const double ms = TimeInChild(radius, bound_ms);
    if (ms < 0) {
      std::printf("radius %7d: over %lu ms, stopped\n", radius, static_cast<unsigned long>(bound_ms));
      break;
    }
    std::printf("radius %7d: %9.1f ms\n", radius, ms);
    std::fflush(stdout);
  }
  return 0;
}
