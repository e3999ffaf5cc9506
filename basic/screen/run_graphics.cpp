// The figures at run time: CLS, LINE, CIRCLE, PSET and PRESET, PAINT and
// POINT. On the runtime's own screen with no WINDOW, LINE, CIRCLE and PSET
// are the runtime's own statements, so that its pictures stay exactly as
// they are; everywhere else the figures are drawn here, in the mode's
// pixels and colours (screen_draw.h).
#include <cmath>

#include "basic/executor/machine.h"
#include "basic/executor/statements.h"
#include "basic/executor/string_values.h"
#include "basic/screen/figure_flags.h"
#include "basic/screen/paint_tile.h"
#include "basic/screen/run_screen.h"
#include "basic/screen/run_text_screen.h"
#include "basic/screen/screen.h"
#include "basic/screen/screen_draw.h"
#include "runtime/graphics/geometry.h"
#include "runtime/graphics/graphics.h"
#include "runtime/graphics/pixels.h"
#include "runtime/numeric/numeric.h"

namespace {

constexpr double TwoPi = 6.283185307179586;

// A point of the program's coordinates; STEP adds the last point.
struct WorldPoint {
  double x, y;
};

void MoveLastPoint(Machine& machine, WorldPoint point) {
  machine.screen.last_x = point.x;
  machine.screen.last_y = point.y;
}

// A figure's colour and fill colour: its colour, or the foreground when
// left out; its fill, or the colour itself when the program gave none.
struct FigureColours {
  uint8_t colour, fill;
};

RunFault ColoursOf(Machine& machine, bool colour_omitted, double colour, bool fill_is_colour, double fill,
                      FigureColours* colours) {
  if (const RunFault fault =
          ProgramColourOr(machine, colour_omitted, colour, machine.screen.foreground, &colours->colour)) {
    return fault;
  }
  colours->fill = colours->colour;
  return fill_is_colour ? RunFault{} : ProgramColour(machine, fill, &colours->fill);
}

// LINE on the runtime's own screen: its own statement, every argument
// converted as it takes them.
void RuntimeLine(const Instruction& in, const double* arguments) {
  const int32_t colour = NumToInt32(arguments[4]);
  GfxLine(NumToInt32(arguments[0]), NumToInt32(arguments[1]), in.a, NumToInt32(arguments[2]),
          NumToInt32(arguments[3]), colour, in.b & 3, in.c ? colour : NumToInt32(arguments[5]));
}

// LINE's style, the 16 bits of an INTEGER or of a word: -32768 to 65535.
RunFault LineStyle(double value, uint16_t* style) {
  if (!(value > -32768.5 && value < 65535.5)) return IllegalCall("LINE's style lies between -32768 and 65535");
  const int32_t whole = NumToInt32(value);
  *style = static_cast<uint16_t>(whole < 0 ? whole + 65536 : whole);
  return {};
}

// LINE in the classic modes: the last argument is the style (a BF box has
// none).
RunFault ModeLine(Machine& machine, const Instruction& in, const double* arguments) {
  ScreenState& screen = machine.screen;
  const bool omitted_first = arguments[0] == OmittedCoordinate && arguments[1] == OmittedCoordinate;
  const WorldPoint first =
      omitted_first ? WorldPoint{screen.last_x, screen.last_y} : WorldPoint{arguments[0], arguments[1]};
  const WorldPoint second = in.a ? WorldPoint{first.x + arguments[2], first.y + arguments[3]}
                                 : WorldPoint{arguments[2], arguments[3]};
  uint8_t colour;
  const bool colour_omitted = (in.b & LineColourOmitted) != 0;
  if (const RunFault fault = ProgramColourOr(machine, colour_omitted, arguments[4], screen.foreground, &colour)) {
    return fault;
  }
  uint16_t style = AllPixels;
  if (in.c == 0) {
    if (const RunFault fault = LineStyle(arguments[5], &style)) return fault;
  }
  const ViewPoint a = ToView(screen, first.x, first.y), b = ToView(screen, second.x, second.y);
  switch (in.b & 3) {
    case 0: ScreenStyledLine(screen, a, b, colour, style); break;
    case 2: ScreenBox(screen, a, b, colour, true); break;
    default: ScreenStyledBox(screen, a, b, colour, style); break;
  }
  MoveLastPoint(machine, second);
  return {};
}

// CIRCLE's angle: within one turn either way; negative draws a radius.
RunFault Angle(double value, double* angle, bool* radius) {
  if (!(value >= -TwoPi && value <= TwoPi)) return IllegalCall("CIRCLE's angles lie between -2 * PI and 2 * PI");
  *radius = value < 0;
  *angle = std::fabs(value);
  return {};
}

void RuntimeCircle(const Instruction& in, const double* arguments) {
  const int32_t colour = NumToInt32(arguments[3]);
  const bool step = (in.b & CircleStep) != 0;
  const int32_t x = step ? WrappingAdd(LastPoint.x, NumToInt32(arguments[0])) : NumToInt32(arguments[0]);
  const int32_t y = step ? WrappingAdd(LastPoint.y, NumToInt32(arguments[1])) : NumToInt32(arguments[1]);
  GfxCircle(x, y, NumToInt32(arguments[2]), colour, arguments[4],
            arguments[5], arguments[6], in.a, in.c ? colour : NumToInt32(arguments[7]));
}

RunFault ModeCircle(Machine& machine, const Instruction& in, const double* arguments) {
  ScreenState& screen = machine.screen;
  FigureColours colours;
  const bool colour_omitted = (in.b & CircleColourOmitted) != 0;
  if (const RunFault fault = ColoursOf(machine, colour_omitted, arguments[3], in.c != 0, arguments[7], &colours)) {
    return fault;
  }
  const uint8_t colour = colours.colour, fill = colours.fill;
  CircleArc arc{arguments[4] == 0 && arguments[5] == 0, 0, 0, false, false};
  if (const RunFault fault = Angle(arguments[4], &arc.start, &arc.start_radius)) return fault;
  if (const RunFault fault = Angle(arguments[5], &arc.end, &arc.end_radius)) return fault;
  // A radius in WINDOW's units is measured along x, across VIEW's area.
  const WindowMapping& w = screen.window;
  const double units = w.active ? (screen.view.x2 - screen.view.x1) / (w.x2 - w.x1) : 1;
  const double aspect = (in.b & CircleAspectOmitted) != 0 ? screen.mode->aspect : arguments[6];
  const EllipseRadii radii = CircleRadii(NumToInt32(arguments[2] * units), aspect);
  const bool step = (in.b & CircleStep) != 0;
  const WorldPoint at{arguments[0] + (step ? screen.last_x : 0), arguments[1] + (step ? screen.last_y : 0)};
  const ViewPoint centre = ToView(screen, at.x, at.y);
  if (in.a && arc.whole && fill != colour) ScreenEllipse(screen, centre, radii.rx, radii.ry, arc, fill, true);
  ScreenEllipse(screen, centre, radii.rx, radii.ry, arc, colour, in.a != 0 && fill == colour);
  MoveLastPoint(machine, at);
  return {};
}

// PSET and PRESET, whose colour is the background's, on the runtime's own
// screen: one pixel of the runtime's.
void RuntimePset(Machine& machine, const Instruction& in, const double* arguments) {
  const bool step = in.c != 0;
  const int32_t x = step ? WrappingAdd(LastPoint.x, NumToInt32(arguments[0])) : NumToInt32(arguments[0]);
  const int32_t y = step ? WrappingAdd(LastPoint.y, NumToInt32(arguments[1])) : NumToInt32(arguments[1]);
  const bool preset_default = in.b != 0 && (in.a & PsetColourOmitted) != 0;
  GfxPset(x, y, preset_default ? machine.screen.background : NumToInt32(arguments[2]));
}

RunFault ModePset(Machine& machine, const Instruction& in, const double* arguments) {
  ScreenState& screen = machine.screen;
  const WorldPoint point{arguments[0] + (in.c ? screen.last_x : 0), arguments[1] + (in.c ? screen.last_y : 0)};
  const int32_t default_colour = in.b ? screen.background : screen.foreground;
  const bool colour_omitted = (in.a & PsetColourOmitted) != 0;
  uint8_t colour;
  if (const RunFault fault = ProgramColourOr(machine, colour_omitted, arguments[2], default_colour, &colour)) {
    return fault;
  }
  const ViewPoint at = ToView(screen, point.x, point.y);
  ScreenBox(screen, at, at, colour, true);
  MoveLastPoint(machine, point);
  return {};
}

}  // namespace

