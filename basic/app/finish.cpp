#include "basic/app/finish.h"

#include <windows.h>

#include <cstdio>

#include "basic/app/app.h"
#include "basic/app/show.h"
#include "basic/basic.h"
#include "basic/keys_and_sound/program_sound.h"
#include "program/program.h"
#include "runtime/console/window.h"
#include "runtime/console/snapshot.h"

// The window thread ends the process, with `code`, once the user has closed
// the window; until then the picture stays. The last figures drawn
// may not have reached the screen yet when the window thread is idle (wine
// shows a window's drawing as its thread handles messages), so the window
// repaints itself once from the back buffer, which holds the same picture.
[[noreturn]] static void KeepWindowOpen(int code) {
  WindowClosedExitCode.store(code);
  InvalidateRect(PromptWindow, nullptr, FALSE);
  for (;;) Sleep(INFINITE);
}

void Finish(const BasicAppOptions& options, int code) {
  // A program stopped before it ran has drawn nothing worth keeping.
  const bool ran = code != BasicExitCompileError && code != BasicExitDamaged;
  if (!options.snapshot.empty() && ran && !WriteBackBufferBmp(options.snapshot.c_str())) {
    ShowMessage("basic: cannot write " + options.snapshot);
    code = BasicExitSnapshotFailed;
  }
  if (!options.window_snapshot.empty() && ran && !WriteWindowBmp(options.window_snapshot.c_str())) {
    ShowMessage("basic: cannot write " + options.window_snapshot);
    code = BasicExitSnapshotFailed;
  }
  // Notes still queued play out before the process ends, and the
  // recording is closed whole.
  FinishSound();
  std::fflush(stdout);
  std::fflush(stderr);
  if (!options.exit_at_end) KeepWindowOpen(code);
  if (code == 0) RuntimeEnd();
  ReleaseStringSlots();
  ExitProcess(static_cast<UINT>(code));
}
