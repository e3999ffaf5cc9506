#include "program/program.h"

void RunScene() {}
