#include "runtime/graphics/mirror.h"

#include "runtime/console/window.h"
#include "runtime/graphics/graphics.h"

void MirrorCreatePenAndBrush(Mirror* mirror, int32_t colour, bool filled, int32_t fill_colour) {
  mirror->pen = CreatePen(PS_SOLID, 1, ColorFromCode(colour));
  mirror->brush_created = filled;
  mirror->brush = filled ? CreateSolidBrush(ColorFromCode(fill_colour))
                         : static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
}

void MirrorGetWindowDC(Mirror* mirror) { mirror->window = GetDC(PromptWindow); }

bool MirrorSelect(Mirror* mirror) {
  if (mirror->pen == nullptr || mirror->brush == nullptr) return false;
  // The window DC is a common one: what it held before is not kept.
  SelectObject(mirror->window, mirror->pen);
  SelectObject(mirror->window, mirror->brush);
  BackBufferLockEnter();
  mirror->kept_pen = SelectObject(BackBuffer.dc, mirror->pen);
  mirror->kept_brush = SelectObject(BackBuffer.dc, mirror->brush);
  mirror->selected = true;
  return true;
}

void MirrorEnd(Mirror* mirror) {
  ReleaseDC(PromptWindow, mirror->window);
  if (mirror->selected) {
    SelectObject(BackBuffer.dc, mirror->kept_pen);
    SelectObject(BackBuffer.dc, mirror->kept_brush);
    BackBufferLockLeave();
  }
  if (mirror->pen != nullptr) DeleteObject(mirror->pen);
  if (mirror->brush_created && mirror->brush != nullptr) DeleteObject(mirror->brush);
}
