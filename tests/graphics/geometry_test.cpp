// The arithmetic of the palette, CLS, LINE and CIRCLE, without GDI.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>

#include "runtime/graphics/geometry.h"

namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

TEST(Palette, EveryCodeAndEveryOtherValue) {
  const struct {
    double code;
    Colour colour;
    const char* why;
  } cases[] = {
      {0, 0x000000, "black"},       {1, 0xFF0000, "blue"},
      {2, 0x0000FF, "red"},         {3, 0xFF00FF, "magenta"},
      {4, 0x00FF00, "green"},       {5, 0xFFFF00, "cyan"},
      {6, 0x00FFFF, "yellow"},      {7, 0xFFFFFF, "white"},
      {-0.0, 0x000000, "-0 equals 0"},
      {8, 0x000000, "past the table"},
      {-1, 0x000000, "negative"},
      {1.5, 0x000000, "no rounding"},
      {6.999999999999999, 0x000000, "no rounding up"},
      {7.000000000000001, 0x000000, "no truncation"},
      {NaN, 0x000000, "not a number"},
      {INFINITY, 0x000000, "infinite"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ColorFromCode(c.code), c.colour) << c.why << std::hex << " got 0x" << ColorFromCode(c.code);
  }
}

TEST(Cls, ModesClearTextGraphicsBothOrNothing) {
  const struct {
    int32_t mode;
    bool text, graphics;
  } cases[] = {
      {0, true, false},  // acts as 1
      {1, true, false},  {2, false, true}, {3, true, true},
      {4, false, false}, {-1, false, false}, {INT32_MIN, false, false},
  };
  for (const auto& c : cases) {
    const ClsPlan plan = PlanCls(c.mode);
    EXPECT_EQ(plan.text, c.text) << "mode " << c.mode;
    EXPECT_EQ(plan.graphics, c.graphics) << "mode " << c.mode;
  }
}

TEST(Line, PointsAsDrawnAndTheNextLastPoint) {
  constexpr int32_t Omit = OmittedCoordinate;
  const struct {
    int32_t x1, y1, step, x2, y2, box;
    LastPointState last;
    LinePlan want;
    const char* why;
  } cases[] = {
      {Omit, Omit, 0, 5, 6, 0, {0, 0}, {LineFigure::Line, 0, 0, 5, 6}, "first LINE without a first point starts at (0,0)"},
      {Omit, Omit, 0, 5, 6, 0, {30, 40}, {LineFigure::Line, 30, 40, 5, 6}, "omitted first point is the last point"},
      {Omit, 0, 0, 5, 6, 0, {30, 40}, {LineFigure::Line, Omit, 0, 5, 6}, "only one coordinate omitted is a coordinate"},
      {10, 10, 0, 5, 5, 1, {}, {LineFigure::Box, 5, 5, 10, 10}, "a box given backwards is put in order"},
      {10, 5, 0, 5, 10, 2, {}, {LineFigure::FilledBox, 5, 5, 10, 10}, "each axis ordered on its own"},
      {10, 10, 0, 5, 5, 0, {}, {LineFigure::Line, 10, 10, 5, 5}, "a line keeps its direction"},
      {10, 10, 1, -5, -5, 1, {}, {LineFigure::Box, 10, 10, 5, 5}, "STEP boxes are not ordered"},
      {10, 10, 1, 3, 4, 0, {}, {LineFigure::Line, 10, 10, 13, 14}, "STEP adds to the first point"},
      {Omit, Omit, 1, 3, 4, 0, {100, 200}, {LineFigure::Line, 100, 200, 103, 204}, "STEP from the last point"},
      {INT32_MAX, 0, 1, 1, 0, 0, {}, {LineFigure::Line, INT32_MAX, 0, INT32_MIN, 0}, "STEP wraps at 32 bits"},
      {3, 4, 0, 3, 4, 0, {}, {LineFigure::Line, 3, 4, 3, 4}, "a single pixel"},
      {0, 0, 0, 9, 9, 7, {}, {LineFigure::Box, 0, 0, 9, 9}, "any other box mode is an outline"},
      {0, 0, 0, 9, 9, -2, {}, {LineFigure::Box, 0, 0, 9, 9}, "negative box mode too"},
  };
  for (const auto& c : cases) {
    const LinePlan got = PlanLine(c.x1, c.y1, c.step, c.x2, c.y2, c.box, c.last);
    EXPECT_EQ(got.figure, c.want.figure) << c.why;
    EXPECT_EQ(got.x1, c.want.x1) << c.why;
    EXPECT_EQ(got.y1, c.want.y1) << c.why;
    EXPECT_EQ(got.x2, c.want.x2) << c.why;
    EXPECT_EQ(got.y2, c.want.y2) << c.why;
  }
}

