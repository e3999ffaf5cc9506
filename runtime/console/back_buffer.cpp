// The back buffer: made on WM_CREATE as large as the screen, so that no
// resize ever needs a new one, and copied to the window on every WM_PAINT.
#include <windows.h>

#include "runtime/console/console_internal.h"
#include "runtime/console/text_layer.h"
#include "runtime/console/window.h"

BackBufferState BackBuffer;
bool UnderscoreStandIn = false;

// Statically initialised: both threads may reach it before either has run
// any set-up.
static SRWLOCK BackBufferLock = SRWLOCK_INIT;

void BackBufferLockEnter() { AcquireSRWLockExclusive(&BackBufferLock); }
void BackBufferLockLeave() { ReleaseSRWLockExclusive(&BackBufferLock); }

static void PaintBackBufferBlack() {
  HGDIOBJ kept_brush = SelectObject(BackBuffer.dc, GetStockObject(BLACK_BRUSH));
  PatBlt(BackBuffer.dc, 0, 0, ScreenSize.width, ScreenSize.height, PATCOPY);
  SelectObject(BackBuffer.dc, kept_brush);
}

// The cell is as wide as a space and as high as the font's tmHeight.
static void MeasureCell() {
  HGDIOBJ kept_font = SelectObject(BackBuffer.dc, PromptFont.handle);
  SIZE space{};
  GetTextExtentPoint32A(BackBuffer.dc, " ", 1, &space);
  TEXTMETRICA metrics{};
  GetTextMetricsA(BackBuffer.dc, &metrics);
  SelectObject(BackBuffer.dc, kept_font);
  CellWidth = space.cx;
  CellHeight = metrics.tmHeight;
}

// Draws '_' white on the fresh black buffer and looks for its ink, then
// paints the cell black again.
static bool UnderscoreHasInk() {
  HGDIOBJ kept_font = SelectObject(BackBuffer.dc, PromptFont.handle);
  SetTextColor(BackBuffer.dc, RGB(255, 255, 255));
  SetBkMode(BackBuffer.dc, TRANSPARENT);
  TextOutA(BackBuffer.dc, 0, 0, "_", 1);
  SelectObject(BackBuffer.dc, kept_font);
  bool ink = false;
  for (int y = 0; y < CellHeight && !ink; ++y) {
    for (int x = 0; x < CellWidth && !ink; ++x) ink = GetPixel(BackBuffer.dc, x, y) != RGB(0, 0, 0);
  }
  PaintBackBufferBlack();
  return ink;
}

bool BackBufferCreate(HWND window) {
  HDC window_dc = GetDC(window);
  BackBufferLockEnter();
  BackBuffer.bitmap = CreateCompatibleBitmap(window_dc, ScreenSize.width, ScreenSize.height);
  BackBuffer.dc = CreateCompatibleDC(window_dc);
  const bool created = BackBuffer.bitmap != nullptr && BackBuffer.dc != nullptr;
  if (created) {
    SelectObject(BackBuffer.dc, BackBuffer.bitmap);
    PaintBackBufferBlack();
    MeasureCell();
    UnderscoreStandIn = !UnderscoreHasInk();
  }
  BackBufferLockLeave();
  ReleaseDC(window, window_dc);
  if (!created) BackBufferDestroy();
  return created;
}

void BackBufferCopyTo(HDC dc) {
  BackBufferLockEnter();
  BitBlt(dc, 0, 0, ScreenSize.width, ScreenSize.height, BackBuffer.dc, 0, 0, SRCCOPY);
  BackBufferLockLeave();
}

void BackBufferDestroy() {
  BackBufferLockEnter();
  DeleteDC(BackBuffer.dc);
  DeleteObject(BackBuffer.bitmap);
  BackBuffer = BackBufferState{};
  BackBufferLockLeave();
}
