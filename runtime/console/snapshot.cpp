#include "runtime/console/snapshot.h"

#include <windows.h>

#include "runtime/console/window.h"
#include "runtime/console/bmp.h"

bool WriteBackBufferBmp(const char* path) {
  BackBufferLockEnter();
  const bool written = WriteBmp(path, BackBuffer.dc, ScreenSize.width, ScreenSize.height);
  BackBufferLockLeave();
  return written;
}

bool WriteWindowBmp(const char* path) {
  RECT client{};
  GetClientRect(PromptWindow, &client);
  HDC dc = GetDC(PromptWindow);
  const bool written = WriteBmp(path, dc, client.right, client.bottom);
  ReleaseDC(PromptWindow, dc);
  return written;
}
