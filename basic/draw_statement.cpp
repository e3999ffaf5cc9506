// DRAW: the command string run on the runtime's graphics. The pen starts
// at the graphics last point, which LINE shares, and leaves it where the
// string took it; its colour, scale and angle go on from one DRAW to the
// next.
//
// The names a string gives ("XA$;", "=N;") are looked up here, by name,
// when the DRAW runs: the string is only known then, as it is mostly built
// by the program (with STR$ and variables). A lookup finds the program's
// own variables, never a procedure's, and makes none: a name the program
// never uses has the value 0 or the empty string.
#include "basic/draw_string.h"
#include "basic/executor.h"
#include "basic/machine.h"
#include "basic/variables.h"
#include "runtime/graphics/graphics.h"

namespace {

// The colour a LINE without one draws in: the screen's drawing colour.
constexpr int32_t DrawingColour = 7;

class ProgramDrawing final : public DrawTarget {
 public:
  explicit ProgramDrawing(const Variables& variables) : variables_(variables) {}

  void Line(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t colour) override {
    const int32_t drawn = colour < 0 ? DrawingColour : colour;
    GfxLine(x1, y1, 0, x2, y2, drawn, 0, drawn);
  }

  // The runtime has no flood fill yet: P moves nothing and fills nothing.
  void Paint(int32_t, int32_t, int32_t, int32_t) override {}

  // A name without a suffix is the program's variable of that name in
  // whatever type it has: plain, or made integer or long by DEFINT, DEFLNG.
  double Number(const std::string& name) override {
    const std::string canonical = CanonicalName(name);
    int32_t slot = variables_.FindNumberSlot(canonical);
    if (!HasSuffix(canonical)) {
      for (const ValueKind kind : {ValueKind::Integer, ValueKind::Long}) {
        if (slot < 0) slot = variables_.FindNumberSlot(NameOfKind(canonical, kind));
      }
    }
    return slot < 0 ? 0 : variables_.numbers[static_cast<std::size_t>(slot)];
  }

  std::string_view Text(const std::string& name) override {
    const int32_t slot = variables_.FindStringSlot(name);
    return slot < 0 ? std::string_view() : BytesOf(variables_.strings[static_cast<std::size_t>(slot)]);
  }

 private:
  const Variables& variables_;
};

}  // namespace

const char* DrawStatement(Machine& machine) {
  RtString commands = machine.Pop();
  DrawPen& pen = machine.draw_pen;
  pen.x = LastPoint.x;
  pen.y = LastPoint.y;
  ProgramDrawing drawing(machine.variables);
  machine.message = RunDrawString(BytesOf(commands), pen, drawing);
  StrRelease(commands);
  LastPoint = {pen.x, pen.y};
  return machine.message.empty() ? nullptr : machine.message.c_str();
}
