// The language: small programs and what they print, side by side.
#include <gtest/gtest.h>

#include "basic/text/number_text.h"
#include "runtime/numeric/numeric.h"
#include "tests/basic/recording_runtime.h"

namespace {

using Case = ProgramCase;

TEST(BasicLanguage, OperatorPrecedence) {
  const Case cases[] = {
      {"PRINT 2^3^2", " 64 \r\n", "^ is left-associative"},
      {"PRINT -2^2", "-4 \r\n", "^ binds tighter than unary minus"},
      {"PRINT 2^-1; -2^-2", " 0.5 -0.25 \r\n", "an exponent may carry a sign"},
      {"PRINT 1+2*3; (1+2)*3", " 7  9 \r\n", "* before +"},
      {"PRINT 7 \\ 2 * 2; 10 - 7 MOD 4", " 1  7 \r\n", "\\ and MOD below * /, above + -"},
      {"PRINT -7 MOD 3; 7 MOD -3; -7 \\ 2", "-1  1 -3 \r\n", "MOD takes the dividend's sign; \\ truncates"},
      {"PRINT 1 OR 2 = 2; NOT 1 = 2", "-1 -1 \r\n", "comparisons bind tighter than NOT and OR"},
      {"PRINT 3 AND 1 OR 4 XOR 1", " 4 \r\n", "AND, then OR, then XOR"},
      {"PRINT NOT 0; NOT -1; 5 AND 3; 5 OR 3; 5 XOR 3", "-1  0  1  7  6 \r\n", "bitwise on integers"},
      {"PRINT 1/0; -1/0; 0.1+0.2", " inf -inf  0.30000000000000004 \r\n", "IEEE division and rounding"},
      {"PRINT 2 ^ 0.5", " 1.414213562373095 \r\n", "the runtime's power, one ulp from the C library's"},
      {"PRINT - - 3; + 3", " 3  3 \r\n", "signs repeat"},
  };
  ExpectEachPrints(cases);
}

TEST(BasicLanguage, ComparisonsGiveMinusOneOrZero) {
  const Case cases[] = {
      {"PRINT 1 = 1; 1 = 2; 1 <> 2; 2 < 1; 2 > 1; 1 <= 1; 1 >= 2", "-1  0 -1  0 -1 -1  0 \r\n", "numbers"},
      {"PRINT \"A\" < \"B\"; \"B\" < \"A\"; \"AB\" = \"AB\"; \"A\" < \"AB\"; \"B\" >= \"AB\"",
       "-1  0 -1 -1 -1 \r\n", "strings through the runtime's comparison"},
      {"X = 0 / 0: PRINT X = X; X <> X", " 0 -1 \r\n", "NaN equals nothing"},
  };
  ExpectEachPrints(cases);
}

TEST(BasicLanguage, ConversionsRoundTiesToEvenInto32Bits) {
  const Case cases[] = {
      {"A% = 2.5: B% = 3.5: C% = -2.5: PRINT A%; B%; C%", " 2  4 -2 \r\n", "ties to even"},
      {"A% = 32768: B% = 65537: C% = -32769: PRINT A%; B%; C%", "-32768  1  32767 \r\n", "% keeps 16 bits"},
      {"PRINT 1E10 \\ 1; (0/0) \\ 1; -2147483648.6 \\ 1", "-2147483648 -2147483648 -2147483648 \r\n",
       "out of range and NaN give -2147483648"},
      {"PRINT 2147483647.4 \\ 1; 2.5 \\ 1; 3.5 \\ 1", " 2147483647  2  4 \r\n", "the edge of the range"},
      {"PRINT CHR$(65.5); CHR$(66.5)", "BB\r\n", "CHR$ rounds its code"},
      {"PRINT INT(-2.5); INT(2.5); INT(1E10)", "-3  2 -2147483648 \r\n", "INT floors, through the runtime"},
      {"DIM A(3): A(2.5) = 7: PRINT A(2)", " 7 \r\n", "subscripts round"},
      {"A% = 7: A% = A% / 2: PRINT A%", " 4 \r\n", "3.5 stored into % rounds to 4"},
      {"PRINT -2147483648 \\ -1; -2147483648 MOD -1", " 2147483648  0 \r\n", "no overflow in \\"},
  };
  ExpectEachPrints(cases);
}

TEST(BasicLanguage, NumbersAsText) {
  const Case cases[] = {
      {"PRINT 0.1; 1E20; 1E21; 1.5E-7; 123456789012", " 0.1  1E+20  1E+21  1.5E-07  123456789012 \r\n",
       "shortest round trip"},
      {"PRINT 3; -1", " 3 -1 \r\n", "space before a non-negative number, one after each"},
      {"PRINT STR$(3) + \"|\" + STR$(-1.5)", " 3|-1.5\r\n", "STR$ has the leading space only"},
      {"PRINT VAL(\"12AB\"); VAL(\"\"); VAL(\"  -1.5E2x\"); VAL(\"+7\"); VAL(\"E5\")", " 12  0 -150  7  0 \r\n",
       "VAL takes what parses"},
      {"PRINT VAL(\"1E999\"); VAL(\"1E-999\")", " inf  0 \r\n", "too large and too small"},
      {"PRINT &HFF; &H7FFFFFFF; &HFFFFFFFF; .5", " 255  2147483647  4294967295  0.5 \r\n", "literals"},
  };
  ExpectEachPrints(cases);
}

TEST(BasicLanguage, StringsAreBytes) {
  const Case cases[] = {
      {"A$ = \"\x82\xA0\x82\xA2\": PRINT LEN(A$); ASC(A$); LEFT$(A$, 2); MID$(A$, 3); RIGHT$(A$, 1)",
       " 4  130 \x82\xA0\x82\xA2\xA2\r\n", "double-byte text counts bytes"},
      {"PRINT MID$(\"HELLO\", 2, 3); MID$(\"HELLO\", 9); LEFT$(\"AB\", 5); RIGHT$(\"AB\", 0); \"|\"", "ELLAB|\r\n",
       "counts past the end clip"},
      {"PRINT \"[\" + SPACE$(3) + \"]\"; ASC(\"\"); LEN(\"\")", "[   ] 0  0 \r\n", "SPACE$, empty strings"},
      {"A$ = \"AB\": B$ = A$ + \"C\": PRINT B$; A$ = \"AB\"; B$ > A$", "ABC-1 -1 \r\n", "concatenation"},
      {"A$ = \"x\": A$ = A$ + A$: A$ = A$ + A$: PRINT A$", "xxxx\r\n", "a variable on both sides"},
      {"PRINT \"\x95\\\" ' \x95\\ comment", "\x95\\\r\n", "a double-byte character ending in a backslash"},
      {"PRINT CHR$(0) = \"\"; LEN(CHR$(0) + \"A\")", " 0  2 \r\n", "embedded zero bytes are carried"},
  };
  ExpectEachPrints(cases);
}

TEST(BasicLanguage, PrintSeparators) {
  const Case cases[] = {
      {"PRINT 1, 2", " 1             2 \r\n", "',' goes to the next column of 14"},
      {"PRINT \"A\";: PRINT \"B\"", "AB\r\n", "a trailing ';' keeps the line"},
      {"PRINT \"A\",: PRINT \"B\"", "A             B\r\n", "a trailing ',' too"},
      {"PRINT", "\r\n", "an empty PRINT ends the line"},
      {"PRINT \"ABCDEFGHIJKLMN\", 1", "ABCDEFGHIJKLMN               1 \r\n", "a full zone moves to the next"},
      {"? \"A\" \"B\"", "AB\r\n", "? is PRINT; items may follow each other"},
  };
  ExpectEachPrints(cases);
}

TEST(BasicLanguage, ForLoops) {
  const Case cases[] = {
      {"FOR T = 10 TO 1 STEP -2.5: PRINT T;: NEXT: PRINT T", " 10  7.5  5  2.5  0 \r\n",
       "negative fractional step"},
      {"FOR I = 5 TO 1: PRINT \"X\": NEXT: PRINT I", " 5 \r\n", "start past the limit skips the body"},
      {"N = 3: FOR I = 1 TO N: N = 10: PRINT I;: NEXT: PRINT", " 1  2  3 \r\n", "the limit is evaluated once"},
      {"S = 1: FOR I = 1 TO 3 STEP S: S = 5: PRINT I;: NEXT: PRINT", " 1  2  3 \r\n", "so is the step"},
      {"FOR X = 0 TO 1 STEP 0.25: PRINT X;: NEXT: PRINT", " 0  0.25  0.5  0.75  1 \r\n", "fractional step"},
      {"FOR I% = 1 TO 3: PRINT I%;: NEXT I%: PRINT I%", " 1  2  3  4 \r\n", "an integer loop variable"},
      {"FOR I = 1 TO 2: FOR J = 1 TO 2: PRINT I * 10 + J;: NEXT J, I: PRINT", " 11  12  21  22 \r\n", "NEXT J, I"},
      {"FOR I = 1 TO 10: IF I = 3 THEN EXIT FOR\nNEXT: PRINT I", " 3 \r\n", "EXIT FOR"},
      {"FOR I = 1 TO 9: IF I = 2 THEN GOTO away\nNEXT\naway: PRINT I", " 2 \r\n", "a jump out of a loop"},
      {"FOR I = 1 TO 3\nback: PRINT I;\nIF I = 2 AND F = 0 THEN F = 1: GOTO away\nNEXT: PRINT: END\n"
       "away: PRINT \"out\";: GOTO back",
       " 1  2 out 2  3 \r\n", "a jump back into a loop that has run continues it"},
      {"FOR I = 1 TO 2: FOR J = 1 TO 5: IF J = 2 THEN GOTO nx\nNEXT J\nnx: PRINT I; J;: NEXT I: PRINT",
       " 1  2  2  2 \r\n", "leaving an inner loop by a jump"},
  };
  ExpectEachPrints(cases);
}

TEST(BasicLanguage, OtherLoopsAndIfs) {
  const Case cases[] = {
      {"I = 0: WHILE I < 3: I = I + 1: PRINT I;: WEND: PRINT", " 1  2  3 \r\n", "WHILE"},
      {"I = 0: DO WHILE I < 2: I = I + 1: LOOP: PRINT I", " 2 \r\n", "DO WHILE"},
      {"I = 0: DO UNTIL I = 2: I = I + 1: LOOP: PRINT I", " 2 \r\n", "DO UNTIL"},
      {"I = 5: DO: I = I + 1: LOOP WHILE I < 3: PRINT I", " 6 \r\n", "LOOP WHILE runs the body once"},
      {"I = 0: DO: I = I + 1: LOOP UNTIL I = 4: PRINT I", " 4 \r\n", "LOOP UNTIL"},
      {"DO: I = I + 1: IF I = 7 THEN EXIT DO\nLOOP: PRINT I", " 7 \r\n", "EXIT DO"},
      {"IF 1 THEN PRINT \"A\" ELSE PRINT \"B\"", "A\r\n", "one-line IF"},
      {"IF 0 THEN PRINT \"A\" ELSE PRINT \"B\": PRINT \"C\"", "B\r\nC\r\n", "ELSE takes the rest of the line"},
      {"IF 0 THEN PRINT \"A\": PRINT \"B\"\nPRINT \"C\"", "C\r\n", "THEN takes the rest of the line"},
      {"IF 1 THEN IF 0 THEN PRINT \"A\" ELSE PRINT \"B\"", "B\r\n", "ELSE belongs to the nearest IF"},
      {"IF 1 THEN 20\nPRINT \"skipped\"\n20 PRINT \"B\"", "B\r\n", "THEN line-number"},
      {"IF 0 THEN 20 ELSE 30\n20 PRINT \"A\"\n30 PRINT \"B\"", "B\r\n", "ELSE line-number"},
      {"IF 1 GOTO 20\nPRINT \"skipped\"\n20 PRINT \"B\"", "B\r\n", "IF GOTO"},
      {"X = 2\nIF X = 1 THEN\nPRINT 1\nELSEIF X = 2 THEN\nPRINT 2\nELSE\nPRINT 3\nEND IF", " 2 \r\n", "block IF"},
      {"IF 0 THEN\nPRINT 1\nELSE\nIF 1 THEN\nPRINT 2\nEND IF\nEND IF", " 2 \r\n", "nested block IFs"},
      {"IF 0 THEN\nPRINT 1\nEND IF: PRINT 3", " 3 \r\n", "END IF followed by a statement"},
  };
  ExpectEachPrints(cases);
}

TEST(BasicLanguage, JumpsAndSubroutines) {
  const Case cases[] = {
      {"GOSUB 100: PRINT \"B\": END\n100 PRINT \"A\": RETURN", "A\r\nB\r\n", "GOSUB and RETURN"},
      {"N = 0: GOSUB down: PRINT N: END\ndown: N = N + 1: IF N < 10000 THEN GOSUB down\nRETURN", " 10000 \r\n",
       "10000 nested GOSUBs"},
      {"10 GOTO 5\n30 PRINT \"C\": END\n5 PRINT \"A\": GOTO 30", "A\r\nC\r\n",
       "line numbers are labels, in any order"},
      {"goto Done\nprint \"no\"\ndone: print \"yes\"", "yes\r\n", "case-insensitive keywords and labels"},
      {"PRINT 1: STOP: PRINT 2", " 1 \r\n", "STOP ends"},
      {"A = 5: A# = 6: PRINT A; A!; A%", " 6  6  0 \r\n", "A, A# and A! are one variable; A% another"},
      {"DIM A(2, 3): A(2, 3) = 5: B$(10) = \"x\": PRINT A(2, 3); A(0, 0); B$(10)", " 5  0 x\r\n", "arrays"},
      {"DIM C%(1): C%(1) = 70000: PRINT C%(1)", " 4464 \r\n", "% arrays keep 16 bits"},
      {"PRINT 1 ' a comment\nREM another\n10 REM numbered", " 1 \r\n", "comments"},
  };
  ExpectEachPrints(cases);
}

TEST(BasicLanguage, EveryRunDrawsTheSameSequenceFromSeedOne) {
  StartRecording();
  RandSeed = 1;
  const double first = NumRnd();
  const double second = NumRnd();
  const std::string expected = FormatPrintedNumber(first) + FormatPrintedNumber(second) + "\r\n";
  RandSeed = 77;
  EXPECT_EQ(RunProgram("PRINT RND; RND(5)").printed, expected);
  EXPECT_EQ(RunProgram("RANDOMIZE 9: A = RND: RANDOMIZE 9: PRINT A = RND").printed, "-1 \r\n");
}

}  // namespace