// CLS, or CLS 1, with a VIEW set clears only the view.
RunFault RunCls(Machine& machine, const Instruction&, double*& sp) {
  const int32_t mode = NumToInt32(*--sp);
  if (machine.screen.view.set && (mode == 3 || mode == 1)) {
    ScreenClearView(machine.screen);
    return {};
  }
  if (TextInGrid(machine)) {
    ClearTextGrid(machine, mode);
    return {};
  }
  GfxCls(mode);
  if (mode == 0 || mode == 1 || mode == 3) machine.column = 0;  // the text layer was cleared
  return {};
}

RunFault RunLine(Machine& machine, const Instruction& in, double*& sp) {
  sp -= EffectOf(in).numbers_taken;
  if (ShowsPcText(machine.screen)) return NoPixelsHere();
  if (DrawsItself(machine.screen)) return ModeLine(machine, in, sp);
  RuntimeLine(in, sp);
  return {};
}

RunFault RunCircle(Machine& machine, const Instruction& in, double*& sp) {
  sp -= EffectOf(in).numbers_taken;
  if (ShowsPcText(machine.screen)) return NoPixelsHere();
  if (DrawsItself(machine.screen)) return ModeCircle(machine, in, sp);
  RuntimeCircle(in, sp);
  return {};
}

RunFault RunPset(Machine& machine, const Instruction& in, double*& sp) {
  sp -= 3;
  if (ShowsPcText(machine.screen)) return NoPixelsHere();
  if (DrawsItself(machine.screen)) return ModePset(machine, in, sp);
  RuntimePset(machine, in, sp);
  return {};
}

