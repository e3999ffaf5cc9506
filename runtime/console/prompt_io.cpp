// PRINT and INPUT hand their work to the window thread and wait for it.
#include "runtime/console/prompt_io.h"

#include <windows.h>

#include "runtime/console/window.h"

void PromptPrint(RtString s) {
  const LRESULT taken = SendMessageA(PromptWindow, PromptPrintText, reinterpret_cast<WPARAM>(s), 0);
  if (taken != PromptMessageTaken) StrRelease(s);
}

static bool OnWindowThread() {
  return GetWindowThreadProcessId(PromptWindow, nullptr) == GetCurrentThreadId();
}

RtString PromptInput() {
  if (PromptWindow == nullptr || OnWindowThread()) return StrNew(0);
  LineInputRequest request{CreateEventA(nullptr, TRUE, FALSE, nullptr), nullptr};
  // Without an event there is nothing to wait on, and the window thread must
  // never hold a request whose owner has already returned.
  if (request.ended == nullptr) return StrNew(0);
  const LRESULT taken = SendMessageA(PromptWindow, PromptStartInput, 0, reinterpret_cast<LPARAM>(&request));
  if (taken == PromptMessageTaken) WaitForSingleObject(request.ended, INFINITE);
  CloseHandle(request.ended);
  return request.line != nullptr ? request.line : StrNew(0);
}
