// DRAW's command string: a small language of pen moves, read and run one
// command at a time, the way the classic BASICs ran it.
//
//   U D L R [n]        n steps (1 if omitted) up, down, left or right
//   E F G H [n]        n steps diagonally: up-right, down-right, down-left, up-left
//   M x,y              to the point (x, y)
//   M +x,y  M -x,y     by (x, y) steps: a sign before x makes the move relative
//   B  N               prefixes: the next move draws nothing / the pen comes back after it
//   C n                colour n (0 to 255)
//   S n                a step is n / 4 pixels (0 to 255; 4 at first)
//   A n                turn every step by n quarter turns, counterclockwise (0 to 3)
//   TA n               turn every step by n degrees, counterclockwise (-360 to 360)
//   P paint,border     fill from the pen up to the border colour
//   X name$;           run the commands that string variable holds
//
// Every number is digits with an optional sign, or "=name;" for a numeric
// variable's value; numbers go from -32768 to 32767. Spaces and ';'
// between commands are ignored; letters may be in either case.
//
// The pen is the only state: it comes in, moves, and goes out as far as the
// string got, also when a bad command stops it. What the commands draw and
// the variables they name go through a DrawTarget, so that this file knows
// nothing of the screen or of the program's variables.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "basic/text/command_string.h"

struct DrawPen {
  int32_t x = 0;        // where the pen is: the graphics last point
  int32_t y = 0;
  int32_t colour = -1;  // -1 until C: the screen's drawing colour
  int32_t scale = 4;    // quarter pixels per step
  int32_t angle = 0;    // degrees, counterclockwise; A n sets n * 90
};

// What the commands draw, and the variables they name (=name; and
// X name$;, read as command_string.h reads them).
class DrawTarget : public CommandVariables {
 public:
  virtual void Line(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t colour) = 0;
  virtual void Paint(int32_t x, int32_t y, int32_t paint, int32_t border) = 0;

 protected:
  ~DrawTarget() = default;
};

// Runs the commands with the pen. Gives "" when every command ran, or what
// was wrong and where: "'Q' is not a DRAW command (character 3 of A$)".
std::string RunDrawString(std::string_view commands, DrawPen& pen, DrawTarget& target);
