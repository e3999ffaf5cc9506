// Text: PRINT's TAB and SPC, LINE INPUT, the MID$ statement, and the
// built-in functions of strings, conversions and the clock, each as small
// programs and what they print.
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

#include "basic/builtins/clock.h"
#include "basic/executor/string_values.h"
#include "basic/tokens/lexer.h"
#include "tests/basic/recording_runtime.h"

namespace {

struct Case {
  const char* source;
  const char* printed;  // or, when the run fails, "!" and its message
  const char* why;
};

void RunCases(const Case* cases, std::size_t count, std::vector<std::string> input = {}) {
  for (std::size_t i = 0; i < count; ++i) {
    const Case& c = cases[i];
    const ProgramRun run = RunProgram(c.source, input);
    EXPECT_EQ(run.errors, "") << c.why << "\n" << c.source;
    const std::string outcome = run.message.empty() ? run.printed : "!" + run.message;
    EXPECT_EQ(outcome, c.printed) << c.why << "\n" << c.source;
  }
}

#define RUN_TABLE(table, ...) RunCases(table, sizeof table / sizeof table[0], ##__VA_ARGS__)

TEST(BasicText, TabAndSpcMoveAlongThePrintedLine) {
  const Case cases[] = {
      {"PRINT TAB(5); \"X\"", "    X\r\n", "column 5 counted from 1"},
      {"PRINT \"AB\"; TAB(3); \"X\"", "ABX\r\n", "already at the column: nothing"},
      {"PRINT \"ABC\"; TAB(3); \"X\"", "ABC\r\n  X\r\n", "past the column: to it on the next line"},
      {"PRINT TAB(0); \"X\"; TAB(-5); \"Y\"", "X\r\nY\r\n", "below 1 acts as 1, so Y is past it"},
      {"PRINT 1; TAB(10); 2", " 1        2 \r\n", "after a number and its space"},
      {"PRINT \"A\", TAB(3); \"B\"", "A             \r\n  B\r\n", "after a comma's zone"},
      {"PRINT \"A\" TAB(4) \"B\"", "A  B\r\n", "the ';' is implied"},
      {"PRINT \"A\"; TAB(4): PRINT \"B\"", "A  B\r\n", "at the end it keeps the line open"},
      {"PRINT \"x\": PRINT TAB(2); \"y\"", "x\r\n y\r\n", "a line end starts the count again"},
      {"PRINT SPC(3); \"X\"; SPC(-2); \"Y\"; SPC(0); \"Z\"", "   XYZ\r\n", "n spaces; below 0 as 0"},
      {"PRINT \"A\"; SPC(2)", "A  ", "SPC at the end keeps the line open"},
      {"PRINT \"ABC\"; SPC(2); TAB(4); \"X\"", "ABC  \r\n   X\r\n", "SPC moves the column TAB counts from"},
  };
  RUN_TABLE(cases);
  EXPECT_EQ(RunProgram("PRINT TAB(1000); \"X\"; TAB(1E10); \"Y\"").printed,
            std::string(254, ' ') + "X\r\nY\r\n") << "at most the layer's last column; out of range as 1";
}

TEST(BasicText, LineInputTakesTheWholeLine) {
  const Case cases[] = {
      {"LINE INPUT \"Name: \"; N$: PRINT \"[\" + N$ + \"]\"",
       "Name:  a, \"b\" ,c \r\n[ a, \"b\" ,c ]\r\n", "commas, quotes and spaces kept; no \"? \""},
      {"DIM L$(3): I = 2: LINE INPUT L$(I): PRINT L$(2)", " a, \"b\" ,c \r\n a, \"b\" ,c \r\n",
       "into an element; no prompt at all"},
      {"PRINT \"ab\";: LINE INPUT L$: PRINT TAB(3); LEN(L$)", "ab a, \"b\" ,c \r\n   11 \r\n",
       "the column starts again after the line"},
  };
  RUN_TABLE(cases, {" a, \"b\" ,c "});
  EXPECT_EQ(RunProgram("LINE INPUT A$: LINE INPUT B$: PRINT B$; A$", {"", "x"}).printed, "\r\nx\r\nx\r\n");
  EXPECT_EQ(RunProgram("LINE INPUT; \"> \"; L$: INPUT; A, B: PRINT L$; A + B", {"x, y", "1, 2"}).printed,
            "> x, y\r\n? 1, 2\r\nx, y 3 \r\n")
      << "the classic ';' that kept the cursor on the line is read";
}

TEST(BasicText, MidStatementOverwritesInPlace) {
  const Case cases[] = {
      {"A$ = \"ABCDEF\": MID$(A$, 2) = \"xy\": PRINT A$", "AxyDEF\r\n", "as many bytes as the text has"},
      {"A$ = \"ABCDEF\": MID$(A$, 5) = \"wxyz\": PRINT A$", "ABCDwx\r\n", "never past the end"},
      {"A$ = \"ABCDEF\": MID$(A$, 6) = \"wxyz\": PRINT A$", "ABCDEw\r\n", "the last byte"},
      {"A$ = \"ABCDEF\": MID$(A$, 2, 1) = \"xyz\": PRINT A$", "AxCDEF\r\n", "at most the count"},
      {"A$ = \"ABCDEF\": MID$(A$, 2, 0) = \"xyz\": MID$(A$, 3) = \"\": PRINT A$", "ABCDEF\r\n", "nothing"},
      {"A$ = \"AB\": C$ = A$: MID$(A$, 1) = \"x\": PRINT A$; C$", "xBAB\r\n", "a copy keeps its bytes"},
      {"DIM B$(2): B$(1) = \"hello\": I = 1: MID$(B$(I), 1) = \"J\": PRINT B$(1)", "Jello\r\n", "an element"},
      {"A$ = \"AB\": MID$(A$, 3) = \"x\"", "!test.bas:1: the MID$ statement needs a start from 1 to the string's length",
       "past the end"},
      {"MID$(A$, 1) = \"x\"", "!test.bas:1: the MID$ statement needs a start from 1 to the string's length",
       "an empty string has no byte to overwrite"},
      {"A$ = \"AB\": MID$(A$, 0) = \"x\"", "!test.bas:1: the MID$ statement needs a start from 1 to the string's length",
       "start 0"},
      {"A$ = \"AB\": MID$(A$, 1, -1) = \"x\"", "!test.bas:1: MID$ needs a count of 0 or more", "a negative count"},
      {"DIM B$(2): MID$(B$(3), 1) = \"x\"", "!test.bas:1: subscript out of range", "a bad element"},
  };
  RUN_TABLE(cases);
}

TEST(BasicText, SearchAndRepeat) {
  const Case cases[] = {
      {"PRINT INSTR(\"ABCABC\", \"C\"); INSTR(4, \"ABCABC\", \"C\"); INSTR(\"ABC\", \"D\")", " 3  6  0 \r\n",
       "first from the start or from a position"},
      {"PRINT INSTR(\"ABC\", \"\"); INSTR(3, \"ABC\", \"\"); INSTR(4, \"ABC\", \"\"); INSTR(\"\", \"\")",
       " 1  3  0  0 \r\n", "an empty text is found at the start, inside the string only"},
      {"PRINT INSTR(9, \"ABC\", \"A\"); INSTR(2, \"AAB\", \"AB\"); INSTR(\"AB\", \"ABC\")", " 0  2  0 \r\n",
       "past the end, overlapping, longer"},
      {"PRINT INSTR(0, \"A\", \"A\")", "!test.bas:1: INSTR needs a start of 1 or more", "start 0"},
      {"PRINT STRING$(3, 65); STRING$(2, \"xyz\"); STRING$(0, \"q\"); \"|\"", "AAAxx|\r\n",
       "a code or a string's first byte"},
      {"PRINT LEN(STRING$(2, \"\x82\xA0\"))", " 2 \r\n", "the first byte, even of a double-byte character"},
      {"PRINT STRING$(-1, 65)", "!test.bas:1: STRING$ needs a count of 0 or more", "negative count"},
      {"PRINT STRING$(2, 256)", "!test.bas:1: STRING$ needs a code from 0 to 255", "code past a byte"},
      {"PRINT STRING$(2, \"\")", "!test.bas:1: STRING$ needs a string of one byte or more", "no byte to repeat"},
  };
  RUN_TABLE(cases);
}

TEST(BasicText, CaseTrimAndBases) {
  const Case cases[] = {
      {"PRINT UCASE$(\"abc XyZ 1!{`\"); LCASE$(\"ABC xYz@[\")", "ABC XYZ 1!{`abc xyz@[\r\n", "ASCII letters only"},
      {"PRINT UCASE$(\"a\x82\x61" "b\xA1z\")", "A\x82\x61" "B\xA1Z\r\n", "a trail byte that looks like 'a' stays"},
      {"PRINT LCASE$(\"\x83\x41X\" + CHR$(131))", "\x83\x41x\x83\r\n", "a trail byte like 'A'; a lone lead byte at the end"},
      {"PRINT \"|\"; LTRIM$(\"  a b  \"); \"|\"; RTRIM$(\"  a b  \"); \"|\"; LTRIM$(\"   \"); RTRIM$(\"\"); \"|\"",
       "|a b  |  a b||\r\n", "spaces at one end only"},
      {"PRINT LEN(LTRIM$(CHR$(9) + \"a\")); LEN(RTRIM$(\"a\" + CHR$(9)))", " 2  2 \r\n", "tabs are not spaces"},
      {"PRINT HEX$(255); \" \"; HEX$(-1); \" \"; HEX$(&HFFFFFFFF); \" \"; HEX$(-2147483648); \" \"; HEX$(0)",
       "FF FFFFFFFF FFFFFFFF 80000000 0\r\n", "negatives in two's complement; &H values read back"},
      {"PRINT HEX$(10.5); \" \"; HEX$(11.5); \" \"; OCT$(8); \" \"; OCT$(-1); \" \"; OCT$(0)",
       "A C 10 37777777777 0\r\n", "rounded to nearest, ties to even; octal"},
      {"PRINT HEX$(4294967296)", "!test.bas:1: HEX$ needs a value from -2147483648 to 4294967295", "33 bits"},
      {"PRINT OCT$(-2147483649)", "!test.bas:1: OCT$ needs a value from -2147483648 to 4294967295", "below"},
      {"PRINT HEX$(0 / 0)", "!test.bas:1: HEX$ needs a value from -2147483648 to 4294967295", "NaN"},
  };
  RUN_TABLE(cases);
}

TEST(BasicText, Conversions) {
  const Case cases[] = {
      {"PRINT FIX(2.7); FIX(-2.7); FIX(-0.5); FIX(1099511627776.5)", " 2 -2  0  1099511627776 \r\n",
       "toward zero, never -0, past 32 bits"},
      {"PRINT CINT(2.5); CINT(3.5); CINT(-2.5); CINT(32767.6); CINT(40000)", " 2  4 -2 -32768 -25536 \r\n",
       "what a % variable holds: ties to even, 16 bits"},
      {"PRINT CLNG(2.5); CLNG(-3.5); CLNG(2147483647.4); CLNG(3E9)", " 2 -4  2147483647 -2147483648 \r\n",
       "32 bits, out of range as every conversion"},
      {"PRINT CSNG(0.1); CDBL(1 / 3)", " 0.1  0.3333333333333333 \r\n", "every number is a double"},
  };
  RUN_TABLE(cases);
}

SysTime FixedTime;
void FixedClock(SysTime* now) { *now = FixedTime; }

// The clock functions read a fixed moment, so their output is known.
struct BasicClock : ::testing::Test {
  void SetUp() override { BuiltinClock = FixedClock; }
  void TearDown() override { BuiltinClock = SysLocalTime; }
};

TEST_F(BasicClock, TimerTimeAndDate) {
  FixedTime = SysTime{2026, 3, 7, 13, 5, 9, 250};
  const Case cases[] = {
      {"PRINT TIMER", " 47109.25 \r\n", "seconds since midnight with the milliseconds"},
      {"PRINT TIME$; \" \"; DATE$", "13:05:09 03-07-2026\r\n", "two digits each, the year in four"},
      {"RANDOMIZE: A = RND: RANDOMIZE 47109: PRINT A = RND", "-1 \r\n", "alone, seeded with TIMER"},
      {"RANDOMIZE TIMER: A = RND: RANDOMIZE 47109: PRINT A = RND", "-1 \r\n", "TIMER converted as any seed"},
  };
  RUN_TABLE(cases);
  FixedTime = SysTime{2027, 12, 31, 23, 59, 59, 999};
  EXPECT_EQ(RunProgram("PRINT TIMER; TIME$; \" \"; DATE$").printed, " 86399.999 23:59:59 12-31-2027\r\n");
  FixedTime = SysTime{2028, 1, 1, 0, 0, 0, 0};
  EXPECT_EQ(RunProgram("PRINT TIMER; TIME$").printed, " 0 00:00:00\r\n");
}

TEST(BasicText, SystemClockIsSane) {
  const ProgramRun run = RunProgram("T = TIMER: PRINT T >= 0 AND T < 86400; LEN(TIME$); LEN(DATE$)");
  EXPECT_EQ(run.printed, "-1  8  10 \r\n");
}

TEST(BasicText, ErrorsBeforeTheRun) {
  const struct {
    const char* source;
    const char* errors;
    const char* why;
  } cases[] = {
      {"X = TAB(3)", "1:5: TAB works only in PRINT", "TAB outside PRINT"},
      {"PRINT LEN(SPC(2))", "1:11: SPC works only in PRINT", "SPC inside an expression of PRINT"},
      {"PRINT SPC 3", "1:11: expected '(', found a number", "SPC needs its parentheses"},
      {"LINE INPUT A", "1:12: LINE INPUT needs a string variable", "a number"},
      {"LINE INPUT \"p\", A$", "1:15: expected ';' after the prompt, found ','", "only ';' after the prompt"},
      {"TIME$ = \"10:00\"", "1:1: TIME$ = is not a statement of this BASIC: it does not set the clock",
       "setting the clock"},
      {"MID$(A, 1) = \"x\"", "1:6: the MID$ statement needs a string variable", "a number"},
      {"MID$(A$, 1) \"x\"", "1:13: expected '=', found a string", "the '='"},
      {"MID$(A$, \"1\") = \"x\"", "1:10: expected a number, found a string", "the start"},
      {"PRINT INSTR(1, 2)", "1:16: expected a string, found a number", "INSTR(start, s$, t$)"},
      {"PRINT INSTR(\"a\")", "1:16: expected ',', found ')'", "INSTR needs its text to find"},
      {"PRINT INSTR(\"a\", \"b\", \"c\")", "1:21: expected ')', found ','", "no third string"},
      {"PRINT STRING$(\"a\", 2)", "1:15: expected a number, found a string", "the count first"},
      {"PRINT HEX$(\"a\")", "1:12: expected a number, found a string", "HEX$ of a number"},
      {"PRINT UCASE$(1)", "1:14: expected a string, found a number", "UCASE$ of a string"},
      {"X = TIMER(1)", "1:10: expected ':' or end of line, found '('", "TIMER takes no arguments"},
      {"TIMER = 1", "1:1: expected a statement, found 'TIMER'", "a reserved word"},
      {"A$ = TIME$ + 1", "1:12: cannot combine a string with a number", "TIME$ is a string"},
  };
  for (const auto& c : cases) EXPECT_EQ(RunProgram(c.source).errors, c.errors) << c.why << "\n" << c.source;
}

// One call of a built-in through its row of the table, as the executor
// makes it: the result as text ("!" and the message for an error).
std::string Call(Keyword keyword, const char* kinds, std::vector<double> numbers, std::vector<std::string> texts) {
  const int32_t row = FindBuiltin(keyword, kinds);
  if (row < 0) return "no row";
  std::vector<RtString> strings;
  for (const std::string& text : texts) strings.push_back(NewString(text));
  BuiltinCall call{numbers.data(), strings.data()};
  const char* error = BuiltinAt(row).routine(call);
  for (RtString s : strings) StrRelease(s);
  if (error) return std::string("!") + error;
  if (BuiltinAt(row).result == ValueKind::Number) return std::to_string(call.number);
  std::string text(BytesOf(call.text));
  StrRelease(call.text);
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
