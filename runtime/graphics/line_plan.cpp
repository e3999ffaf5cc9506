#include <utility>

#include "runtime/graphics/geometry.h"

static LineFigure FigureOf(int32_t box) {
  if (box == 0) return LineFigure::Line;
  return box == 2 ? LineFigure::FilledBox : LineFigure::Box;
}

LinePlan PlanLine(int32_t x1, int32_t y1, int32_t step, int32_t x2, int32_t y2, int32_t box,
                  LastPointState last_point) {
  // Only both coordinates together mark the first point as omitted.
  if (x1 == OmittedCoordinate && y1 == OmittedCoordinate) {
    x1 = last_point.x;
    y1 = last_point.y;
  }
  if (step != 0) {
    // An offset box keeps its corners as given, even backwards.
    x2 = WrappingAdd(x1, x2);
    y2 = WrappingAdd(y1, y2);
  } else if (box != 0) {
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
  }
  return LinePlan{FigureOf(box), x1, y1, x2, y2};
}
