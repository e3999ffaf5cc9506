#include "program/scene.h"
#include "runtime/numeric/numeric.h"

SceneVariablesState SceneVariables;

// The double whose bits are 0x3FC999999999999A.
static constexpr double ShadowAspect = 0.2;

void PlaceNextBall() {
  SceneVariables.X = NumInt(NumRnd() * 600) + 20;
  SceneVariables.Y = NumInt(NumRnd() * 220) + 40;
  SceneVariables.R = static_cast<int16_t>(NumInt(NumRnd() * 30) + 20);
}

std::array<BallCircle, 5> BallCircles(double x, double y, int16_t r) {
  const int32_t radius = r;
  return {{
      {NumToInt32(x - 2), NumToInt32(y / 5 + 300), radius, 0, ShadowAspect, 0},  // shadow on the floor
      {NumToInt32(x - 2), NumToInt32(y - 8), radius, 0, 1, 0},                 // black rim
      {NumToInt32(x - 5), NumToInt32(y - 10), radius - 3, 1, 1, 1},            // blue body
      {NumToInt32(x - 10), NumToInt32(y - 12), radius - 7, 5, 1, 5},           // cyan shading
      {NumToInt32(x - 15), NumToInt32(y - 16), radius - 19, 7, 1, 7},          // white highlight
  }};
}
