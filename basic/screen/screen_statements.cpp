// The screen's statements at run time, and LINE, CIRCLE and PSET on a
// screen that draws itself.
#include "basic/screen/screen_statements.h"

#include <cmath>
#include <string>

#include "basic/executor/machine.h"
#include "basic/text/number_text.h"
#include "basic/screen/screen.h"
#include "runtime/console/text_colours.h"
#include "runtime/graphics/geometry.h"
#include "runtime/numeric/numeric.h"

namespace {

constexpr double TwoPi = 6.283185307179586;

bool Written(const Instruction& in, int32_t argument) {
  return (in.a >> (ScreenArgumentShift + argument) & 1) != 0;
}

const char* Fail(Machine& machine, std::string message) {
  machine.message = std::move(message);
  return machine.message.c_str();
}

std::string ModeName(const ScreenState& screen) { return "SCREEN " + std::to_string(screen.mode->number); }

// A colour number as the mode's colour, or a message naming it.
const char* ColourOf(Machine& machine, double number, Colour* colour) {
  if (ScreenColour(machine.screen, number, colour)) return nullptr;
  return Fail(machine, "colour " + FormatNumber(number) + " is not one of " + ModeName(machine.screen) + "'s (0 to " +
                           std::to_string(machine.screen.mode->colours - 1) + ")");
}

// The program's colour argument, or the default when it left it out.
const char* ColourOr(Machine& machine, bool omitted, double number, int32_t default_number, Colour* colour) {
  return ColourOf(machine, omitted ? default_number : number, colour);
}

void MoveLastPoint(Machine& machine, double x, double y) {
  machine.screen.last_x = x;
  machine.screen.last_y = y;
}

const char* SetScreen(Machine& machine, const double* arguments) {
  const double number = arguments[0];
  const ScreenMode* mode = number == std::floor(number) ? FindScreenMode(NumToInt32(number)) : nullptr;
  if (mode == nullptr) {
    return Fail(machine, "SCREEN " + FormatNumber(number) + " is not a screen mode (0, 1, 2, 7, 8, 9, 12 or 13)");
  }
  if (arguments[2] != 0 || arguments[3] != 0) return "SCREEN has one page only: its pages must be 0";
  ScreenStart(&machine.screen, *mode);
  PromptTextColours(machine.screen.palette[machine.screen.foreground], machine.screen.palette[0]);
  GfxCls(3);
  machine.column = 0;
  return nullptr;
}

const char* SetColours(Machine& machine, const Instruction& in, const double* arguments) {
  ScreenState& screen = machine.screen;
  Colour fore = screen.palette[screen.foreground], back = screen.palette[screen.background];
  if (Written(in, 0)) {
    if (const char* error = ColourOf(machine, arguments[0], &fore)) return error;
    screen.foreground = NumToInt32(arguments[0]);
  }
  if (Written(in, 1)) {
    if (const char* error = ColourOf(machine, arguments[1], &back)) return error;
    screen.background = NumToInt32(arguments[1]);
  }
  PromptTextColours(fore, back);
  return nullptr;
}

const char* SetPalette(Machine& machine, const Instruction& in, const double* arguments) {
  ScreenState& screen = machine.screen;
  if (screen.mode->number == 0) return "PALETTE works only in the classic screen modes (SCREEN 1 to 13)";
  if (static_cast<ScreenOp>(in.a & 0xFF) == ScreenOp::PaletteReset) {
    ScreenResetPalette(&screen);
    return nullptr;
  }
  Colour unused;
  if (!ScreenColour(screen, arguments[0], &unused)) {
    return Fail(machine, "PALETTE: " + FormatNumber(arguments[0]) + " is not an attribute of " + ModeName(screen));
  }
  if (arguments[1] == -1) return nullptr;  // -1 leaves the attribute as it is
  if (!PaletteValueColour(*screen.mode, arguments[1], &screen.palette[NumToInt32(arguments[0])])) {
    return Fail(machine, "PALETTE: " + FormatNumber(arguments[1]) + " is not a colour of " + ModeName(screen));
  }
  return nullptr;
}

const char* Paint(Machine& machine, const Instruction& in, const double* arguments) {
  ScreenState& screen = machine.screen;
  const bool step = Written(in, 4);
  const double x = arguments[0] + (step ? screen.last_x : 0), y = arguments[1] + (step ? screen.last_y : 0);
  Colour paint, border;
  if (const char* error = ColourOr(machine, !Written(in, 2), arguments[2], screen.foreground, &paint)) return error;
  border = paint;
  if (Written(in, 3)) {
    if (const char* error = ColourOf(machine, arguments[3], &border)) return error;
  }
  ScreenPaint(screen, ToView(screen, x, y), paint, border);
  MoveLastPoint(machine, x, y);
  return nullptr;
}

const char* SetWindow(Machine& machine, const Instruction& in, const double* arguments) {
  WindowMapping& window = machine.screen.window;
  if (static_cast<ScreenOp>(in.a & 0xFF) == ScreenOp::WindowReset) {
    window = WindowMapping{};
    return nullptr;
  }
  const double x1 = arguments[0], y1 = arguments[1], x2 = arguments[2], y2 = arguments[3];
  if (!(x1 != x2 && y1 != y2 && std::isfinite(x1 - x2) && std::isfinite(y1 - y2))) {
    return "WINDOW needs two corners apart in both x and y";
  }
  window = {true, Written(in, 4), std::fmin(x1, x2), std::fmin(y1, y2), std::fmax(x1, x2), std::fmax(y1, y2)};
  return nullptr;
}

// The point (x, y) as LINE, PSET and PAINT take it: STEP adds the last point.
struct WorldPoint {
  double x, y;
};

const char* Line(Machine& machine, const Instruction& in, const double* arguments) {
  ScreenState& screen = machine.screen;
  const bool omitted_first = arguments[0] == OmittedCoordinate && arguments[1] == OmittedCoordinate;
  const WorldPoint first = omitted_first ? WorldPoint{screen.last_x, screen.last_y} : WorldPoint{arguments[0], arguments[1]};
  const WorldPoint second = in.a ? WorldPoint{first.x + arguments[2], first.y + arguments[3]}
                                 : WorldPoint{arguments[2], arguments[3]};
  Colour colour, fill;
  if (const char* error = ColourOr(machine, (in.b & LineColourOmitted) != 0, arguments[4], screen.foreground, &colour)) {
    return error;
  }
  fill = colour;
  if (!in.c) {
    if (const char* error = ColourOf(machine, arguments[5], &fill)) return error;
  }
  const ViewPoint a = ToView(screen, first.x, first.y), b = ToView(screen, second.x, second.y);
  switch (in.b & 3) {
    case 0: ScreenLine(screen, a, b, colour); break;
    case 2: ScreenBox(screen, a, b, fill, true); break;
    default: ScreenBox(screen, a, b, colour, false); break;
  }
  MoveLastPoint(machine, second.x, second.y);
  return nullptr;
}

// CIRCLE's angle: within one turn either way; negative draws a radius.
const char* Angle(double value, double* angle, bool* radius) {
  if (!(value >= -TwoPi && value <= TwoPi)) return "CIRCLE's angles lie between -2 * PI and 2 * PI";
  *radius = value < 0;
  *angle = std::fabs(value);
  return nullptr;
}

const char* Circle(Machine& machine, const Instruction& in, const double* arguments) {
  ScreenState& screen = machine.screen;
  Colour colour, fill;
  if (const char* error =
          ColourOr(machine, (in.b & CircleColourOmitted) != 0, arguments[3], screen.foreground, &colour)) {
    return error;
  }
  fill = colour;
  if (!in.c) {
    if (const char* error = ColourOf(machine, arguments[7], &fill)) return error;
  }
  CircleArc arc{arguments[4] == 0 && arguments[5] == 0, 0, 0, false, false};
  if (const char* error = Angle(arguments[4], &arc.start, &arc.start_radius)) return error;
  if (const char* error = Angle(arguments[5], &arc.end, &arc.end_radius)) return error;
  // A radius in WINDOW's units is measured along x.
  const WindowMapping& w = screen.window;
  const double units = w.active ? (screen.mode->width - 1) / (w.x2 - w.x1) : 1;
  const double aspect = (in.b & CircleAspectOmitted) != 0 ? screen.mode->aspect : arguments[6];
  const EllipseRadii radii = CircleRadii(NumToInt32(arguments[2] * units), aspect);
  const ViewPoint centre = ToView(screen, arguments[0], arguments[1]);
  if (in.a && arc.whole && fill != colour) ScreenEllipse(screen, centre, radii.rx, radii.ry, arc, fill, true);
  ScreenEllipse(screen, centre, radii.rx, radii.ry, arc, colour, in.a != 0 && fill == colour);
  MoveLastPoint(machine, arguments[0], arguments[1]);
  return nullptr;
}

const char* Pset(Machine& machine, const Instruction& in, const double* arguments) {
  ScreenState& screen = machine.screen;
  const double x = arguments[0] + (in.c ? screen.last_x : 0), y = arguments[1] + (in.c ? screen.last_y : 0);
  const int32_t default_colour = in.b ? screen.background : screen.foreground;
  Colour colour;
  if (const char* error = ColourOr(machine, (in.a & PsetColourOmitted) != 0, arguments[2], default_colour, &colour)) {
    return error;
  }
  const ViewPoint at = ToView(screen, x, y);
  ScreenBox(screen, at, at, colour, true);
  MoveLastPoint(machine, x, y);
  return nullptr;
}

}  // namespace

const char* ScreenStatement(Machine& machine, const Instruction& in, double*& sp) {
  sp -= in.b;
  const double* arguments = sp;
  switch (static_cast<ScreenOp>(in.a & 0xFF)) {
    case ScreenOp::Screen: return SetScreen(machine, arguments);
    case ScreenOp::Color: return SetColours(machine, in, arguments);
    case ScreenOp::Palette: case ScreenOp::PaletteReset: return SetPalette(machine, in, arguments);
    case ScreenOp::Paint: return Paint(machine, in, arguments);
    case ScreenOp::Window: case ScreenOp::WindowReset: return SetWindow(machine, in, arguments);
    case ScreenOp::Point:
      *sp++ = ScreenPoint(machine.screen, ToView(machine.screen, arguments[0], arguments[1]));
      return nullptr;
  }
  return nullptr;
}

const char* ScreenFigure(Machine& machine, const Instruction& in, double*& sp) {
  switch (in.op) {
    case Op::Line:
      sp -= in.c ? 5 : 6;
      return Line(machine, in, sp);
    case Op::Circle:
      sp -= in.c ? 7 : 8;
      return Circle(machine, in, sp);
    default:
      sp -= 3;
      return Pset(machine, in, sp);
  }
}
