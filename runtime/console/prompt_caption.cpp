// The caption goes to the window thread as WM_SETTEXT, which that thread
// answers itself; the wait is bounded, so a window that has stopped
// answering never holds the program up for long.
#include "runtime/console/prompt_io.h"

#include <windows.h>

#include "runtime/console/window.h"

static constexpr UINT CaptionWaitMs = 1000;

void PromptSetCaption(const char* text, int32_t length) {
  if (PromptWindow == nullptr) return;
  char caption[PromptCaptionMax + 1];
  int32_t count = 0;
  const int32_t limit = text == nullptr || length < 0 ? 0 : (length < PromptCaptionMax ? length : PromptCaptionMax);
  while (count < limit && text[count] != '\0') {
    caption[count] = text[count];
    ++count;
  }
  caption[count] = '\0';
  DWORD_PTR ignored = 0;
  SendMessageTimeoutA(PromptWindow, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(caption), SMTO_ABORTIFHUNG,
                      CaptionWaitMs, &ignored);
}
