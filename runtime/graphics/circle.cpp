#include <windows.h>

#include "runtime/console/window.h"
#include "runtime/graphics/geometry.h"
#include "runtime/graphics/mirror.h"

static void DrawCircleFigure(HDC dc, const CirclePlan& p) {
  switch (p.figure) {
    case CircleFigure::Ellipse:
      Ellipse(dc, p.left, p.top, p.right, p.bottom);
      break;
    case CircleFigure::Arc:
      Arc(dc, p.left, p.top, p.right, p.bottom, p.start_x, p.start_y, p.end_x, p.end_y);
      break;
    case CircleFigure::Pie:
      Pie(dc, p.left, p.top, p.right, p.bottom, p.start_x, p.start_y, p.end_x, p.end_y);
      break;
  }
}

void GfxCircle(int32_t x, int32_t y, int32_t radius, int32_t colour, double start, double end,
               double aspect, int32_t fill, int32_t fill_colour) {
  const CirclePlan plan = PlanCircle(x, y, radius, start, end, aspect);
  Mirror mirror{};
  // CIRCLE makes its pen and brush before it takes the window DC.
  MirrorCreatePenAndBrush(&mirror, colour, fill != 0, fill_colour);
  MirrorGetWindowDC(&mirror);
  if (MirrorSelect(&mirror)) {
    DrawCircleFigure(mirror.window, plan);
    DrawCircleFigure(BackBuffer.dc, plan);
  }
  MirrorEnd(&mirror);
}
