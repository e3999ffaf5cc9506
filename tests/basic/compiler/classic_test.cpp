// Classic listings as written: the text forms of old files, the one-line IF
// that owns the rest of its line, ON ... GOTO, and errors that name what
// this BASIC lacks, one per mistake.
#include <gtest/gtest.h>

#include "tests/basic/recording_runtime.h"

namespace {

// printed holds, where the program must not run, its errors.
using Case = ProgramCase;

void ExpectErrors(const Case& c) {
  const ProgramRun run = RunProgram(c.source);
  EXPECT_FALSE(run.compiled) << c.why;
  EXPECT_EQ(run.errors, c.printed) << c.why << "\n" << c.source;
}

TEST(BasicClassic, ProgramText) {
  const Case cases[] = {
      {"PRINT 1\n\x1A\nPRINT 2 @", " 1 \r\n", "Ctrl-Z ends the text, whatever follows"},
      {"PRINT 1: \x1A PRINT 2", " 1 \r\n", "also in the middle of a line"},
      {"10 GO TO 30\n20 PRINT 1\n30 PRINT 2", " 2 \r\n", "GO TO"},
      {"GO SUB 20: PRINT 1: END\n20 PRINT 2;: RETURN", " 2  1 \r\n", "GO SUB"},
      {"IF 1 THEN GO TO 20\nPRINT 1\n20 PRINT 2", " 2 \r\n", "GO TO in a one-line IF"},
      {"go\tto 20\nPRINT 1\n20 PRINT 2", " 2 \r\n", "any case, any blank between"},
      {"GO = 4: GOSUB7 = 1: PRINT GO; GO * 2", " 4  8 \r\n", "GO before anything else is a name"},
      {"PRINT 2#; 1.5!; 7%; 70000&; 1E3#", " 2  1.5  7  70000  1000 \r\n", "type suffixes keep the value"},
      {"PRINT 2.5%; 3.5%; -32768%; 2147483647.6&", " 2  4 -32768  2147483648 \r\n",
       "% and & round ties to even"},
      {"PRINT 1D3; 2.5d-1; 1D+2#", " 1000  0.25  100 \r\n", "D is a double's exponent letter"},
      {"PRINT &O17; &17; &o0; &O37777777777; &HFFFF&", " 15  15  0  4294967295  65535 \r\n",
       "octal, and & after a hexadecimal number"},
      {"NAME$ = \"n\": PCOPY% = 2: PRINT NAME$; PCOPY%", "n 2 \r\n", "a classic word with a suffix is a name"},
  };
  for (const Case& c : cases) ExpectPrints(c);
}

TEST(BasicClassic, WrongLiterals) {
  const Case cases[] = {
      {"A = 32769%", "1:5: number too large for % (-32768 to 32767)", "% past 16 bits"},
      {"A = 32768.6%", "1:5: number too large for % (-32768 to 32767)", "rounding past the range"},
      {"A = 2147483649&", "1:5: number too large for & (-2147483648 to 2147483647)", "& past 32 bits"},
      {"A = 1E400#", "1:5: number too large", "a suffix after a literal past the doubles"},
      {"A = &O40000000000", "1:5: octal number larger than &O37777777777", "octal past 32 bits"},
      {"A = &O9", "1:5: &O without octal digits", "no octal digit after &O"},
      {"A = &9", "1:5: unexpected character '&'", "& alone before a non-octal digit"},
      {"10 A = 1\nGOTO 10%", "2:6: expected a line number or label, found a number", "a suffix is no line"},
  };
  for (const Case& c : cases) ExpectErrors(c);
}

TEST(BasicClassic, EverythingAfterThenBelongsToTheIf) {
  const Case cases[] = {
      {"X = 5: IF X < 1 THEN 40: PRINT \"A\"\nPRINT \"B\"\n40 PRINT \"C\"", "B\r\nC\r\n",
       "false: the rest of the line is skipped"},
      {"X = 0: IF X < 1 THEN 40: PRINT \"A\"\nPRINT \"B\"\n40 PRINT \"C\"", "C\r\n", "true: the jump is taken"},
      {"X = 5: IF X < 1 GOTO 40: PRINT \"A\"\nPRINT \"B\"\n40 PRINT \"C\"", "B\r\nC\r\n", "the GOTO form too"},
      {"IF 1 GOTO done: PRINT \"A\"\ndone: PRINT \"D\"", "D\r\n", "GOTO takes a label"},
      {"IF 0 THEN 10 ELSE PRINT \"X\": PRINT \"Y\"\n10 PRINT \"Z\"", "X\r\nY\r\nZ\r\n", "ELSE owns the rest"},
      {"IF 1 THEN 10 ELSE PRINT \"X\": PRINT \"Y\"\n10 PRINT \"Z\"", "Z\r\n", "THEN n, then ELSE skipped"},
      {"IF 0 THEN 10 ELSE 20: PRINT \"X\"\n10 PRINT \"A\"\n20 PRINT \"B\"", "B\r\n", "ELSE n: rest"},
      {"IF 0 GOTO 10 ELSE PRINT \"E\"\n10 PRINT \"T\"", "E\r\nT\r\n", "GOTO form with ELSE"},
      {"IF 0 THEN 10: ELSE PRINT \"E\"\n10 PRINT \"T\"", "E\r\nT\r\n", "a colon before ELSE"},
      {"IF 1 THEN 10 ' why\n10 PRINT \"T\"", "T\r\n", "a comment after the target"},
      {"IF 0 THEN PRINT 1: PRINT 2\nPRINT 3", " 3 \r\n", "statements after THEN, false"},
      {"IF 1 THEN IF 0 THEN 10 ELSE PRINT \"I\": PRINT \"J\"\n10 PRINT \"K\"", "I\r\nJ\r\nK\r\n",
       "ELSE belongs to the inner IF"},
  };
  for (const Case& c : cases) ExpectPrints(c);
}

TEST(BasicClassic, OnGotoAndGosub) {
  const Case cases[] = {
      {"FOR I = 0 TO 4: ON I GOSUB 10, 20, 30: PRINT \"/\";: NEXT: PRINT: END\n"
       "10 PRINT \"a\";: RETURN\n20 PRINT \"b\";: RETURN\n30 PRINT \"c\";: RETURN",
       "/a/b/c//\r\n", "0 and past the list fall through; RETURN comes back after the list"},
      {"ON 2 GOTO 10, 20, 10\n10 PRINT 1: END\n20 PRINT 2", " 2 \r\n", "GOTO"},
      {"ON 1.5 GOTO 10, 20\n10 PRINT 1: END\n20 PRINT 2", " 2 \r\n", "rounded, ties to even: 2"},
      {"ON 2.5 GOTO 10, 20, 30\n10 PRINT 1: END\n20 PRINT 2: END\n30 PRINT 3", " 2 \r\n", "2.5 is 2"},
      {"ON 255 GOTO 10: PRINT \"past\"\n10 PRINT \"ten\"", "past\r\nten\r\n", "255 is still allowed"},
      {"X = 1: ON X GO TO a, b\na: PRINT \"A\": END\nb: PRINT \"B\"", "A\r\n", "labels, and GO TO"},
      {"IF 1 THEN ON 1 GOTO 10: PRINT \"no\"\n10 PRINT \"yes\"", "yes\r\n", "in a one-line IF"},
  };
  for (const Case& c : cases) ExpectPrints(c);
}

TEST(BasicClassic, OnOutOfRangeIsARunTimeError) {
  const Case cases[] = {
      {"PRINT 1;: ON -1 GOTO 10\n10 END", " 1 ", "negative"},
      {"ON 256 GOSUB 10\n10 END", "", "past 255"},
      {"ON 0 / 0 GOTO 10\n10 END", "", "NaN"},
  };
  for (const Case& c : cases) {
    const ProgramRun run = RunProgram(c.source);
    EXPECT_EQ(run.outcome, BasicOutcome::RuntimeError) << c.why;
    EXPECT_EQ(run.message, "test.bas:1: ON needs a number from 0 to 255") << c.why;
    EXPECT_EQ(run.printed, c.printed) << c.why;
  }
}

TEST(BasicClassic, EndAndSystemEndTheProgram) {
  const Case cases[] = {
      {"PRINT 1: SYSTEM: PRINT 2", " 1 \r\n", "SYSTEM is END in a program"},
      {"IF 1 THEN END\nPRINT 2", "", "END in a one-line IF"},
      {"PRINT 1: STOP: PRINT 2", " 1 \r\n", "STOP"},
  };
  for (const Case& c : cases) ExpectPrints(c);
}

TEST(BasicClassic, MissingWordsAreNamed) {
  const Case cases[] = {
      {"PCOPY 1, 0", "1:1: PCOPY is not a statement of this BASIC", "a statement"},
      {"10 view print", "1:4: VIEW is not a statement of this BASIC", "any case, after a line number"},
      {"IF X THEN PLAY \"C\"", "1:11: PLAY is not a statement of this BASIC", "in a one-line IF"},
      {"VIEW = 3", "1:1: VIEW is not a statement of this BASIC", "classic words are reserved"},
      {"A = STICK", "1:5: STICK is not a function of this BASIC", "a function, never a variable"},
      {"X = PEEK(0) + 1", "1:5: PEEK is not a function of this BASIC", "never an automatic array"},
      {"PRINT 2 * USR(0)", "1:11: USR is not a function of this BASIC", "inside an expression"},
      {"IF LEN(IOCTL$(1)) THEN 10", "1:8: IOCTL$ is not a function of this BASIC", "a word with its $"},
      {"PRINT CLOSE", "1:7: expected an expression, found 'CLOSE'", "a statement's word in an expression"},
      {"FOR POS = 1 TO 2", "1:5: expected the loop's variable, found 'POS'", "nor a loop variable"},
      {"PRINT #1, X", "1:1: PRINT # is not a statement of this BASIC", "file output"},
      {"INPUT #1, A", "1:1: INPUT # is not a statement of this BASIC", "file input"},
      {"LINE INPUT #1, A$", "1:1: LINE INPUT # is not a statement of this BASIC", "two words before #"},
      {"PRINT USING \"##\"; 5", "1:1: PRINT USING is not a statement of this BASIC", "formatted output"},
      {"DEF SEG = &HB800", "1:1: DEF SEG is not a statement of this BASIC", "memory segments"},
      {"ON ERROR GOTO 100", "1:1: ON ERROR is not a statement of this BASIC", "error trapping"},
      {"ON KEY(1) GOSUB 10", "1:1: ON KEY is not a statement of this BASIC", "event trapping"},
      {"ON TIMER(1) GOSUB 10", "1:1: ON TIMER is not a statement of this BASIC", "TIMER is not ours here"},
      {"KEY(1) ON", "1:1: KEY(n) is not a statement of this BASIC", "KEY OFF is, but not its trap"},
      {"10 HOME\n20 VTAB 5: HTAB \"A\"", "1:4: HOME is not a statement of this BASIC\n2:4: VTAB is not a statement of this BASIC",
       "another BASIC's word alone, or with its argument"},
      {"IF 1 THEN CLEARSCREEN ELSE END", "1:11: CLEARSCREEN is not a statement of this BASIC", "before ELSE"},
      {"X + 1", "1:3: expected '=', found '+'", "a name before an operator is an assignment gone wrong"},
      {"ON 1 PRINT", "1:6: expected GOTO or GOSUB, found 'PRINT'", "ON needs its jump"},
      {"ON 1 GOTO 10, 99\n10 END", "1:15: no line 99", "every target must exist"},
  };
  for (const Case& c : cases) ExpectErrors(c);
}

TEST(BasicClassic, OneMistakeMakesOneError) {
  const Case cases[] = {
      {"10 FOR N=0 TO 12: BADWORD M(N): NEXT N", "1:19: BADWORD is not a statement of this BASIC",
       "the FOR of a rejected line"},
      {"FOR I = 1 TO 2: TRON\nPRINT I\nNEXT", "1:17: TRON is not a statement of this BASIC",
       "a later NEXT still closes it"},
      {"FOR I = 1 TO 2\nFOR J = 1 TO 2: TRON\nNEXT I", "2:17: TRON is not a statement of this BASIC",
       "a NEXT naming an outer loop passes it"},
      {"WHILE 1: PCOPY\nFOR I = 1 TO 2\nNEXT\nWEND", "1:10: PCOPY is not a statement of this BASIC",
       "blocks inside it nest as usual"},
      {"DO: FIELD #1\nWEND", "1:5: FIELD is not a statement of this BASIC\n2:1: WEND without WHILE",
       "a closer of another kind drops it; a real error stays"},
      {"GOTO 500: PCOPY", "1:11: PCOPY is not a statement of this BASIC", "its jumps are forgotten"},
      {"10 PCOPY\n20 GOTO 10", "1:4: PCOPY is not a statement of this BASIC", "its line number stays"},
      {"FOR I = 1 TO 2: NEXT: TRON\nNEXT", "1:23: TRON is not a statement of this BASIC\n2:1: NEXT without FOR",
       "a block it closed stays closed"},
  };
  for (const Case& c : cases) ExpectErrors(c);
}

}  // namespace
