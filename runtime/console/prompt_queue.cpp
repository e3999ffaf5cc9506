// A singly linked list of requests, oldest first, whose nodes belong to the
// requesters; the queue owns only the links and the lock.
#include "runtime/console/prompt_queue.h"

#include "runtime/system.h"

namespace {
struct PromptQueueState {
  SysLock lock;
  PromptRequest* first;
  PromptRequest* last;
};
PromptQueueState PromptQueue;
}  // namespace

void PromptQueueInit() { SysLockInit(&PromptQueue.lock); }

// The caller holds the lock.
static void Append(PromptRequest* request) {
  request->next = nullptr;
  if (PromptQueue.last == nullptr) {
    PromptQueue.first = request;
  } else {
    PromptQueue.last->next = request;
  }
  PromptQueue.last = request;
}

void PromptQueuePush(PromptRequest* request) {
  SysLockEnter(&PromptQueue.lock);
  Append(request);
  SysLockLeave(&PromptQueue.lock);
}

bool PromptQueuePushUnlessRepeated(PromptRequest* request) {
  SysLockEnter(&PromptQueue.lock);
  const bool repeated = PromptQueue.last != nullptr && PromptQueue.last->kind == request->kind;
  if (!repeated) Append(request);
  SysLockLeave(&PromptQueue.lock);
  return !repeated;
}

PromptRequest* PromptQueueTake() {
  SysLockEnter(&PromptQueue.lock);
  PromptRequest* oldest = PromptQueue.first;
  if (oldest != nullptr) {
    PromptQueue.first = oldest->next;
    if (PromptQueue.first == nullptr) PromptQueue.last = nullptr;
    oldest->next = nullptr;
  }
  SysLockLeave(&PromptQueue.lock);
  return oldest;
}

bool PromptQueueWithdraw(PromptRequest* request) {
  SysLockEnter(&PromptQueue.lock);
  PromptRequest* before = nullptr;
  PromptRequest* node = PromptQueue.first;
  while (node != nullptr && node != request) {
    before = node;
    node = node->next;
  }
  if (node != nullptr) {
    (before == nullptr ? PromptQueue.first : before->next) = node->next;
    if (PromptQueue.last == node) PromptQueue.last = before;
    node->next = nullptr;
  }
  SysLockLeave(&PromptQueue.lock);
  return node != nullptr;
}
