#include "basic/screen/screen_modes.h"

#include <cmath>

namespace {

// CIRCLE's default aspect is the classic one, 4/3 of the pixels' height
// over width on a 4:3 monitor: a circle lights the same pixels as it did.
constexpr ScreenMode Modes[] = {
    {0, 640, 400, 1, 1, 8, 1.0},
    {1, 320, 200, 2, 2, 4, 5.0 / 6.0},
    {2, 640, 200, 1, 2, 2, 5.0 / 12.0},
    {7, 320, 200, 2, 2, 16, 5.0 / 6.0, 8},
    {8, 640, 200, 1, 2, 16, 5.0 / 12.0, 4},
    {9, 640, 350, 1, 1, 16, 4.0 / 3.0 * 350.0 / 640.0, 2},
    {10, 640, 350, 1, 1, 4, 4.0 / 3.0 * 350.0 / 640.0, 2},
    {11, 640, 480, 1, 1, 2, 1.0},
    {12, 640, 480, 1, 1, 16, 1.0},
    {13, 320, 200, 2, 2, 256, 5.0 / 6.0},
};

constexpr Colour Rgb(uint32_t red, uint32_t green, uint32_t blue) { return red | green << 8 | blue << 16; }

// The VGA's 6-bit levels widened to 8 bits, so that 63 is full and 42 is
// the EGA's 0xAA.
constexpr uint32_t Widen(uint32_t level) { return level << 2 | level >> 4; }
constexpr Colour Vga(uint32_t red, uint32_t green, uint32_t blue) {
  return Rgb(Widen(red), Widen(green), Widen(blue));
}

// The EGA's 16 colours, which every 16- and 256-colour mode starts with.
constexpr Colour Ega[16] = {
    Vga(0, 0, 0),    Vga(0, 0, 42),   Vga(0, 42, 0),   Vga(0, 42, 42),
    Vga(42, 0, 0),   Vga(42, 0, 42),  Vga(42, 21, 0),  Vga(42, 42, 42),
    Vga(21, 21, 21), Vga(21, 21, 63), Vga(21, 63, 21), Vga(21, 63, 63),
    Vga(63, 21, 21), Vga(63, 21, 63), Vga(63, 63, 21), Vga(63, 63, 63),
};

// SCREEN 1's palettes as a VGA shows them: 0 green, red and brown (as
// yellow), 1 cyan, magenta and white; 1 is the one a SCREEN 1 starts with.
constexpr Colour CgaPalettes[2][4] = {{Ega[0], Ega[10], Ega[12], Ega[14]}, {Ega[0], Ega[11], Ega[13], Ega[15]}};

constexpr uint32_t Greys[16] = {0, 5, 8, 11, 14, 17, 20, 24, 28, 32, 36, 40, 45, 50, 56, 63};

// The nine wheels of 24 hues (colours 32 to 247): three intensities, each
// at three saturations, given by their five levels from least to most.
constexpr uint32_t WheelLevels[9][5] = {
    {0, 16, 31, 47, 63},  {31, 39, 47, 55, 63}, {45, 49, 54, 58, 63},
    {0, 7, 14, 21, 28},   {14, 17, 21, 24, 28}, {20, 22, 24, 26, 28},
    {0, 4, 8, 12, 16},    {8, 10, 12, 14, 16},  {11, 12, 13, 15, 16},
};

// Hue h of a wheel: from blue through magenta, red, yellow, green and cyan
// back towards blue, one level moving at a time.
Colour WheelColour(const uint32_t (&level)[5], int32_t hue) {
  const int32_t side = hue / 4;  // which of the six runs
  const int32_t step = hue % 4;
  const uint32_t low = level[0], high = level[4];
  const uint32_t up = level[step], down = level[4 - step];
  switch (side) {
    case 0: return Vga(up, low, high);     // blue to magenta
    case 1: return Vga(high, low, down);   // magenta to red
    case 2: return Vga(high, up, low);     // red to yellow
    case 3: return Vga(down, high, low);   // yellow to green
    case 4: return Vga(low, high, up);     // green to cyan
    default: return Vga(low, down, high);  // cyan to blue
  }
}

Colour VgaDefault(int32_t n) {
  if (n < 16) return Ega[n];
  if (n < 32) return Vga(Greys[n - 16], Greys[n - 16], Greys[n - 16]);
  if (n < 248) return WheelColour(WheelLevels[(n - 32) / 24], (n - 32) % 24);
  return 0;
}

// SCREEN 10's nine display values on its monochrome monitor: off (0), on
// (4) and high intensity (8), and the six blinking between two of them,
// shown steady in dark grey, so that a blinking attribute stays apart from
// the others. Its four attributes start as off, on, blinking off to on,
// and high.
constexpr Colour Mono[9] = {Ega[0], Ega[8], Ega[8], Ega[8], Ega[7], Ega[8], Ega[8], Ega[8], Ega[15]};
constexpr int32_t MonoDefaults[4] = {0, 4, 1, 8};

// The EGA's 64 colours: bits 0-2 add two thirds of blue, green and red,
// bits 3-5 one third.
Colour Ega64(uint32_t value) {
  const auto level = [value](int bit) { return ((value >> bit) & 1) * 42 + ((value >> (bit + 3)) & 1) * 21; };
  return Vga(level(2), level(1), level(0));
}

}  // namespace

const ScreenMode* FindScreenMode(int32_t number) {
  for (const ScreenMode& mode : Modes) {
    if (mode.number == number) return &mode;
  }
  return nullptr;
}

const ScreenMode& RuntimeScreenMode() { return Modes[0]; }

Colour DefaultPaletteColour(const ScreenMode& mode, int32_t n) {
  switch (mode.number) {
    case 0: return ColorFromCode(n);
    case 1: return CgaPalettes[1][n];
    case 2: case 11: return n == 0 ? Ega[0] : Ega[15];
    case 10: return Mono[MonoDefaults[n & 3]];
    case 13: return VgaDefault(n);
    default: return Ega[n];
  }
}

bool PaletteValueColour(const ScreenMode& mode, double value, Colour* colour) {
  if (!(value >= 0 && value <= 4294967295.0) || value != std::floor(value)) return false;
  const auto v = static_cast<uint32_t>(value);
  switch (mode.number) {
    case 9:
      if (v > 63) return false;
      *colour = Ega64(v);
      return true;
    case 10:
      if (v > 8) return false;
      *colour = Mono[v];
      return true;
    case 11: case 12: case 13:
      // 65536 * blue + 256 * green + red, each 0 to 63.
      if ((v & 0xC0C0C0u) != 0 || v > 0x3F3F3Fu) return false;
      *colour = Vga(v & 63, (v >> 8) & 63, (v >> 16) & 63);
      return true;
    default:
      if (v > 15) return false;
      *colour = Ega[v];
      return true;
  }
}

Colour CgaPaletteColour(int32_t palette, int32_t n) { return CgaPalettes[palette & 1][n & 3]; }

Colour EgaColour(int32_t n) { return Ega[n & 15]; }
