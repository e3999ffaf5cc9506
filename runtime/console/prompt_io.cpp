// PRINT, INPUT and CLS's text clearing queue their requests for the window
// thread and wait until it has taken them.
#include "runtime/console/prompt_io.h"

#include <windows.h>

#include "runtime/console/prompt_queue.h"
#include "runtime/console/window.h"

// Queues `request` and has the window serve the queue. True when the window
// thread took the request; false when it could not (no window, or the
// window is gone), and then the request is the caller's again.
static bool PromptSubmit(PromptRequest* request) {
  if (PromptWindow == nullptr) return false;
  PromptQueuePush(request);
  // Whatever message serves the queue, ours or an earlier one, serves it to
  // the end: once this returns, the request was taken unless it is still
  // queued, and then nobody will take it.
  SendMessageA(PromptWindow, PromptQueueMessage, 0, 0);
  return !PromptQueueWithdraw(request);
}

void PromptPrint(RtString s) {
  PromptRequest request{PromptRequestKind::Print, s, nullptr, nullptr};
  if (!PromptSubmit(&request)) StrRelease(s);
}

void PromptClearText() {
  PromptRequest request{PromptRequestKind::ClearText, nullptr, nullptr, nullptr};
  PromptSubmit(&request);
}

static bool OnWindowThread() {
  return GetWindowThreadProcessId(PromptWindow, nullptr) == GetCurrentThreadId();
}

RtString PromptInput() {
  if (PromptWindow == nullptr || OnWindowThread()) return StrNew(0);
  LineInputRequest input{CreateEventA(nullptr, TRUE, FALSE, nullptr), nullptr};
  // Without an event there is nothing to wait on, and the window thread must
  // never hold a request whose owner has already returned.
  if (input.ended == nullptr) return StrNew(0);
  PromptRequest request{PromptRequestKind::StartInput, nullptr, &input, nullptr};
  if (PromptSubmit(&request)) WaitForSingleObject(input.ended, INFINITE);
  CloseHandle(input.ended);
  return input.line != nullptr ? input.line : StrNew(0);
}
