// The built-in functions where the test programs of tests/basic/programs
// cannot show them: the clock at a fixed moment, and properties of the
// string functions over many generated arguments.
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

#include "basic/builtins/clock.h"
#include "basic/builtins/environment.h"
#include "basic/executor/string_values.h"
#include "basic/tokens/lexer.h"
#include "tests/basic/recording_runtime.h"

namespace {

SysTime FixedTime;
void FixedClock(SysTime* now) { *now = FixedTime; }

// The clock functions read a fixed moment, so their output is known.
struct BasicClock : ::testing::Test {
  void SetUp() override { BuiltinClock = FixedClock; }
  void TearDown() override { BuiltinClock = SysLocalTime; }
};

TEST_F(BasicClock, TimerTimeAndDate) {
  FixedTime = SysTime{2026, 3, 7, 13, 5, 9, 250};
  const ProgramCase cases[] = {
      {"PRINT TIMER", " 47109.25 \r\n", "seconds since midnight with the milliseconds"},
      {"PRINT TIME$; \" \"; DATE$", "13:05:09 03-07-2026\r\n", "two digits each, the year in four"},
      {"RANDOMIZE: A# = RND: RANDOMIZE 47109: PRINT A# = RND", "-1 \r\n", "alone, seeded with TIMER"},
      {"RANDOMIZE TIMER: A# = RND: RANDOMIZE 47109: PRINT A# = RND", "-1 \r\n", "TIMER converted as any seed"},
  };
  ExpectEachPrints(cases);
  FixedTime = SysTime{2027, 12, 31, 23, 59, 59, 999};
  EXPECT_EQ(RunProgram("PRINT TIMER; TIME$; \" \"; DATE$").printed, " 86400 23:59:59 12-31-2027\r\n");
  FixedTime = SysTime{2028, 1, 1, 0, 0, 0, 0};
  EXPECT_EQ(RunProgram("PRINT TIMER; TIME$").printed, " 0 00:00:00\r\n");
}

// One call of a built-in through its row of the table, as the executor
// makes it: the result as text ("!" and the message for an error).
std::string Call(Keyword keyword, const char* kinds, std::vector<double> numbers, std::vector<std::string> texts) {
  const int32_t row = FindBuiltin(keyword, kinds);
  if (row < 0) return "no row";
  std::vector<RtString> strings;
  for (const std::string& text : texts) strings.push_back(NewString(text));
  BuiltinCall call{numbers.data(), strings.data()};
  const RunFault fault = BuiltinAt(row).routine(call);
  for (RtString s : strings) ReleaseString(s);
  if (fault) return "!" + RunFaultText(fault);
  if (BuiltinAt(row).result != BuiltinResult::String) return std::to_string(call.number);
  std::string text(BytesOf(call.text));
  ReleaseString(call.text);
  return text;
}

std::string RandomText(std::mt19937& random, const std::string& alphabet, std::size_t longest) {
  std::string text(random() % (longest + 1), ' ');
  for (char& c : text) c = alphabet[random() % alphabet.size()];
  return text;
}

TEST(BasicTextProperties, InstrFindsTheFirstMatchAtOrAfterStart) {
  StartRecording();
  std::mt19937 random(7);
  for (int i = 0; i < 2000; ++i) {
    const std::string s = RandomText(random, "ab", 6);
    const std::string t = RandomText(random, "ab", 3);
    const int start = 1 + static_cast<int>(random() % 8);
    int want = 0;  // the first place, by brute force
    for (int at = start; want == 0 && at <= static_cast<int>(s.size()); ++at) {
      if (s.compare(static_cast<std::size_t>(at - 1), t.size(), t) == 0) want = at;
    }
    EXPECT_EQ(Call(Keyword::Instr, "NSS", {double(start)}, {s, t}), std::to_string(double(want)))
        << "INSTR(" << start << ", \"" << s << "\", \"" << t << "\")";
  }
}

TEST(BasicTextProperties, CaseFoldingKeepsEveryByteButAsciiLetters) {
  StartRecording();
  std::mt19937 random(11);
  const std::string bytes = "aZz@[`{\x81\x82\x9F\xE0\xFC\xA1\x41\x61 ";
  for (int i = 0; i < 2000; ++i) {
    const std::string s = RandomText(random, bytes, 8);
    const std::string upper = Call(Keyword::Ucase, "S", {}, {s});
    const std::string lower = Call(Keyword::Lcase, "S", {}, {s});
    ASSERT_EQ(upper.size(), s.size());
    ASSERT_EQ(lower.size(), s.size());
    // Walked character by character: a lead byte and the byte after it
    // are one character, kept whole.
    for (std::size_t at = 0; at < s.size(); ++at) {
      const char c = s[at];
      if (IsLeadByte(static_cast<unsigned char>(c))) {
        ASSERT_EQ(upper.substr(at, 2), s.substr(at, 2)) << "a double-byte character at " << at << " of case " << i;
        ASSERT_EQ(lower.substr(at, 2), s.substr(at, 2)) << "a double-byte character at " << at << " of case " << i;
        ++at;
        continue;
      }
      const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
      ASSERT_EQ(upper[at], letter ? static_cast<char>(c & ~0x20) : c) << "byte " << at << " of case " << i;
      ASSERT_EQ(lower[at], letter ? static_cast<char>(c | 0x20) : c) << "byte " << at << " of case " << i;
    }
  }
}

TEST(BasicTextProperties, HexAndOctReadBackToTheSameBits) {
  StartRecording();
  std::mt19937_64 random(3);
  for (int i = 0; i < 2000; ++i) {
    const int64_t value = static_cast<int64_t>(random() % 6442450944ull) - 2147483648ll;
    const uint32_t bits = static_cast<uint32_t>(value);
    const std::string hex = Call(Keyword::Hex, "N", {double(value)}, {});
    const std::string oct = Call(Keyword::Oct, "N", {double(value)}, {});
    EXPECT_EQ(std::strtoull(hex.c_str(), nullptr, 16), bits) << value << " " << hex;
    EXPECT_EQ(std::strtoull(oct.c_str(), nullptr, 8), bits) << value << " " << oct;
    EXPECT_TRUE(hex == "0" || hex[0] != '0') << hex;
  }
}

}  // namespace

// COMMAND$ gives a made program's arguments as DOS handed them over.
TEST(BuiltinCommand, ArgumentsInCapitalsWithoutLeadingBlanks) {
  const struct {
    const char* arguments;
    const char* command;
  } rows[] = {
      {"", ""},                           // no arguments
      {"   ", ""},                        // blanks alone
      {"  /fast level2", "/FAST LEVEL2"},  // capitals, the blanks between kept
      {" a  b ", "A  B "},                 // only the leading blanks go
  };
  for (const auto& row : rows) EXPECT_EQ(CommandText(row.arguments), row.command) << '"' << row.arguments << '"';
}
