// The lexer and numbers as text: the pieces that every later stage trusts.
#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "basic/tokens/lexer.h"
#include "basic/text/number_text.h"

namespace {

// The tokens of a line in a short notation: N for a name, K for a keyword,
// # for a number, S for a string, then the text; punctuation as itself.
std::string Describe(const LexResult& lexed) {
  std::string text;
  for (const Token& token : lexed.tokens) {
    if (!text.empty()) text += ' ';
    switch (token.kind) {
      case TokenKind::Name: text += "N:" + token.text; break;
      case TokenKind::Keyword: text += std::string("K:") + KeywordText(token.keyword); break;
      case TokenKind::Number: text += "#:" + FormatNumber(token.number) + (token.digits_only ? "" : "."); break;
      case TokenKind::String: text += "S:" + token.text; break;
      case TokenKind::EndOfLine: text += "$"; break;
      default: text += DescribeToken(token).substr(1, DescribeToken(token).size() - 2); break;
    }
  }
  if (lexed.failed) text += " !" + std::to_string(lexed.error_column) + ":" + lexed.error;
  return text;
}

TEST(BasicLexer, CutsLinesIntoTokens) {
  const struct {
    const char* line;
    const char* tokens;
    const char* why;
  } cases[] = {
      {"print a$;b%", "K:PRINT N:A$ ; N:B% $", "keywords fold case; suffixes stay"},
      {"FORMAT = TOTAL", "N:FORMAT = N:TOTAL $", "names that start with keywords"},
      {"x = LEFT$(a$, 2)", "N:X = K:LEFT$ ( N:A$ , #:2 ) $", "a keyword with its $"},
      {"10 A=1.5E3:B=.5", "#:10 N:A = #:1500. : N:B = #:0.5. $", "digits only marks line numbers"},
      {"1E", "#:1 N:E $", "an exponent needs digits"},
      {"a<=b<>c>=d", "N:A <= N:B <> N:C >= N:D $", "two-byte operators"},
      {"? \"a:b\" ' c \"", "K:PRINT S:a:b K:REM $", "' ends the line"},
      {"REM \x82\"\"", "K:REM $", "a comment's bytes are not read"},
      {"\"\x82\"\"", "S:\x82\" $", "a lead byte takes the quote after it"},
      {"\"\x95\\\"", "S:\x95\\ $", "a trail byte that is a backslash"},
      {"\"\x82", "$ !1:string without its closing quote", "a lead byte at the end"},
      {"&HfF + &H0", "#:255. + #:0. $", "hexadecimal, never a line number"},
      {"A\tB", "N:A N:B $", "a tab is a space"},
      {"A = \x81\x40", "N:A = $ !5:unexpected byte in program text", "double-byte text outside a string"},
      {"N_1 = 2", "N:N_1 = #:2 $", "underscores in names"},
  };
  for (const auto& c : cases) EXPECT_EQ(Describe(LexLine(c.line)), c.tokens) << c.why;
}

TEST(BasicNumberText, FormatsTheShortestRoundTrip) {
  const struct {
    double value;
    const char* text;
  } cases[] = {
      {0, "0"}, {-0.0, "-0"}, {1, "1"}, {-1.5, "-1.5"}, {0.1, "0.1"}, {1e20, "1E+20"},
      {1e-7, "1E-07"}, {123456789012.0, "123456789012"}, {1.0 / 3, "0.3333333333333333"},
      {5e-324, "5E-324"}, {1.7976931348623157e308, "1.7976931348623157E+308"},
      {HUGE_VAL, "inf"}, {-HUGE_VAL, "-inf"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatNumber(c.value), c.text) << c.text;
}

TEST(BasicNumberText, ReadsTheLongestNumberAfterSpaces) {
  const struct {
    const char* text;
    double value;
    std::size_t used;
  } cases[] = {
      {"12AB", 12, 2}, {"", 0, 0}, {"  -1.5E2x", -150, 8}, {"+7", 7, 2}, {"+-7", 0, 0},
      {".5", 0.5, 2}, {"5.", 5, 2}, {"1e", 1, 1}, {"E5", 0, 0}, {"1E999", HUGE_VAL, 5},
      {"-1E999", -HUGE_VAL, 6}, {"1E-999", 0, 6}, {"inf", HUGE_VAL, 3}, {"0x10", 0, 1},
  };
  for (const auto& c : cases) {
    const NumberPrefix read = ReadNumberPrefix(c.text);
    EXPECT_EQ(read.value, c.value) << c.text;
    EXPECT_EQ(read.used, c.used) << c.text;
  }
}

TEST(BasicNumberText, EveryDoubleReadsBackToTheSameBits) {
  std::mt19937_64 random(7);
  int failures = 0;
  for (int i = 0; i < 100000; ++i) {
    const uint64_t bits = random();
    double value;
    std::memcpy(&value, &bits, sizeof value);
    if (std::isnan(value)) continue;
    const std::string text = FormatNumber(value);
    const double back = ReadNumberPrefix(text).value;
    uint64_t back_bits;
    std::memcpy(&back_bits, &back, sizeof back);
    if (back_bits != bits && ++failures <= 5) ADD_FAILURE() << std::hexfloat << value << " became " << text;
  }
  EXPECT_EQ(failures, 0);
}

}  // namespace
