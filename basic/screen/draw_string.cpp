#include "basic/screen/draw_string.h"

#include <cmath>
#include <vector>

#include "runtime/numeric/numeric.h"

namespace {

constexpr int32_t SmallestNumber = -32768;
constexpr int32_t LargestNumber = 32767;
constexpr double Pi = 3.14159265358979323846;

struct DrawError {
  std::string message;
};

// A string being run: the DRAW's own, or an X substring.
struct Source {
  std::string_view text;
  std::size_t at = 0;
  std::string name;  // the variable an X substring came from; empty for the DRAW's own
};

char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }
bool IsLetter(char c) { return Upper(c) >= 'A' && Upper(c) <= 'Z'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A character as a message shows it: control bytes and the like by code.
std::string Shown(char c) {
  const auto code = static_cast<unsigned char>(c);
  if (code < 32 || code > 126) return "CHR$(" + std::to_string(code) + ")";
  return std::string("'") + c + "'";
}

// The arithmetic on points wraps like the graphics statements' own.
int32_t WrappingAdd(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}

class DrawRun {
 public:
  DrawRun(DrawPen& pen, DrawTarget& target) : pen_(pen), target_(target) {}

  void Run(std::string_view commands) {
    sources_.push_back({commands, 0, {}});
    while (!sources_.empty()) {
      SkipSeparators();
      if (AtEnd()) {
        sources_.pop_back();
      } else {
        Command();
      }
    }
  }

 private:
  Source& Current() { return sources_.back(); }
  bool AtEnd() { return Current().at >= Current().text.size(); }
  char Peek() { return AtEnd() ? '\0' : Current().text[Current().at]; }
  char Take() { return AtEnd() ? '\0' : Current().text[Current().at++]; }
  void SkipSpaces() {
    while (Peek() == ' ') Take();
  }
  void SkipSeparators() {
    while (Peek() == ' ' || Peek() == ';') Take();
  }

  [[noreturn]] void Fail(const std::string& what) {
    std::string where = " (character " + std::to_string(command_at_ + 1);
    if (!Current().name.empty()) where += " of " + Current().name;
    throw DrawError{what + where + ")"};
  }

  void Command() {
    command_at_ = Current().at;
    const char letter = Upper(Take());
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
        if (Upper(Peek()) != 'A') Fail("DRAW's T is only found in TA");
        Take();
        pen_.angle = Required("TA", -360, 360);
        return;
      case 'P': return Paint();
      case 'X': return Substring();
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

  void Substring() {
    const std::string name = Name();
    if (name.back() != '$') Fail("DRAW's X needs a string variable, as in XA$;");
    if (static_cast<int32_t>(sources_.size()) > MaxDrawNesting) {
      Fail("DRAW's X substrings nest deeper than " + std::to_string(MaxDrawNesting));
    }
    const std::string_view text = target_.Text(name);
    substring_bytes_ += text.size();
    if (substring_bytes_ > MaxDrawSubstringBytes) {
      Fail("DRAW's X substrings bring more than " + std::to_string(MaxDrawSubstringBytes) + " characters");
    }
    sources_.push_back({text, 0, name});
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
      magnitude = VariableValue();
    } else if (IsDigit(Peek())) {
      while (IsDigit(Peek())) {
        magnitude = magnitude * 10 + (Take() - '0');
        if (magnitude > -int64_t{SmallestNumber}) Fail("DRAW's numbers go from -32768 to 32767");
      }
    } else if (has_sign) {
      Fail("DRAW needs a number after " + Shown(sign));
    } else {
      return false;
    }
    const int64_t number = sign == '-' ? -magnitude : magnitude;
    if (number < SmallestNumber || number > LargestNumber) Fail("DRAW's numbers go from -32768 to 32767");
    *value = static_cast<int32_t>(number);
    return true;
  }

  // "=name;": the variable's value, rounded as CINT rounds.
  int64_t VariableValue() {
    const std::string name = Name();
    if (name.back() == '$') Fail("DRAW's =" + name + "; names a string where a number belongs");
    const int32_t value = NumToInt32(target_.Number(name));
    if (value < SmallestNumber || value > LargestNumber) Fail("DRAW's numbers go from -32768 to 32767");
    return value;
  }

  // A variable's name, upper case, and the ';' that ends it.
  std::string Name() {
    SkipSpaces();
    if (!IsLetter(Peek())) Fail("DRAW needs a variable's name");
    std::string name;
    while (IsLetter(Peek()) || IsDigit(Peek()) || Peek() == '.' || Peek() == '_') name += Upper(Take());
    const char suffix = Peek();
    if (suffix == '$' || suffix == '%' || suffix == '&' || suffix == '!' || suffix == '#') name += Take();
    SkipSpaces();
    if (Take() != ';') Fail("DRAW needs ';' after " + name);
    return name;
  }

  DrawPen& pen_;
  DrawTarget& target_;
  std::vector<Source> sources_;
  std::size_t command_at_ = 0;
  std::size_t substring_bytes_ = 0;
  bool blank_ = false;      // B: the next move draws nothing
  bool come_back_ = false;  // N: the pen comes back after the next move
};

}  // namespace

std::string RunDrawString(std::string_view commands, DrawPen& pen, DrawTarget& target) {
  try {
    DrawRun(pen, target).Run(commands);
  } catch (const DrawError& error) {
    return error.message;
  }
  return "";
}
