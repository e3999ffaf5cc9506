// Text output on the window: the walk writes the layer, then the rows it
// touched are drawn at once rather than at the next paint.
#include <windows.h>

#include "runtime/console/text_layer.h"
#include "runtime/console/window.h"
#include "runtime/strings/strings.h"

void TextPrint(RtString s) {
  const TextRowSpan span = TextPrintWalk(s);
  HDC dc = GetDC(PromptWindow);
  TextRender(dc, span.from, span.to);
  ReleaseDC(PromptWindow, dc);
  StrRelease(s);
}
