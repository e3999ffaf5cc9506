// balls-snapshot OUT.bmp [WINDOW.bmp]: runs the program's scene in the real
// window exactly as the program does, then, instead of END, writes the whole
// back buffer to OUT.bmp (and the window's client area as the screen shows
// it to WINDOW.bmp), prints how long the scene took, releases the string
// slots and exits with code 0; non-zero when a file cannot be written.
#include <windows.h>

#include <chrono>
#include <cstdio>

#include "program/program.h"
#include "runtime/console/snapshot.h"

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: balls-snapshot OUT.bmp [WINDOW.bmp]\n");
    return 2;
  }
  RuntimeStartUp();
  AwaitFirstPaint();
  const auto started = std::chrono::steady_clock::now();
  RunScene();
  const auto elapsed = std::chrono::steady_clock::now() - started;

  int code = 0;
  for (int i = 1; i < argc; ++i) {
    const bool written = i == 1 ? WriteBackBufferBmp(argv[i]) : WriteWindowBmp(argv[i]);
    if (!written) {
      std::fprintf(stderr, "balls-snapshot: cannot write %s\n", argv[i]);
      code = 1;
    }
  }
  std::printf("scene_ms=%lld\n",
              static_cast<long long>(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count()));
  std::fflush(stdout);
  ReleaseStringSlots();
  ExitProcess(static_cast<UINT>(code));
}
