#include "program/program.h"

void SceneMain() {
  RuntimeStartUp();
  AwaitFirstPaint();
  RunScene();
  RuntimeEnd();
}
