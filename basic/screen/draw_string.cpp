#include "basic/screen/draw_string.h"

#include <cmath>
#include <vector>

#include "runtime/numeric/numeric.h"

namespace {

constexpr int32_t SmallestNumber = -32768;
constexpr int32_t LargestNumber = 32767;
constexpr double Pi = 3.14159265358979323846;
constexpr char NumberRange[] = "DRAW's numbers go from -32768 to 32767";

// The arithmetic on points wraps like the graphics statements' own.
int32_t WrappingAdd(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}

class DrawRun {
 public:
  DrawRun(std::string_view commands, DrawPen& pen, DrawTarget& target)
      : pen_(pen), target_(target), reader_(commands, "DRAW", target) {}

  void Run() {
    while (reader_.More()) Command();
  }

 private:
  char Peek() const { return reader_.Peek(); }
  char Take() { return reader_.Take(); }
  void SkipSpaces() { reader_.SkipSpaces(); }
  [[noreturn]] void Fail(const std::string& what) const { reader_.Fail(what); }

  void Command() {
    const char letter = reader_.Command();
    switch (letter) {
      case 'U': return Walk(0, -1);
      case 'D': return Walk(0, 1);
      case 'L': return Walk(-1, 0);
      case 'R': return Walk(1, 0);
      case 'E': return Walk(1, -1);
      case 'F': return Walk(1, 1);
      case 'G': return Walk(-1, 1);
      case 'H': return Walk(-1, -1);
      case 'M': return MoveTo();
      case 'B': blank_ = true; return;
      case 'N': come_back_ = true; return;
      case 'C': pen_.colour = Required("C", 0, 255); return;
      case 'S': pen_.scale = Required("S", 0, 255); return;
      case 'A': pen_.angle = 90 * Required("A", 0, 3); return;
      case 'T':
        if (UpperCase(Peek()) != 'A') Fail("DRAW's T is only found in TA");
        Take();
        pen_.angle = Required("TA", -360, 360);
        return;
      case 'P': return Paint();
      case 'X': return reader_.Substring();
      default: Fail(Shown(letter) + " is not a DRAW command");
    }
  }

  // U D L R E F G H: a count of steps in a direction.
  void Walk(int32_t dx, int32_t dy) {
    int32_t count = 1;
    Argument(&count);
    Step(static_cast<double>(dx) * count, static_cast<double>(dy) * count);
  }

  void MoveTo() {
    int32_t x = 0;
    int32_t y = 0;
    bool relative = false;
    if (!Argument(&x, &relative)) Fail("DRAW's M needs x,y");
    SkipSpaces();
    if (Take() != ',') Fail("DRAW's M needs ',' between x and y");
    if (!Argument(&y)) Fail("DRAW's M needs y after ','");
    if (relative) {
      Step(x, y);
    } else {
      Arrive(x, y);
    }
  }

  // A move by steps: scaled, turned by the angle, then rounded to whole
  // pixels (halves to even), so that the pen is always on a pixel.
  void Step(double dx, double dy) {
    const double size = pen_.scale / 4.0;
    const double radians = pen_.angle * (Pi / 180);
    const double c = std::cos(radians);
    const double s = std::sin(radians);
    // y grows downwards: a counterclockwise turn takes right to up.
    const double x = (dx * c + dy * s) * size;
    const double y = (dy * c - dx * s) * size;
    Arrive(WrappingAdd(pen_.x, NumToInt32(x)), WrappingAdd(pen_.y, NumToInt32(y)));
  }

  void Arrive(int32_t x, int32_t y) {
    if (!blank_) target_.Line(pen_.x, pen_.y, x, y, pen_.colour);
    if (!come_back_) {
      pen_.x = x;
      pen_.y = y;
    }
    blank_ = false;
    come_back_ = false;
  }

  void Paint() {
    const int32_t paint = Required("P", 0, 255);
    SkipSpaces();
    if (Take() != ',') Fail("DRAW's P needs ',' between the paint and the border colour");
    const int32_t border = Required("P", 0, 255);
    target_.Paint(pen_.x, pen_.y, paint, border);
  }

  // A number the command cannot do without, in its range.
  int32_t Required(const char* command, int32_t low, int32_t high) {
    int32_t value = 0;
    if (!Argument(&value)) Fail(std::string("DRAW's ") + command + " needs a number");
    if (value < low || value > high) {
      Fail(std::string("DRAW's ") + command + " takes " + std::to_string(low) + " to " + std::to_string(high) +
           ", not " + std::to_string(value));
    }
    return value;
  }

  // [+|-] digits, or [+|-] =name; : false, and nothing read, when no number
  // is written here. *signed_number tells whether a sign was written.
  bool Argument(int32_t* value, bool* signed_number = nullptr) {
    SkipSpaces();
    const char sign = Peek();
    const bool has_sign = sign == '+' || sign == '-';
    if (has_sign) Take();
    if (signed_number) *signed_number = has_sign;
    int64_t magnitude = 0;
    if (Peek() == '=') {
      Take();
      magnitude = reader_.VariableValue();
      if (magnitude < SmallestNumber || magnitude > LargestNumber) Fail(NumberRange);
    } else if (!reader_.Digits(-int64_t{SmallestNumber}, NumberRange, &magnitude)) {
      if (has_sign) Fail("DRAW needs a number after " + Shown(sign));
      return false;
    }
    const int64_t number = sign == '-' ? -magnitude : magnitude;
    if (number < SmallestNumber || number > LargestNumber) Fail(NumberRange);
    *value = static_cast<int32_t>(number);
    return true;
  }

  DrawPen& pen_;
  DrawTarget& target_;
  CommandReader reader_;
  bool blank_ = false;      // B: the next move draws nothing
  bool come_back_ = false;  // N: the pen comes back after the next move
};

}  // namespace

std::string RunDrawString(std::string_view commands, DrawPen& pen, DrawTarget& target) {
  try {
    DrawRun(commands, pen, target).Run();
  } catch (const CommandStringError& error) {
    return error.message;
  }
  return "";
}