TEST(Circle, RadiiFromTheAspectRoundTiesToEven) {
  const struct {
    int32_t radius;
    double aspect;
    int32_t rx, ry;
    const char* why;
  } cases[] = {
      {50, 1, 50, 50, "a circle"},
      {50, 0.5, 50, 25, "flattened"},
      {50, 2, 25, 50, "narrowed"},
      {5, 0.5, 5, 2, "2.5 rounds to 2"},
      {7, 0.5, 7, 4, "3.5 rounds to 4"},
      {5, 2, 2, 5, "2.5 rounds to 2"},
      {3, 2, 2, 3, "1.5 rounds to 2"},
      {24, 0.2, 24, 5, "4.800000000000001 rounds to 5"},
      {22, 0.2, 22, 4, "the scene's shadow: 4.4"},
      {-10, 1, -10, -10, "the sign stays"},
      {-5, 0.5, -5, -2, "-2.5 rounds to -2"},
      {10, 0, 10, 0, "aspect 0: no height"},
      {10, -0.5, 10, -5, "negative aspect"},
      {10, NaN, 10, INT32_MIN, "NaN counts as below 1; the conversion gives its indefinite value"},
      {10, INFINITY, 0, 10, "infinite aspect: no width"},
  };
  for (const auto& c : cases) {
    const EllipseRadii got = CircleRadii(c.radius, c.aspect);
    EXPECT_EQ(got.rx, c.rx) << c.why;
    EXPECT_EQ(got.ry, c.ry) << c.why;
  }
}

TEST(Circle, PerimeterMappingAtEachBound) {
  const struct {
    double v;
    int32_t dx, dy;
    const char* why;
  } cases[] = {
      {0, 78, 0, "3 o'clock"},
      {50, 78, 50, "right side going up"},
      {78.5, 78, 78, "upper bound of the right side"},
      {78.54, 78, 78, "top side starts"},
      {100, 57, 78, "the example's end of 1 radian"},
      {157.08, 0, 78, "12 o'clock"},
      {235.5, -79, 78, "one past the corner"},
      {235.62, -78, 78, "left side starts"},
      {314.16, -78, 0, "9 o'clock"},
      {392.5, -78, -79, "one past the corner"},
      {549.5, 79, -78, "one past the corner"},
      {549.6, 78, -78, "right side again"},
      {628, 78, 0, "the last bound"},
      {628.01, 0, 0, "past it: the centre"},
      {628.3185307179587, 0, 0, "a whole turn gives the centre"},
      {1e300, 0, 0, "far past"},
      {NaN, 0, 0, "not a number"},
  };
  for (const auto& c : cases) {
    const RadialOffset got = PerimeterOffset(c.v);
    EXPECT_EQ(got.dx, c.dx) << c.why << " v=" << c.v;
    EXPECT_EQ(got.dy, c.dy) << c.why << " v=" << c.v;
  }
}

TEST(Circle, FiguresOfTheWorkedExamples) {
  const struct {
    double start, end;
    CirclePlan want;
    const char* why;
  } cases[] = {
      {0, 0, {CircleFigure::Ellipse, 270, 150, 370, 250, 0, 0, 0, 0}, "whole ellipse"},
      {-0.0, 0, {CircleFigure::Ellipse, 270, 150, 370, 250, 0, 0, 0, 0}, "-0 counts as 0"},
      {0, 1.5708, {CircleFigure::Arc, 270, 150, 370, 250, 398, 200, 320, 122}, "quarter arc"},
      {-0.7854, -2.3562, {CircleFigure::Pie, 270, 150, 370, 250, 398, 122, 242, 122}, "upper wedge"},
      {0, 3.1416, {CircleFigure::Arc, 270, 150, 370, 250, 398, 200, 242, 200}, "upper half"},
      {0, 6.2832, {CircleFigure::Arc, 270, 150, 370, 250, 398, 200, 320, 200}, "past a turn: the centre"},
      {-0.5, 1, {CircleFigure::Pie, 270, 150, 370, 250, 398, 150, 377, 122}, "one negative angle makes a pie"},
      {-0.0, 1, {CircleFigure::Arc, 270, 150, 370, 250, 398, 200, 377, 122}, "-0 is not negative"},
      {7, 8, {CircleFigure::Arc, 270, 150, 370, 250, 320, 200, 320, 200}, "angles above 2 pi"},
  };
  for (const auto& c : cases) {
    const CirclePlan got = PlanCircle(320, 200, 50, c.start, c.end, 1);
    const CirclePlan& w = c.want;
    EXPECT_EQ(got.figure, w.figure) << c.why;
    EXPECT_EQ((std::array<int32_t, 8>{got.left, got.top, got.right, got.bottom, got.start_x, got.start_y, got.end_x, got.end_y}),
              (std::array<int32_t, 8>{w.left, w.top, w.right, w.bottom, w.start_x, w.start_y, w.end_x, w.end_y}))
        << c.why;
  }
}

TEST(Circle, NegativeRadiusExchangesTheCorners) {
  const CirclePlan got = PlanCircle(100, 100, -10, 0, 0, 1);
  EXPECT_EQ(got.left, 110);
  EXPECT_EQ(got.top, 110);
  EXPECT_EQ(got.right, 90);
  EXPECT_EQ(got.bottom, 90);
}

TEST(Circle, BoxWrapsAtThirtyTwoBits) {
  const CirclePlan got = PlanCircle(INT32_MAX, INT32_MIN, 1, 0, 0, 1);
  EXPECT_EQ(got.right, INT32_MIN);
  EXPECT_EQ(got.top, INT32_MAX);
}

}  // namespace
