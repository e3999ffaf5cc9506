// The C runtime's start-up calls WinMain; the program itself is the main
// sequence, which ends the process and never comes back here.
#include <windows.h>

#include "program/program.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { SceneMain(); }
