// QB64's words: _LIMIT's pacing on a clock the test chooses, the
// metacommands' reading, how the lexer takes '_' words, _TITLE's call, and
// the keys and the mouse as the window notes them.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "basic/qb64/frame_limit.h"
#include "basic/qb64/metacommands.h"
#include "basic/tokens/lexer.h"
#include "runtime/console/key_hits.h"
#include "runtime/console/mouse_input.h"
#include "runtime/console/prompt_io.h"
#include "tests/basic/recording_runtime.h"

namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double Infinity = std::numeric_limits<double>::infinity();

TEST(QbLimit, WaitsOutTheRestOfEachPeriod) {
  const struct {
    std::optional<double> last;
    double now, fps;
    double wait;
    std::optional<double> mark;
    const char* why;
  } cases[] = {
      {std::nullopt, 100, 60, 0, 100, "the first _LIMIT only marks the time"},
      {100, 100.01, 50, 0.01, 100.02, "early: waits the rest, and the next period starts at its end"},
      {100, 100.5, 10, 0, 100.5, "late: no wait, and no catching up afterwards"},
      {100, 100.1, 10, 0, 100.1, "exactly due: no wait"},
      {100, 90, 10, 0.1, 90.1, "a mark ahead of the clock counts from now, never a wait longer than the period"},
      {100, 100, 0, 0, 100, "0 fps does nothing, the mark stays"},
      {std::nullopt, 100, -5, 0, std::nullopt, "less than 0 does nothing, not even mark"},
      {100, 100, NaN, 0, 100, "NaN does nothing"},
      {100, 100, Infinity, 0, 100, "an endless rate never waits"},
      {0, 0, 1e-300, LongestLimitWait, LongestLimitWait, "a tiny rate waits no longer than SLEEP could"},
  };
  for (const auto& c : cases) {
    const LimitPlan plan = PlanLimit(c.last, c.now, c.fps);
    EXPECT_NEAR(plan.wait, c.wait, 1e-9) << c.why;
    EXPECT_EQ(plan.mark.has_value(), c.mark.has_value()) << c.why;
    if (plan.mark && c.mark) {
      EXPECT_NEAR(*plan.mark, *c.mark, 1e-9) << c.why;
    }
  }
}

TEST(QbMetacommands, AreReadAtALinesStartAndInComments) {
  const struct {
    const char* line;
    Metacommand kind;
    const char* why;
  } cases[] = {
      {"$NOPREFIX", Metacommand::NoPrefix, "the line's own"},
      {"  $noprefix ' all QB64's words", Metacommand::NoPrefix, "any case, spaces before, a comment after"},
      {"'$NOPREFIX", Metacommand::NoPrefix, "in a comment, as QBasic's own"},
      {"REM $NOPREFIX", Metacommand::NoPrefix, "after REM too"},
      {"X = 1 ' $CONSOLE", Metacommand::Ignored, "in the comment after a statement"},
      {"$RESIZE : smooth", Metacommand::Ignored, "spaces around the colon"},
      {"$EXEICON:'a b.ico'", Metacommand::Ignored, "a name with a space"},
      {"PRINT \"$NOPREFIX\"", Metacommand::None, "in a string it is text"},
      {"'$FOO", Metacommand::None, "an unknown one in a comment is a comment"},
      {"' $INCLUDE: 'x.bi'", Metacommand::None, "QBasic's $INCLUDE is the includes' business"},
      {"$FOO", Metacommand::Invalid, "an unknown one at a line's start is an error"},
      {"$NOPREFIXES", Metacommand::Invalid, "a longer word is another word"},
      {"$EXEICON:'x.ico", Metacommand::Invalid, "a name without its closing quote"},
      {"$RESIZE:ON junk", Metacommand::Invalid, "nothing but a comment after it"},
  };
  for (const auto& c : cases) {
    const MetacommandLine read = ReadMetacommand(c.line);
    EXPECT_EQ(static_cast<int>(read.kind), static_cast<int>(c.kind)) << c.line << ": " << c.why << " (" << read.error << ")";
  }
}

