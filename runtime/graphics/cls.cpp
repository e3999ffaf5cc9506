#include <windows.h>

#include "runtime/console/window.h"
#include "runtime/graphics/geometry.h"

static void ClearBackBuffer() {
  BackBufferLockEnter();
  HGDIOBJ kept_brush = SelectObject(BackBuffer.dc, GetStockObject(BLACK_BRUSH));
  PatBlt(BackBuffer.dc, 0, 0, ScreenSize.width, ScreenSize.height, PATCOPY);
  SelectObject(BackBuffer.dc, kept_brush);
  BackBufferLockLeave();
}

void GfxCls(int32_t mode) {
  const ClsPlan plan = PlanCls(mode);
  // The window thread alone writes the character layer: the clear is queued
  // behind the text already asked for, and served before the repaint.
  if (plan.text) PromptClearText();
  if (plan.graphics) ClearBackBuffer();
  InvalidateRect(PromptWindow, nullptr, FALSE);
}
