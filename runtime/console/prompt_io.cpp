// PRINT, INPUT and CLS's text clearing queue their requests for the window
// thread. PRINT and INPUT wait until it has carried theirs out; CLS does not.
#include "runtime/console/prompt_io.h"

#include <windows.h>

#include "runtime/console/prompt_queue.h"
#include "runtime/console/text_layer.h"
#include "runtime/console/window.h"
#include "runtime/system.h"

static bool OnWindowThread() {
  return GetWindowThreadProcessId(PromptWindow, nullptr) == GetCurrentThreadId();
}

// Tells the window to look at the queue. The message is posted, not sent: a
// window serves sent messages before posted ones, so a program printing
// without pause would otherwise hold back the user's keys and clicks
// (closing the window among them) for as long as it prints.
static bool PostToWindow() {
  while (!PostMessageA(PromptWindow, PromptQueueMessage, 0, 0)) {
    if (!IsWindow(PromptWindow)) return false;
    Sleep(1);  // the window's queue is full: let it catch up
  }
  return true;
}

// Waits for the window thread to carry out `request`; true when it did,
// false when the window went away first and the request is the caller's
// again.
static bool AwaitServed(PromptRequest* request) {
  const HANDLE served = request->served;
  if (PostToWindow()) {
    while (WaitForSingleObject(served, 50) == WAIT_TIMEOUT && IsWindow(PromptWindow)) {
    }
  }
  if (PromptQueueWithdraw(request)) return false;
  // Taken: the window thread is carrying it out and sets the event at the end.
  WaitForSingleObject(served, INFINITE);
  return true;
}

// Queues `request` and has the window serve the queue. True when the window
// thread carried the request out; false when it could not (no window, or
// the window is gone), and then the request is the caller's again.
static bool PromptSubmit(PromptRequest* request) {
  if (PromptWindow == nullptr) return false;
  request->served = OnWindowThread() ? nullptr : CreateEventA(nullptr, TRUE, FALSE, nullptr);
  PromptQueuePush(request);
  if (request->served != nullptr) {
    const bool served = AwaitServed(request);
    CloseHandle(request->served);
    return served;
  }
  // On the window thread the message is a plain call, and without an event
  // sending is the one way to wait. Whatever message serves the queue, it
  // serves it to the end: unless the request is still queued, it was served.
  SendMessageA(PromptWindow, PromptQueueMessage, 0, 0);
  return !PromptQueueWithdraw(request);
}

void PromptPrint(RtString s) {
  PromptRequest request{PromptRequestKind::Print, s, nullptr, nullptr, false, nullptr, nullptr};
  if (!PromptSubmit(&request)) StrRelease(s);
}

// Queues a clear that nobody waits for, made on the heap; the window thread
// frees it once served. False when the heap cannot spare the few bytes.
static bool QueueDetachedClear() {
  auto* request = static_cast<PromptRequest*>(SysHeapAlloc(sizeof(PromptRequest)));
  if (request == nullptr) return false;
  *request = PromptRequest{PromptRequestKind::ClearText, nullptr, nullptr, nullptr, true, nullptr, nullptr};
  // Straight behind a clear still queued, a second would find the layer
  // empty already. Once posted, the request may be served and gone at once;
  // it is touched again only when the window is gone and it was still queued.
  if (!PromptQueuePushUnlessRepeated(request) || (!PostToWindow() && PromptQueueWithdraw(request))) {
    SysHeapFree(request);
  }
  return true;
}

void PromptClearText() {
  if (PromptWindow == nullptr) return;
  // On the window thread the clear is a plain call in any case.
  if (!OnWindowThread() && QueueDetachedClear()) return;
  PromptRequest waited{PromptRequestKind::ClearText, nullptr, nullptr, nullptr, false, nullptr, nullptr};
  PromptSubmit(&waited);
}

RtString PromptInput() {
  if (PromptWindow == nullptr || OnWindowThread()) return StrNew(0);
  LineInputRequest input{CreateEventA(nullptr, TRUE, FALSE, nullptr), nullptr};
  // Without an event there is nothing to wait on, and the window thread must
  // never hold a request whose owner has already returned.
  if (input.ended == nullptr) return StrNew(0);
  PromptRequest request{PromptRequestKind::StartInput, nullptr, &input, nullptr, false, nullptr, nullptr};
  if (PromptSubmit(&request)) WaitForSingleObject(input.ended, INFINITE);
  CloseHandle(input.ended);
  return input.line != nullptr ? input.line : StrNew(0);
}

PromptCursorPlace PromptLocate(int32_t row, int32_t column) {
  TextCursorState cursor{column, row};
  PromptRequest request{PromptRequestKind::Locate, nullptr, nullptr, nullptr, false, nullptr, &cursor};
  if (!PromptSubmit(&request)) return PromptCursorPlace{0, 0};
  return PromptCursorPlace{cursor.row, cursor.column};
}
