// Prints a prompt, reads lines with INPUT and prints each back, until an
// empty line (or closing the window) ends the program. Typed, pasted
// (Ctrl+V) and input-method text all go through the console's line input.
#include <windows.h>

#include <cstring>

#include "program/program.h"
#include "runtime/console/prompt_io.h"
#include "runtime/strings/strings.h"

// A new string holding a constant text.
static RtString Text(const char* text) {
  const auto length = static_cast<int32_t>(std::strlen(text));
  RtString s = StrNew(length);
  std::memcpy(s, text, static_cast<std::size_t>(length));
  return s;
}

// "You typed: <line>", the line kept between brackets so that spaces and
// tabs at its ends show.
static void EchoLine(RtString line) {
  RtString echoed = StrConcat(Text("You typed: ["), line);
  PromptPrint(StrConcat(echoed, Text("]\r\n")));
}

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  RuntimeStartUp();
  AwaitFirstPaint();
  PromptPrint(Text("Type a line and press Enter; an empty line ends.\r\n"));
  for (;;) {
    PromptPrint(Text("? "));
    RtString line = PromptInput();
    if (StrLength(line) == 0) {
      StrRelease(line);
      break;
    }
    EchoLine(line);
  }
  RuntimeEnd();
}
