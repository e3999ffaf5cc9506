// The requests that other threads hand to the window thread: PRINT's text,
// INPUT's start, CLS's clearing of the character layer and LOCATE's move
// of its cursor.
//
// A window message can come from any process with any parameters, so no
// message carries a request. The requester queues the request here, under
// the queue's lock, and then sends the window the bare PromptQueueMessage,
// which only says "look at the queue"; the window thread takes and carries
// out every request it finds. A message that finds the queue empty does
// nothing.
//
// Each request lives with its requester, who waits until the window thread
// has carried it out; CLS's clearing alone is detached: its requester queues
// it from the heap and goes on, and the window thread frees it once done.
// When the window cannot serve the queue (it is gone, or was never there),
// the requester withdraws its own request and keeps what the request held:
// nothing is lost and no string leaks.
#pragma once

#include <cstdint>

#include "runtime/strings/strings.h"

struct LineInputRequest;
struct TextCursorState;

enum class PromptRequestKind : int32_t { Print, StartInput, ClearText, Locate };

struct PromptRequest {
  PromptRequestKind kind;
  RtString text;            // Print: the string, handed over once taken
  LineInputRequest* input;  // StartInput: the INPUT waiting for its line
  void* served;             // event the window thread sets once it is done; may be null
  bool detached;            // nobody waits: from the heap, freed by the window thread once served
  PromptRequest* next;      // the queue's own link
  TextCursorState* cursor;  // Locate: where to (-1 keeps a coordinate); then where it is
};

// Sets up the lock; once, before the window exists.
void PromptQueueInit();
// Adds `request` at the end of the queue. It must stay valid until it has
// been taken or withdrawn.
void PromptQueuePush(PromptRequest* request);
// As PromptQueuePush, unless the newest queued request is of the same kind
// and so `request` would change nothing (a clear straight after a clear):
// false then, and `request` stays the caller's. However fast detached
// clears come, at most one waits between two other requests.
bool PromptQueuePushUnlessRepeated(PromptRequest* request);
// The oldest queued request, now taken and out of the queue; null when the
// queue is empty.
PromptRequest* PromptQueueTake();
// Takes `request` back out when it is still queued: true when it was, false
// when the window thread has taken it (or it was never queued).
bool PromptQueueWithdraw(PromptRequest* request);
