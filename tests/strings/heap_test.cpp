#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

#include "runtime/numeric/numeric.h"
#include "runtime/strings/strings.h"
#include "tests/support/debug_capture.h"

namespace {

class StringHeap : public testing::Test {
 protected:
  static void SetUpTestSuite() { StrHeapInit(); }

  static std::vector<RtString> Entries() {
    return {StringRegistry.entries, StringRegistry.entries + StringRegistry.count};
  }
};

TEST_F(StringHeap, InitSeedsTheRandomGenerator) { EXPECT_EQ(RandSeed, 1u); }

TEST_F(StringHeap, NewStringsAreZeroFilledWithLengthAndTerminator) {
  for (int32_t length : {0, 1, 2, 7, 255, 4096, 1 << 20}) {
    RtString s = StrNew(length);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(StrLength(s), length);
    // length bytes of text and the terminator: all readable, all zero.
    EXPECT_EQ(std::count(s, s + length + 1, '\0'), length + 1) << "length " << length;
    StrRelease(s);
  }
}

TEST_F(StringHeap, EachLiveStringHasOneEntryInAllocationOrder) {
  const auto before = Entries();
  RtString s1 = StrNew(0), s2 = StrNew(3), s3 = StrNew(1);
  auto expected = before;
  expected.insert(expected.end(), {s1, s2, s3});
  EXPECT_EQ(Entries(), expected);

  StrRelease(s2);  // a release in the middle closes the gap, order kept
  expected = before;
  expected.insert(expected.end(), {s1, s3});
  EXPECT_EQ(Entries(), expected);

  StrRelease(s1);
  StrRelease(s3);
  EXPECT_EQ(Entries(), before);
}

TEST_F(StringHeap, UnknownPointersSendTheLineOnceAndChangeNothing) {
  RtString live = StrNew(8);
  RtString gone = StrNew(2);
  StrRelease(gone);
  char foreign[8] = {};
  struct Case {
    void* pointer;
    const char* why;
  } cases[] = {
      {gone, "released twice"},
      {live + 1, "into the middle of a live string"},
      {foreign, "a pointer from elsewhere"},
  };
  for (const Case& c : cases) {
    const auto before = Entries();
    DebugCaptureStart();
    StrRelease(c.pointer);
    EXPECT_EQ(DebugCaptureStop(), std::string(UnknownStringMessage)) << c.why;
    EXPECT_EQ(Entries(), before) << c.why;
  }
  StrRelease(live);
}

TEST_F(StringHeap, TheDebuggerLineIsTheFixedFortyBytes) {
  EXPECT_EQ(sizeof(UnknownStringMessage), 41u);  // 40 bytes and the NUL
  EXPECT_EQ(std::string(UnknownStringMessage).substr(0, 4), "\x96\xA2\x92\x6D");  // first two characters
  EXPECT_EQ(std::string(UnknownStringMessage).substr(36), "\x81\x42\r\n");  // full stop, CR LF
}

TEST_F(StringHeap, NullIsIgnoredSilently) {
  const auto before = Entries();
  DebugCaptureStart();
  StrRelease(nullptr);
  EXPECT_EQ(DebugCaptureStop(), "");
  EXPECT_EQ(Entries(), before);
}

TEST_F(StringHeap, TwoThreadsAllocatingAtOnceLoseNoEntry) {
  constexpr int PerThread = 4000;
  const int32_t before = StringRegistry.count;
  std::atomic<bool> go{false};
  std::vector<RtString> made[2];
  auto work = [&](std::vector<RtString>* mine) {
    while (!go.load()) {
    }
    for (int i = 0; i < PerThread; ++i) {
      mine->push_back(StrNew(i % 17));
      // Releasing every third keeps the entries block shrinking and growing.
      if (i % 3 == 2) {
        StrRelease(mine->back());
        mine->pop_back();
      }
    }
  };
  std::thread a(work, &made[0]), b(work, &made[1]);
  go = true;
  a.join();
  b.join();

  auto live = Entries();
  EXPECT_EQ(live.size(), static_cast<std::size_t>(before) + made[0].size() + made[1].size());
  std::sort(live.begin(), live.end());
  for (const auto& mine : made) {
    for (RtString s : mine) {
      EXPECT_TRUE(std::binary_search(live.begin(), live.end(), s));
      StrRelease(s);
    }
  }
  EXPECT_EQ(StringRegistry.count, before);
}

TEST(StringHeapDeath, NegativeLengthEndsTheProcess) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        StrHeapInit();
        StrNew(-1);
      },
      testing::ExitedWithCode(StrHeapFailureExitCode), "");
}

}  // namespace