// PAINT (x, y), paint, border: the border is the paint's colour unless given.
RunFault RunPaint(Machine& machine, const Instruction& in, double*& sp) {
  sp -= 4;
  ScreenState& screen = machine.screen;
  if (ShowsPcText(screen)) return NoPixelsHere();
  const bool step = (in.a & PaintStep) != 0;
  const WorldPoint point{sp[0] + (step ? screen.last_x : 0), sp[1] + (step ? screen.last_y : 0)};
  PaintInk paint;
  if (const RunFault fault = ProgramColourOr(machine, !ArgumentWritten(in, 2), sp[2], screen.foreground, &paint.colour)) {
    return fault;
  }
  uint8_t border = paint.colour;
  if (ArgumentWritten(in, 3)) {
    if (const RunFault fault = ProgramColour(machine, sp[3], &border)) return fault;
  }
  ScreenPaint(screen, ToView(screen, point.x, point.y), paint, border);
  MoveLastPoint(machine, point);
  return {};
}

// PAINT (x, y), tile$, border, background$: the border is the foreground
// unless given. The background tile told the classic flood which tiled
// rows it had not painted; this flood paints each pixel once whatever it
// holds, so it is read and needs nothing more.
RunFault RunPaintTile(Machine& machine, const Instruction& in, double*& sp) {
  sp -= 3;
  RtString background = machine.Pop();
  RtString tile = machine.Pop();
  ScreenState& screen = machine.screen;
  PaintInk paint;
  const bool tiled = DecodePaintTile(*screen.mode, BytesOf(tile), &paint);
  ReleaseString(tile);
  ReleaseString(background);
  if (ShowsPcText(screen)) return NoPixelsHere();
  if (!tiled) return IllegalCall("PAINT's tile is 1 to 64 bytes");
  const bool step = (in.a & PaintStep) != 0;
  const WorldPoint point{sp[0] + (step ? screen.last_x : 0), sp[1] + (step ? screen.last_y : 0)};
  uint8_t border = static_cast<uint8_t>(screen.foreground);
  if (ArgumentWritten(in, 3)) {
    if (const RunFault fault = ProgramColour(machine, sp[2], &border)) return fault;
  }
  ScreenPaint(screen, ToView(screen, point.x, point.y), paint, border);
  MoveLastPoint(machine, point);
  return {};
}

RunFault RunPoint(Machine& machine, const Instruction&, double*& sp) {
  --sp;
  if (ShowsPcText(machine.screen)) return NoPixelsHere();
  sp[-1] = ScreenPoint(machine.screen, ToView(machine.screen, sp[-1], sp[0]));
  return {};
}
