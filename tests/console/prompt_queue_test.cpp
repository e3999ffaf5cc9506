// The request queue between the requesting threads and the window thread:
// oldest first, a request withdrawn only while still queued, and nothing
// lost when requesters and the taker race.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "runtime/console/prompt_queue.h"

namespace {

PromptRequest Request(PromptRequestKind kind) {
  return PromptRequest{kind, nullptr, nullptr, nullptr, false, nullptr, nullptr};
}

// The requests live on each test's stack, so every test takes or withdraws
// all it queued: a request left behind would be a dangling link for the
// next test, where one executable runs them all.
class PromptQueueTest : public testing::Test {
 protected:
  void SetUp() override { PromptQueueInit(); }
};

TEST_F(PromptQueueTest, TakesOldestFirstAndWithdrawsOnlyWhatIsStillQueued) {
  PromptRequest a = Request(PromptRequestKind::Print), b = Request(PromptRequestKind::ClearText),
                c = Request(PromptRequestKind::StartInput), stranger = Request(PromptRequestKind::Print);
  EXPECT_EQ(PromptQueueTake(), nullptr) << "an empty queue gives nothing";
  PromptQueuePush(&a);
  PromptQueuePush(&b);
  PromptQueuePush(&c);
  const struct {
    PromptRequest* request;
    bool withdrawn;
    const char* why;
  } withdrawals[] = {
      {&b, true, "from the middle"},
      {&b, false, "a second time"},
      {&stranger, false, "never queued"},
  };
  for (const auto& w : withdrawals) EXPECT_EQ(PromptQueueWithdraw(w.request), w.withdrawn) << w.why;
  EXPECT_EQ(PromptQueueTake(), &a);
  EXPECT_FALSE(PromptQueueWithdraw(&a)) << "taken already";
  EXPECT_TRUE(PromptQueueWithdraw(&c)) << "the last one";
  EXPECT_EQ(PromptQueueTake(), nullptr);
  PromptQueuePush(&b);
  EXPECT_EQ(PromptQueueTake(), &b) << "a withdrawn tail leaves the queue usable";
}

TEST_F(PromptQueueTest, ARequestStraightAfterOneOfItsKindIsRefused) {
  PromptRequest clear = Request(PromptRequestKind::ClearText), again = Request(PromptRequestKind::ClearText),
                print = Request(PromptRequestKind::Print), later = Request(PromptRequestKind::ClearText);
  EXPECT_TRUE(PromptQueuePushUnlessRepeated(&clear)) << "into an empty queue";
  EXPECT_FALSE(PromptQueuePushUnlessRepeated(&again)) << "straight after a clear";
  PromptQueuePush(&print);
  EXPECT_TRUE(PromptQueuePushUnlessRepeated(&later)) << "after a PRINT, a clear counts again";
  for (PromptRequest* expected : {&clear, &print, &later}) EXPECT_EQ(PromptQueueTake(), expected);
  EXPECT_EQ(PromptQueueTake(), nullptr) << "the refused clear was never queued";
  EXPECT_TRUE(PromptQueuePushUnlessRepeated(&again)) << "once the queue is served, a clear is queued again";
  EXPECT_EQ(PromptQueueTake(), &again);
}

// Each request ends exactly one way: taken by the taker or withdrawn by its
// requester, never both and never neither.
TEST_F(PromptQueueTest, RacingRequestersAndTakerAccountForEveryRequest) {
  constexpr int Requesters = 4, Rounds = 5000;
  std::atomic<int> withdrawn{0}, taken{0};
  std::atomic<bool> requesting{true};
  std::thread taker([&] {
    for (;;) {
      const bool last_look = !requesting.load();
      if (PromptQueueTake() != nullptr) {
        taken += 1;
      } else if (last_look) {
        return;
      }
    }
  });
  std::vector<std::thread> requesters;
  for (int r = 0; r < Requesters; ++r) {
    requesters.emplace_back([&] {
      for (int i = 0; i < Rounds; ++i) {
        PromptRequest request = Request(PromptRequestKind::Print);
        PromptQueuePush(&request);
        if (i % 3 == 0) std::this_thread::yield();
        if (PromptQueueWithdraw(&request)) withdrawn += 1;
      }
    });
  }
  for (std::thread& t : requesters) t.join();
  requesting = false;
  taker.join();
  EXPECT_EQ(withdrawn.load() + taken.load(), Requesters * Rounds);
}

}  // namespace
