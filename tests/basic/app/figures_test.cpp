// A program of boxes, lines, arcs, pies and ellipses, run in this process on
// the real window, against the same figures drawn straight with GDI. Each
// expected call was worked out by hand from the statement: the defaults of
// omitted arguments, STEP and the last point, the aspect's radii, and each
// angle laid along the square around the centre.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <iterator>
#include <string>
#include <vector>

#include "basic/basic.h"
#include "program/program.h"
#include "tests/basic/app/pictures.h"
#include "tests/support/window_harness.h"

namespace {

constexpr uint32_t Black = 0x000000, Blue = 0xFF0000, Red = 0x0000FF, Magenta = 0xFF00FF,
                   Green = 0x00FF00, Cyan = 0xFFFF00, Yellow = 0x00FFFF, White = 0xFFFFFF;

struct Call {
  enum Kind { Box, Line, Ellipse, Arc, Pie } kind;
  int c[8];  // as the GDI call takes them; a line's two end points
  uint32_t pen;
  bool filled;
  uint32_t brush;
};

struct Row {
  const char* statement;
  Call call;
};

const Row Rows[] = {
    {"LINE (10, 10)-(200, 120), 4, BF", {Call::Box, {10, 10, 201, 121}, Green, true, Green}},  // fill is the colour
    {"LINE (350, 100)-(250, 20), 2, B", {Call::Box, {250, 20, 351, 101}, Red, false, 0}},  // corners put in order
    {"LINE (400, 330)-(430, 380), 7, BF, 1", {Call::Box, {400, 330, 431, 381}, White, true, Blue}},
    {"LINE (20, 200)-STEP(50, 30), 6", {Call::Line, {20, 200, 70, 230}, Yellow, false, 0}},
    {"LINE -(120, 200), 3", {Call::Line, {70, 230, 120, 200}, Magenta, false, 0}},  // from the last point
    {"PSET (600, 20), 7", {Call::Line, {600, 20, 600, 20}, White, false, 0}},
    {"LINE -(610, 30)", {Call::Line, {600, 20, 610, 30}, White, false, 0}},  // colour 7 by default
    // Arcs and pies: the radial points lie on the square of half-side 78.
    {"CIRCLE (320, 200), 50, 4, 0, 1.5708", {Call::Arc, {270, 150, 370, 250, 398, 200, 320, 122}, Green, false, 0}},
    {"CIRCLE (320, 200), 40, 5, -.7854, -2.3562, , F, 1",
     {Call::Pie, {280, 160, 360, 240, 398, 122, 242, 122}, Cyan, true, Blue}},
    {"CIRCLE (500, 300), 60, 6, 0, 3.1416, .5",  // aspect below 1 squeezes the height
     {Call::Arc, {440, 270, 560, 330, 578, 300, 422, 300}, Yellow, false, 0}},
    {"CIRCLE (150, 320), 40, 7, -.5, 1, , F",  // one negative angle makes a pie
     {Call::Pie, {110, 280, 190, 360, 228, 270, 207, 242}, White, true, White}},
    {"CIRCLE (450, 150), 30, 2, , , 2", {Call::Ellipse, {435, 120, 465, 180}, Red, false, 0}},  // aspect above 1
    {"CIRCLE (560, 120), 25, 3, 0, 6.2832",  // past 628 hundredths: the centre
     {Call::Arc, {535, 95, 585, 145, 638, 120, 560, 120}, Magenta, false, 0}},
    {"CIRCLE (60, 340), 20", {Call::Ellipse, {40, 320, 80, 360}, White, false, 0}},
};

void Draw(HDC dc, const Call& call) {
  const int* c = call.c;
  HPEN pen = CreatePen(PS_SOLID, 1, call.pen);
  HBRUSH brush = call.filled ? CreateSolidBrush(call.brush) : static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
  HGDIOBJ kept_pen = SelectObject(dc, pen);
  HGDIOBJ kept_brush = SelectObject(dc, brush);
  switch (call.kind) {
    case Call::Box: Rectangle(dc, c[0], c[1], c[2], c[3]); break;
    case Call::Line:
      MoveToEx(dc, c[0], c[1], nullptr);
      LineTo(dc, c[2], c[3]);
      SetPixel(dc, c[2], c[3], call.pen);
      break;
    case Call::Ellipse: Ellipse(dc, c[0], c[1], c[2], c[3]); break;
    case Call::Arc: Arc(dc, c[0], c[1], c[2], c[3], c[4], c[5], c[6], c[7]); break;
    case Call::Pie: Pie(dc, c[0], c[1], c[2], c[3], c[4], c[5], c[6], c[7]); break;
  }
  SelectObject(dc, kept_pen);
  SelectObject(dc, kept_brush);
  DeleteObject(pen);
  if (call.filled) DeleteObject(brush);
}

TEST(Figures, EveryStatementReachesGdiAsWorkedOutByHand) {
  PaintCanvas(Blue);  // CLS must clear it
  std::string source = "CLS 3\n";
  for (const Row& row : Rows) source += std::string(row.statement) + "\n";

  std::vector<BasicDiagnostic> errors;
  BasicProgramPtr program = BasicCompile(source, "figures.bas", &errors);
  ASSERT_TRUE(program) << (errors.empty() ? "" : BasicFormatDiagnostic(errors[0]));
  const BasicRunResult result = BasicRun(program.get(), BasicRunOptions{});
  EXPECT_EQ(result.outcome, BasicOutcome::Ended) << result.message;
  program.reset();

  const Picture expected = DrawOffscreen(640, 400, Black, [](HDC dc) {
    for (const Row& row : Rows) Draw(dc, row.call);
  });
  const RECT area{0, 0, 640, 400};
  EXPECT_TRUE(SamePictures(expected, CaptureBackBuffer(area)));
  RepaintNow(nullptr);
  EXPECT_TRUE(SamePictures(expected, CaptureWindow(area))) << "the window shows the same";
  // Once the window thread holds no temporary, only the string slots live.
  const std::vector<void*> slots(std::begin(StringSlots), std::end(StringSlots));
  EXPECT_EQ(RegistrySettlesTo(slots), slots) << "the run released every string it made";
}

}  // namespace
