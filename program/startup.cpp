#include <windows.h>

#include "program/program.h"
#include "runtime/console/text_layer.h"
#include "runtime/console/window.h"

RtString StringSlots[StringSlotCount];
DWORD WindowThreadId;

void RuntimeStartUp() {
  StrHeapInit();
  for (RtString& slot : StringSlots) slot = StrNew(0);
  InputLine.length = -1;
  FirstPaintFlag.store(0);
  // The handle is not kept: nothing ever waits for the window thread.
  HANDLE thread = CreateThread(nullptr, 0, WindowThreadMain, nullptr, 0, &WindowThreadId);
  // Without the window thread nothing would ever paint.
  if (thread == nullptr) {
    SysDebugLine(WindowUnavailableMessage);
    SysExitProcess(WindowUnavailableExitCode);
  }
  CloseHandle(thread);
}

void AwaitFirstPaint() {
  do {
    Sleep(20);
  } while (FirstPaintFlag.load() == 0);
}

void ReleaseStringSlots() {
  for (RtString slot : StringSlots) StrRelease(slot);
}

void RuntimeEnd() {
  ReleaseStringSlots();
  ExitProcess(0);
}