TEST(QbLexer, TakesUnderscoreWords) {
  const struct {
    const char* line;
    bool unprefixed;
    TokenKind kind;
    Keyword keyword;
    const char* text;
    const char* why;
  } cases[] = {
      {"_title", false, TokenKind::Keyword, Keyword::QbTitle, "", "a QB64 word this BASIC has, in any case"},
      {"_NEWIMAGE", false, TokenKind::Unsupported, Keyword::None, "_NEWIMAGE", "one it lacks, for its message"},
      {"_os$", false, TokenKind::Unsupported, Keyword::None, "_OS$", "with its suffix"},
      {"MY_NAME", false, TokenKind::Name, Keyword::None, "MY_NAME", "an underscore inside a name, as before"},
      {"PI", false, TokenKind::Name, Keyword::None, "PI", "without $NOPREFIX, a name"},
      {"pi", true, TokenKind::Keyword, Keyword::QbPi, "", "after it, the word"},
      {"PI#", true, TokenKind::Name, Keyword::None, "PI#", "with a suffix, still a name"},
      {"NEWIMAGE", true, TokenKind::Name, Keyword::None, "NEWIMAGE", "a word this BASIC lacks stays a name"},
      {"PRINT", true, TokenKind::Keyword, Keyword::Print, "", "our own words come first"},
  };
  for (const auto& c : cases) {
    const LexResult lexed = LexLine(c.line, c.unprefixed);
    ASSERT_FALSE(lexed.failed) << c.line << ": " << lexed.error;
    const Token& token = lexed.tokens.front();
    EXPECT_EQ(static_cast<int>(token.kind), static_cast<int>(c.kind)) << c.line << ": " << c.why;
    EXPECT_EQ(KeywordText(token.keyword), std::string(KeywordText(c.keyword))) << c.line << ": " << c.why;
    EXPECT_EQ(token.text, c.text) << c.line << ": " << c.why;
  }
  const LexResult lone = LexLine("PRINT 1 _");
  EXPECT_TRUE(lone.failed) << "a lone underscore continues no line";
  EXPECT_EQ(lone.error, "unexpected character '_'");
  const LexResult long_word = LexLine("_" + std::string(40, 'X'));
  EXPECT_TRUE(long_word.failed) << "a '_' word is held to a name's length";
  EXPECT_EQ(long_word.error, "name longer than 40 characters");
}

TEST(QbTitle, HandsTheCaptionToTheWindow) {
  const struct {
    const char* source;
    std::string caption;
    const char* why;
  } cases[] = {
      {"_TITLE \"Snake\"", "CAPTION Snake", "the text as given"},
      {"_TITLE \"\"", "CAPTION ", "an empty caption"},
      {"T$ = \"a\" + CHR$(233) + CHR$(0) + \"b\": _TITLE T$", std::string("CAPTION a\xE9\0b", 12), "its bytes, all of them"},
      {"_TITLE STRING$(300, \"x\")", "CAPTION " + std::string(PromptCaptionMax, 'x'), "cut where the window cuts"},
      {"$NOPREFIX\nTITLE \"np\"", "CAPTION np", "after $NOPREFIX without its underscore"},
  };
  for (const auto& c : cases) {
    const ProgramRun run = RunProgram(c.source);
    ASSERT_TRUE(run.compiled) << c.why << ": " << run.errors;
    ASSERT_EQ(run.calls.size(), 1u) << c.why;
    EXPECT_EQ(run.calls[0], c.caption) << c.why;
  }
}

