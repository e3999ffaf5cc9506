#include <windows.h>

#include "runtime/console/window.h"
#include "runtime/graphics/geometry.h"
#include "runtime/graphics/mirror.h"

LastPointState LastPoint;

// LineTo leaves out its end point; SetPixel puts it back.
static void DrawLine(HDC dc, const LinePlan& line, Colour colour) {
  MoveToEx(dc, line.x1, line.y1, nullptr);
  LineTo(dc, line.x2, line.y2);
  SetPixel(dc, line.x2, line.y2, colour);
}

// Rectangle leaves out its right column and bottom row; +1 brings them in.
static void DrawBox(HDC dc, const LinePlan& box) {
  Rectangle(dc, box.x1, box.y1, WrappingAdd(box.x2, 1), WrappingAdd(box.y2, 1));
}

void GfxLine(int32_t x1, int32_t y1, int32_t step, int32_t x2, int32_t y2, int32_t colour,
             int32_t box, int32_t fill_colour) {
  const LinePlan plan = PlanLine(x1, y1, step, x2, y2, box, LastPoint);
  Mirror mirror{};
  MirrorGetWindowDC(&mirror);
  MirrorCreatePenAndBrush(&mirror, colour, plan.figure == LineFigure::FilledBox, fill_colour);
  if (MirrorSelect(&mirror)) {
    if (plan.figure == LineFigure::Line) {
      DrawLine(BackBuffer.dc, plan, ColorFromCode(colour));
      DrawLine(mirror.window, plan, ColorFromCode(colour));
    } else {
      DrawBox(mirror.window, plan);
      DrawBox(BackBuffer.dc, plan);
    }
  }
  MirrorEnd(&mirror);
  // Drawn or not, the statement ran: the last point follows it, so later
  // statements go where the program meant them to.
  LastPoint = {plan.x2, plan.y2};
}
