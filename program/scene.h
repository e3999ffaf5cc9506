// The scene's own arithmetic, apart from drawing: where each ball goes and
// which five circles make it.
#pragma once

#include <array>
#include <cstdint>

// The program's variables: the loop counter, the ball's place and radius.
struct SceneVariablesState {
  double I;   // 1 to 500, and 501 once the loop has ended
  double X;   // 20 to 619
  double Y;   // 40 to 259
  int16_t R;  // 20 to 49
};
extern SceneVariablesState SceneVariables;

// One filled whole-ellipse CIRCLE call.
struct BallCircle {
  int32_t x, y, radius;
  int32_t colour;
  double aspect;
  int32_t fill_colour;
};

// Draws X, Y and R for the next ball from RND, in that order.
void PlaceNextBall();
// Shadow, rim, body, shading and highlight of the ball at X, Y with radius R.
std::array<BallCircle, 5> BallCircles(double x, double y, int16_t r);
