// The string operations: their results, and what they leave in the registry
// (operands released, results owned by the caller).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "runtime/strings/strings.h"
#include "tests/support/debug_capture.h"

namespace {

class StringOperations : public testing::Test {
 protected:
  static void SetUpTestSuite() { StrHeapInit(); }

  static RtString Make(const std::string& bytes) {
    RtString s = StrNew(static_cast<int32_t>(bytes.size()));
    std::memcpy(s, bytes.data(), bytes.size());
    return s;
  }
  // The bytes as the length field gives them, and the terminator checked.
  static std::string Bytes(RtString s) {
    EXPECT_EQ(s[StrLength(s)], 0) << "terminator after " << StrLength(s) << " bytes";
    return std::string(s, static_cast<size_t>(StrLength(s)));
  }
  static std::vector<RtString> Entries() {
    return {StringRegistry.entries, StringRegistry.entries + StringRegistry.count};
  }
  static bool Registered(RtString s) {
    const auto entries = Entries();
    return std::find(entries.begin(), entries.end(), s) != entries.end();
  }
};

TEST_F(StringOperations, ConcatJoinsByLengthFieldsAndConsumesBothOperands) {
  const struct {
    std::string left, right;
    const char* why;
  } cases[] = {
      {"AB", "C", "plain texts"},
      {"", "", "two empty strings give a new empty string"},
      {"", "xyz", "empty left"},
      {"xyz", "", "empty right"},
      {std::string("A\0B", 3), std::string("\0\0C", 3), "embedded zero bytes are carried over"},
      {"\x82\xA0", "\x82\xA2", "double-byte characters stay byte pairs"},
  };
  for (const auto& c : cases) {
    RtString left = Make(c.left), right = Make(c.right);
    const auto before = Entries();
    RtString result = StrConcat(left, right);
    EXPECT_EQ(Bytes(result), c.left + c.right) << c.why;
    EXPECT_EQ(StringRegistry.count, static_cast<int32_t>(before.size()) - 1) << c.why << ": two released, one made";
    EXPECT_FALSE(Registered(left)) << c.why;
    EXPECT_FALSE(Registered(right)) << c.why;
    EXPECT_TRUE(Registered(result)) << c.why;
    StrRelease(result);
  }
}

TEST_F(StringOperations, ConcatInALoopLeavesOnlyTheResult) {
  // Builds 0123456789 0123... a piece at a time: each step must release
  // exactly what it was handed, however many steps there are.
  const int32_t before = StringRegistry.count;
  RtString text = StrNew(0);
  std::string expected;
  for (int i = 0; i < 500; ++i) {
    const std::string piece(1, static_cast<char>('0' + i % 10));
    text = StrConcat(text, Make(piece));
    expected += piece;
  }
  EXPECT_EQ(StringRegistry.count, before + 1);
  EXPECT_EQ(Bytes(text), expected);
  StrRelease(text);
}

TEST_F(StringOperations, CompareGivesTheThreeWayResultAndConsumesBoth) {
  const struct {
    std::string left, right;
    int32_t result;
    const char* why;
  } cases[] = {
      {"A", "B", 1, "less"},
      {"B", "A", 3, "greater"},
      {"ABC", "ABC", 2, "equal texts"},
      {"", "", 2, "two empty strings"},
      {"AB", "ABC", 1, "a prefix sorts first"},
      {"ABC", "AB", 3, "the longer sorts after its prefix"},
  };
  for (const auto& c : cases) {
    RtString left = Make(c.left), right = Make(c.right);
    const int32_t before = StringRegistry.count;
    EXPECT_EQ(StrCompare(left, right), c.result) << c.why;
    EXPECT_EQ(StringRegistry.count, before - 2) << c.why;
    EXPECT_FALSE(Registered(left)) << c.why;
    EXPECT_FALSE(Registered(right)) << c.why;
  }
}

TEST_F(StringOperations, CompareReadsTheLengthFieldsNotTheTerminator) {
  // "AB" stored in a string whose length field says 1 is the text "A".
  RtString short_field = Make("AB");
  std::memcpy(short_field - 4, "\x01\x00\x00\x00", 4);
  EXPECT_EQ(StrCompare(short_field, Make("A")), 2);
}

TEST_F(StringOperations, CompareKeepLeavesTheLeftOperandUsable) {
  RtString kept = Make("KEEP");
  RtString right = Make("KEEP");
  const int32_t before = StringRegistry.count;
  EXPECT_EQ(StrCompareKeep(kept, right), 2);
  EXPECT_EQ(StringRegistry.count, before - 1);
  EXPECT_TRUE(Registered(kept));
  EXPECT_FALSE(Registered(right));
  // Still a whole string: it compares again and can be consumed later.
  EXPECT_EQ(StrCompareKeep(kept, Make("KEEQ")), 1);
  RtString joined = StrConcat(kept, Make("!"));
  EXPECT_EQ(Bytes(joined), "KEEP!");
  StrRelease(joined);
  EXPECT_EQ(StringRegistry.count, before - 2);
}

TEST_F(StringOperations, FirstByteIsUnsignedAndConsumesItsOperand) {
  const struct {
    std::string bytes;
    int32_t first;
    const char* why;
  } cases[] = {
      {"", 0, "an empty string gives its terminator"},
      {"A", 65, "ASCII"},
      {"\x82\xA0", 130, "a lead byte 0x82 is 130, not -126"},
      {"\xFF", 255, "the highest byte"},
      {std::string("\0Z", 2), 0, "an embedded zero first"},
      {" ", 32, "the tab's fill byte"},
  };
  for (const auto& c : cases) {
    RtString s = Make(c.bytes);
    const int32_t before = StringRegistry.count;
    EXPECT_EQ(StrFirstByte(s), c.first) << c.why;
    EXPECT_EQ(StringRegistry.count, before - 1) << c.why;
    EXPECT_FALSE(Registered(s)) << c.why;
  }
}

TEST_F(StringOperations, RenewMakesOneZeroFilledStringOfTheLength) {
  for (int32_t length : {0, 1, 2, 300}) {
    const auto before = Entries();
    RtString s = StrRenew(length);
    EXPECT_EQ(StrLength(s), length);
    EXPECT_EQ(std::count(s, s + length + 1, '\0'), length + 1) << "length " << length;
    auto expected = before;
    expected.push_back(s);
    EXPECT_EQ(Entries(), expected) << "only the result is left, length " << length;
    StrRelease(s);
  }
}

TEST_F(StringOperations, PeekGivesTheVariablesStringWithoutTakingIt) {
  RtString variable = Make("held");
  const auto before = Entries();
  EXPECT_EQ(StrPeek(&variable), variable);
  EXPECT_EQ(Entries(), before);
  EXPECT_EQ(Bytes(variable), "held");
  StrRelease(variable);
}

TEST_F(StringOperations, OperandsTheRegistryDoesNotHoldCountAsEmpty) {
  // Only the release finds out about such an operand; reading its length
  // field or its bytes first would read whatever lies there (a freed block,
  // the text of another string, address zero).
  RtString live = Make("\xFF\xFF\xFF\x7F" "after a huge length field");
  RtString gone = Make("gone");
  StrRelease(gone);
  const struct {
    char* operand;
    int lines;
    const char* why;
  } cases[] = {
      {nullptr, 0, "null"},
      {gone, 1, "released already"},
      {live + 4, 1, "into the middle of a live string, after bytes that read as INT32_MAX"},
  };
  for (const auto& c : cases) {
    const std::string line = c.lines == 0 ? "" : UnknownStringMessage;
    DebugCaptureStart();
    RtString joined = StrConcat(Make("A"), c.operand);
    EXPECT_EQ(DebugCaptureStop(), line) << c.why;
    EXPECT_EQ(Bytes(joined), "A") << c.why;
    StrRelease(joined);

    DebugCaptureStart();
    EXPECT_EQ(StrCompare(c.operand, Make("")), 2) << c.why;
    EXPECT_EQ(StrCompareKeep(live, c.operand), 3) << c.why;
    EXPECT_EQ(StrFirstByte(c.operand), 0) << c.why;
    EXPECT_EQ(DebugCaptureStop(), line + line + line) << c.why;
  }
  EXPECT_TRUE(Registered(live));
  StrRelease(live);
}

}  // namespace
