#include "program/scene.h"

#include "program/program.h"
#include "runtime/graphics/graphics.h"

static void DrawBackdrop() {
  GfxCls(3);
  GfxLine(0, 0, 0, 639, 399, 7, 2, 7);    // the wall white
  GfxLine(0, 280, 0, 639, 399, 1, 2, 1);  // the floor blue
}

static void DrawBall() {
  PlaceNextBall();
  for (const BallCircle& c : BallCircles(SceneVariables.X, SceneVariables.Y, SceneVariables.R)) {
    GfxCircle(c.x, c.y, c.radius, c.colour, 0, 0, c.aspect, 1, c.fill_colour);
  }
}

void RunScene() {
  DrawBackdrop();
  for (SceneVariables.I = 1; SceneVariables.I <= 500; SceneVariables.I = SceneVariables.I + 1) {
    DrawBall();
  }
}
