// The interpreter's own strings: lengths and bytes kept through every size
// of block, growth in place, reuse of released blocks, and the count of
// live strings that tells a leak.
#include "basic/executor/string_values.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class StringValues : public ::testing::Test {
 protected:
  void SetUp() override { live_ = LiveStrings(); }
  void TearDown() override { EXPECT_EQ(LiveStrings(), live_) << "strings left behind"; }
  int64_t live_ = 0;
};

// Appending one byte at a time crosses every pooled size and into blocks of
// their own; the bytes (a NUL among them) survive each move.
TEST_F(StringValues, ConcatenationKeepsEveryByteAcrossBlockSizes) {
  std::string expected;
  RtString s = NewString("");
  for (int i = 0; i < 70000; ++i) {
    const char byte = static_cast<char>(i % 251);
    expected += byte;
    s = ConcatStrings(s, NewString(std::string_view(&byte, 1)));
    if ((i & (i + 1)) == 0 || i == 69999) {  // at lengths 2^k and at the end
      ASSERT_EQ(StringLength(s), static_cast<int32_t>(expected.size()));
      ASSERT_EQ(BytesOf(s), expected) << "after " << i + 1 << " bytes";
      ASSERT_EQ(s[StringLength(s)], '\0');
    }
  }
  ReleaseString(s);
}

TEST_F(StringValues, EmptyAndNullOperands) {
  EXPECT_EQ(StringLength(nullptr), 0);
  EXPECT_EQ(BytesOf(nullptr), "");
  ReleaseString(nullptr);
  RtString joined = ConcatStrings(NewString(""), NewString(""));
  EXPECT_EQ(BytesOf(joined), "");
  joined = ConcatStrings(joined, NewString("ab"));
  EXPECT_EQ(BytesOf(joined), "ab");
  ReleaseString(joined);
  RtString blank = NewBlankString(5);
  EXPECT_EQ(BytesOf(blank), std::string(5, '\0'));
  ReleaseString(blank);
}

// A released block is the next one given out for its size: the free lists
// link through the blocks, and a link must never land in a live string.
TEST_F(StringValues, ReleasedBlocksComeBackWhole) {
  std::vector<RtString> strings;
  for (int i = 0; i < 100; ++i) strings.push_back(NewString(std::string(static_cast<std::size_t>(i), 'x')));
  for (std::size_t i = 0; i < strings.size(); i += 2) ReleaseString(strings[i]);
  for (std::size_t i = 0; i < strings.size(); i += 2) strings[i] = NewString(std::string(i, 'y'));
  for (std::size_t i = 0; i < strings.size(); ++i) {
    EXPECT_EQ(BytesOf(strings[i]), std::string(i, i % 2 ? 'x' : 'y')) << "string " << i;
    ReleaseString(strings[i]);
  }
}

TEST_F(StringValues, ComparisonOrdersAsTheRuntimeDoes) {
  struct Row {
    const char* left;
    const char* right;
    int32_t result;
  } rows[] = {
      {"A", "B", 1},   // less
      {"B", "B", 2},   // equal
      {"B", "A", 3},   // greater
      {"", "A", 1},    // the empty string first
      {"AB", "A", 3},  // a longer string with the same start after
  };
  for (const Row& row : rows) {
    EXPECT_EQ(CompareStrings(NewString(row.left), NewString(row.right)), row.result)
        << row.left << " against " << row.right;
  }
}

}  // namespace