// What the window notes as keys go down and up, in order, as codes.
TEST(QbKeys, EachKeyDownAndUpIsOneCode) {
  constexpr uint32_t VkA = 0x41, VkF1 = 0x70, VkUp = 0x26, VkShift = 0x10, VkControl = 0x11, VkEscape = 0x1B;
  EXPECT_EQ(KeyHitCodeOf(VkF1, 0x3B, false), 15104);
  EXPECT_EQ(KeyHitCodeOf(VkUp, 0x48, true), 18432);
  EXPECT_EQ(KeyHitCodeOf(VkShift, 0x2A, false), 100304);
  EXPECT_EQ(KeyHitCodeOf(VkShift, 0x36, false), 100303);
  EXPECT_EQ(KeyHitCodeOf(VkControl, 0x1D, false), 100306);
  EXPECT_EQ(KeyHitCodeOf(VkControl, 0x1D, true), 100305);
  EXPECT_EQ(KeyHitCodeOf(VkA, 0x1E, false), 0) << "a character key's code is its character";
  KeyHitClear();
  KeyHitDown(VkShift, KeyHitCodeOf(VkShift, 0x2A, false));
  KeyHitDown(VkA, 0);
  KeyHitChar('A');
  EXPECT_TRUE(KeyHitIsDown('A'));
  EXPECT_TRUE(KeyHitIsDown(100304));
  EXPECT_FALSE(KeyHitIsDown('a'));
  KeyHitUp(VkShift);
  KeyHitUp(VkA);  // goes up as the character it typed going down
  KeyHitDown(VkEscape, 0);
  KeyHitChar(27);
  KeyHitDown(VkF1, 15104);
  KeyHitUp(VkF1);
  KeyHitUp(VkUp);  // never went down: nothing
  std::vector<int32_t> codes;
  for (int32_t code = 0; KeyHitTake(&code);) codes.push_back(code);
  EXPECT_EQ(codes, (std::vector<int32_t>{100304, 65, -100304, -65, 27, 15104, -15104}));
  EXPECT_TRUE(KeyHitIsDown(27));
  EXPECT_FALSE(KeyHitIsDown(15104));
  KeyHitClear();
  EXPECT_FALSE(KeyHitIsDown(27));
}

TEST(QbKeys, AFullRingKeepsTheNewestCodes) {
  KeyHitClear();
  for (int32_t i = 1; i <= KeyHitCapacity + 5; ++i) KeyHitDown(0x70, i);
  int32_t code = 0;
  ASSERT_TRUE(KeyHitTake(&code));
  EXPECT_EQ(code, 6);
  KeyHitClear();
}

TEST(QbKeys, TheWordsReadWhatTheWindowNoted) {
  KeyHitClear();
  KeyHitDown(0x70, 15104);
  KeyHitDown(0x41, 0);
  KeyHitChar('a');
  KeyHitUp(0x70);
  const ProgramRun run = RunProgram(
      "PRINT _KEYDOWN(97); _KEYDOWN(15104); _KEYDOWN(-97); _KEYDOWN(1E+20)\n"
      "DO: k& = _KEYHIT: PRINT k&;: LOOP UNTIL k& = 0");
  ASSERT_TRUE(run.compiled) << run.errors;
  EXPECT_EQ(run.printed, "-1  0  0  0 \r\n 15104  97 -15104  0 ");
  KeyHitClear();
}

// The mouse in the screen's units: the picture's pixels on the runtime's
// own screen, the mode's in SCREEN 13 (a 2 x 2 block each), cells on the
// PC's text screen. _MOUSEINPUT steps through the records in order; before
// the first step the latest counts.
TEST(QbMouse, PlacesAndButtonsInTheScreensUnits) {
  const struct {
    const char* source;
    const char* printed;
    const char* why;
  } cases[] = {
      {"PRINT _MOUSEX; _MOUSEY; _MOUSEBUTTON(1); _MOUSEBUTTON(2)", " 639  399  0 -1 ",
       "no step yet: the latest record, clamped to the picture"},
      {"WHILE _MOUSEINPUT: PRINT _MOUSEX; _MOUSEY; _MOUSEBUTTON(1); : WEND", " 10  20 -1  100  50  0  639  399  0 ",
       "each record in turn"},
      {"SCREEN 13: i = _MOUSEINPUT: PRINT _MOUSEX; _MOUSEY", " 5  10 ", "SCREEN 13's pixels"},
      {"SCREEN 0: WIDTH 40: i = _MOUSEINPUT: PRINT _MOUSEX; _MOUSEY", " 1  2 ", "cells of 16 x 16, from 1"},
  };
  for (const auto& c : cases) {
    MouseInputClear();
    MouseInputPut({10, 20, 1});
    MouseInputPut({100, 50, 0});
    MouseInputPut({900, -3 + 500, 2});
    const ProgramRun run = RunProgram(c.source);
    ASSERT_TRUE(run.compiled) << c.why << ": " << run.errors;
    EXPECT_EQ(run.message, "") << c.why;
    EXPECT_NE(run.printed.find(c.printed), std::string::npos) << c.why << ": " << run.printed;
  }
  MouseInputClear();
  const ProgramRun wrong = RunProgram("PRINT _MOUSEBUTTON(4)");
  EXPECT_NE(wrong.message.find("_MOUSEBUTTON takes 1"), std::string::npos) << wrong.message;
}

}  // namespace
