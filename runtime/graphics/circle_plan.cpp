// CIRCLE's geometry.
//
// Radii: the aspect squeezes one axis, the product or quotient rounded to
// nearest with ties to even; no absolute value is taken, so a negative radius
// gives a box with its corners exchanged.
// Angles: not through sine and cosine. An angle in hundredths of a radian is
// laid along the perimeter of a square of half-side 78; the point reached
// gives only the direction of the radial that Arc and Pie take.
#include "runtime/graphics/geometry.h"
#include "runtime/numeric/numeric.h"

EllipseRadii CircleRadii(int32_t radius, double aspect) {
  const double r = NumIdentity(static_cast<double>(radius));
  if (aspect >= 1) return EllipseRadii{NumToInt32(r / aspect), radius};
  return EllipseRadii{radius, NumToInt32(r * aspect)};
}

RadialOffset PerimeterOffset(double v) {
  // 100 times pi/4, 3pi/4, 5pi/4, 7pi/4 and 2pi, cut short; each upper bound
  // belongs to its side, and the walk can reach one past a corner (+-79).
  if (v <= 78.5) return {78, NumInt(v)};
  if (v <= 235.5) return {78 - NumInt(v - 78.5), 78};
  if (v <= 392.5) return {-78, 78 - NumInt(v - 235.5)};
  if (v <= 549.5) return {-78 + NumInt(v - 392.5), -78};
  if (v <= 628) return {78, -78 + NumInt(v - 549.5)};
  return {0, 0};
}

CirclePlan PlanCircle(int32_t x, int32_t y, int32_t radius, double start, double end,
                      double aspect) {
  const EllipseRadii radii = CircleRadii(radius, aspect);
  CirclePlan plan{CircleFigure::Ellipse,
                  WrappingSub(x, radii.rx), WrappingSub(y, radii.ry),
                  WrappingAdd(x, radii.rx), WrappingAdd(y, radii.ry),
                  0, 0, 0, 0};
  if (start == 0 && end == 0) return plan;  // -0 counts as 0

  double s = start * 100;
  double e = end * 100;
  plan.figure = (s < 0 || e < 0) ? CircleFigure::Pie : CircleFigure::Arc;
  if (s < 0) s = -s;
  if (e < 0) e = -e;
  const RadialOffset from = PerimeterOffset(s);
  const RadialOffset to = PerimeterOffset(e);
  // The offsets point upwards; client y grows downwards.
  plan.start_x = WrappingAdd(x, from.dx);
  plan.start_y = WrappingSub(y, from.dy);
  plan.end_x = WrappingAdd(x, to.dx);
  plan.end_y = WrappingSub(y, to.dy);
  return plan;
}
