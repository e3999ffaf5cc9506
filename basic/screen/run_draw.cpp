// DRAW at run time: the command string (draw_string.h) run on the screen.
// The pen starts at the graphics last point, which LINE shares, and leaves
// it where the string took it; its colour, scale and angle go on from one
// DRAW to the next.
//
// The names a string gives ("XA$;", "=N;") are the program's own variables
// (variables/command_variables.h).
#include <string>

#include "basic/executor/machine.h"
#include "basic/executor/statements.h"
#include "basic/executor/string_values.h"
#include "basic/screen/draw_string.h"
#include "basic/screen/run_screen.h"
#include "basic/screen/run_text_screen.h"
#include "basic/screen/screen.h"
#include "basic/screen/screen_draw.h"
#include "basic/variables/command_variables.h"
#include "basic/variables/variables.h"
#include "runtime/graphics/graphics.h"

namespace {

// The colour a LINE without one draws in on the runtime's own screen.
constexpr int32_t DrawingColour = 7;

// Lines and fills go to the screen: in the mode's pixels and colours when
// the interpreter draws the screen itself, to the runtime's LINE on its own
// screen. A colour the mode lacks draws nothing and ends the DRAW with a
// message once the string is done.
class ProgramDrawing final : public DrawTarget {
 public:
  explicit ProgramDrawing(Machine& machine) : screen_(machine.screen), variables_(machine.variables) {}

  void Line(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t colour) override {
    if (!DrawsItself(screen_)) {
      const int32_t drawn = colour < 0 ? DrawingColour : colour;
      GfxLine(x1, y1, 0, x2, y2, drawn, 0, drawn);
      return;
    }
    uint8_t drawn;
    if (Known(colour < 0 ? screen_.foreground : colour, &drawn)) ScreenLine(screen_, {x1, y1}, {x2, y2}, drawn);
  }

  void Paint(int32_t x, int32_t y, int32_t paint, int32_t border) override {
    PaintInk inside;
    uint8_t edge;
    if (Known(paint, &inside.colour) && Known(border, &edge)) ScreenPaint(screen_, {x, y}, inside, edge);
  }

  const std::string& error() const { return error_; }

  double Number(const std::string& name) override { return CommandNumber(variables_, name); }
  std::string_view Text(const std::string& name) override { return CommandText(variables_, name); }

 private:
  bool Known(int32_t number, uint8_t* colour) {
    if (ScreenColour(screen_, number, colour)) return true;
    if (error_.empty()) error_ = "DRAW's colour " + std::to_string(number) + " is not one of this screen's";
    return false;
  }

  ScreenState& screen_;
  const Variables& variables_;
  std::string error_;
};

}  // namespace

// The pen starts at the last point: the runtime's on its own screen, the
// screen's (in the mode's pixels) when the interpreter draws it.
RunFault RunDraw(Machine& machine, const Instruction&, double*&) {
  RtString commands = machine.Pop();
  DrawPen& pen = machine.draw_pen;
  ScreenState& screen = machine.screen;
  const bool own = DrawsItself(screen);
  const ViewPoint start = own ? ToView(screen, screen.last_x, screen.last_y) : ViewPoint{LastPoint.x, LastPoint.y};
  pen.x = start.x;
  pen.y = start.y;
  ProgramDrawing drawing(machine);
  if (ShowsPcText(screen)) {
    ReleaseString(commands);
    return NoPixelsHere();
  }
  machine.message = RunDrawString(BytesOf(commands), pen, drawing);
  ReleaseString(commands);
  if (own) {
    FromView(screen, {pen.x, pen.y}, &screen.last_x, &screen.last_y);
  } else {
    LastPoint = {pen.x, pen.y};
  }
  if (machine.message.empty()) machine.message = drawing.error();
  return machine.message.empty() ? RunFault{} : IllegalCall(machine.message.c_str());
}
