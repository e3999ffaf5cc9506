// The arithmetic of CLS, LINE and CIRCLE, apart from the calls into GDI: what
// each statement clears or which figure it draws with which coordinates.
#pragma once

#include <cstdint>

#include "runtime/graphics/graphics.h"

// Coordinate arithmetic wraps at 32 bits, as the statements define it.
inline int32_t WrappingAdd(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}
inline int32_t WrappingSub(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) - static_cast<uint32_t>(b));
}

struct ClsPlan {
  bool text;      // empty the character layer and home its cursor
  bool graphics;  // paint the whole back buffer black
};
ClsPlan PlanCls(int32_t mode);

enum class LineFigure { Line, Box, FilledBox };

// A LINE as drawn: a line from (x1, y1) to (x2, y2), or a box whose
// Rectangle call is (x1, y1, x2 + 1, y2 + 1). (x2, y2) becomes LastPoint.
struct LinePlan {
  LineFigure figure;
  int32_t x1, y1, x2, y2;
};
LinePlan PlanLine(int32_t x1, int32_t y1, int32_t step, int32_t x2, int32_t y2, int32_t box,
                  LastPointState last_point);

struct EllipseRadii {
  int32_t rx, ry;
};
// The radius stays on the axis that the aspect does not shrink; the other is
// the radius times (aspect < 1) or over (aspect >= 1) the aspect, rounded to
// nearest with ties to even. NaN counts as below 1.
EllipseRadii CircleRadii(int32_t radius, double aspect);

// Offset (dx to the right, dy upwards) of the point on a square of half-side
// 78 that an angle in hundredths of a radian (v >= 0) reaches, walking
// counterclockwise from the middle of its right side; (0, 0) past 628.
struct RadialOffset {
  int32_t dx, dy;
};
RadialOffset PerimeterOffset(double v);

enum class CircleFigure { Ellipse, Arc, Pie };

// A CIRCLE as drawn: the bounding box, and for an arc or a pie the radial
// points of its start and end.
struct CirclePlan {
  CircleFigure figure;
  int32_t left, top, right, bottom;
  int32_t start_x, start_y, end_x, end_y;
};
CirclePlan PlanCircle(int32_t x, int32_t y, int32_t radius, double start, double end,
                      double aspect);
