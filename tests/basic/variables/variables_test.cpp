// Data and types: DATA/READ/RESTORE, integer and long types, DEFtype and
// DIM ... AS, array bounds and OPTION BASE, REDIM, ERASE, SWAP, CONST and
// CLEAR, each as small programs with what they print or the error they stop
// with. RunProgram also checks that every string made was released.
#include <gtest/gtest.h>

#include "tests/basic/recording_runtime.h"

namespace {

using Case = ProgramCase;

// A program that stops: the message of the error (or of the first error
// before the run), and what it printed before.
struct Stop {
  const char* source;
  const char* message;
  const char* why;
};

void ExpectStops(const Stop& c) {
  const ProgramRun run = RunProgram(c.source);
  const std::string message = run.compiled ? run.message : run.errors;
  EXPECT_EQ(message, c.message) << c.why << "\n" << c.source;
}

TEST(BasicVariables, DataAndRead) {
  const Case cases[] = {
      {"READ A, B$, C\nPRINT A; B$; C\nDATA 1, \"x, y\", -2.5E1", " 1 x, y-25 \r\n", "number, quoted, exponent"},
      {"READ A$, B$: PRINT \"[\" A$ \"][\" B$ \"]\"\nDATA   two words  , \" kept \"", "[two words][ kept ]\r\n",
       "unquoted items lose their outer spaces, quoted ones keep them"},
      {"DATA 1, 2: READ A, B: PRINT A + B", " 3 \r\n", "':' ends the DATA"},
      {"READ A, B, C$: PRINT A; B; \"<\" C$ \">\"\nDATA , 7,", " 0  7 <>\r\n", "empty items are 0 and \"\""},
      {"READ A$: PRINT A$\nDATA don't: PRINT \"ran\"", "don't\r\nran\r\n", "' is a byte of an item"},
      {"FOR I = 1 TO 3: READ A(I): NEXT: PRINT A(1) + A(2) + A(3)\nDATA 1\nDATA 2, 3", " 6 \r\n",
       "all DATA statements form one list"},
      {"IF 0 THEN DATA 5\nREAD A: PRINT A", " 5 \r\n", "DATA in a one-line IF still counts"},
      {"READ A: RESTORE: READ B: PRINT A; B\nDATA 4, 5", " 4  4 \r\n", "RESTORE goes back to the first item"},
      {"10 DATA 1\n20 DATA 2\n30 READ A: RESTORE 20: READ B: PRINT A; B", " 1  2 \r\n", "RESTORE to a line"},
      {"RESTORE later: READ A: PRINT A\nDATA 1\nlater: PRINT\nDATA 9", " 9 \r\n\r\n",
       "RESTORE to a label without DATA: the next DATA after it"},
      {"READ A%, B&: PRINT A%; B&\nDATA 2.5, 3000000000.4", " 2 -2147483648 \r\n", "READ stores as the type keeps"},
      {"READ A$: PRINT LEN(A$)\nDATA \"\x82\xA0\"", " 2 \r\n", "a double-byte character in a quoted item"},
  };
  for (const Case& c : cases) ExpectPrints(c);
}

TEST(BasicVariables, DataErrors) {
  const Stop cases[] = {
      {"READ A, B\nDATA 1", "test.bas:1: out of DATA", "reading past the last item"},
      {"READ A\n140 DATA ABC", "test.bas:1: READ found \"ABC\" where a number belongs (DATA in line 140)",
       "an item that is not a number names its DATA's line number"},
      {"READ A\nPRINT\nDATA \"7\"", "test.bas:1: READ found \"7\" where a number belongs (DATA in line 3)",
       "a quoted item is a string; without a line number, the file's line"},
      {"READ A\nDATA 1 2", "test.bas:1: READ found \"1 2\" where a number belongs (DATA in line 2)",
       "the whole item must be one number"},
      {"DATA \"A\" B", "1:7: expected ',' after the quoted DATA item", "bytes after a quoted item"},
      {"RESTORE 50", "1:9: no line 50", "RESTORE to nowhere"},
  };
  for (const Stop& c : cases) ExpectStops(c);
}

TEST(BasicVariables, IntegerTypes) {
  const Case cases[] = {
      {"A& = 70000: B& = 2.5: C& = -3.5: PRINT A&; B&; C&", " 70000  2 -4 \r\n", "& rounds to even"},
      {"A& = 2147483647: B& = 2147483648: PRINT A&; B&", " 2147483647 -2147483648 \r\n",
       "& keeps 32 bits; past them -2147483648"},
      {"A% = 40000: A& = 40000: A = 1.5: PRINT A%; A&; A", "-25536  40000  1.5 \r\n", "three variables"},
      {"DEFINT I-K: I = 2.5: J% = 7: PRINT I; I%; J", " 2  2  7 \r\n", "DEFINT names are the % variables"},
      {"DEFSTR S, T-V: S = \"a\": U = \"b\": PRINT S + U; S$", "aba\r\n", "DEFSTR with a list and a range"},
      {"X = 1.5: DEFINT X: X = 1.5: PRINT X; X#", " 2  1.5 \r\n", "DEFtype acts on the text after it"},
      {"DEFLNG A-Z: A = 70000.5: PRINT A", " 70000 \r\n", "DEFLNG"},
      {"DEFINT A-Z: DEFDBL D: D = 0.5: E = 0.5: PRINT D; E", " 0.5  0 \r\n", "a later DEFtype overrides"},
      {"DIM N AS INTEGER: N = 3.7: PRINT N; N%", " 4  4 \r\n", "DIM AS gives a plain name its type"},
      {"DIM S AS STRING, L AS LONG: S = \"x\": L = 7E4 + 0.5: PRINT S; L", "x 70000 \r\n", "several in one DIM"},
      {"DIM A(3) AS STRING: A(2) = \"z\": PRINT A(2); A$(2)", "zz\r\n", "an array of strings"},
      {"DIM D AS DOUBLE, S AS SINGLE: D = 0.1: S = 0.1: PRINT D = S", "-1 \r\n", "SINGLE is a double here"},
      {"FOR I& = 1 TO 3: NEXT I&: PRINT I&", " 4 \r\n", "a LONG loop variable"},
      {"DEFINT I: FOR I = 1 TO 2.6 STEP 0.6: PRINT I;: NEXT I", " 1  2 ",
       "an integer loop rounds each step: 1, 1.6 as 2, 2.6 as 3"},
  };
  for (const Case& c : cases) ExpectPrints(c);
}

TEST(BasicVariables, ArrayBoundsAndBase) {
  const Case cases[] = {
      {"DIM A(-2 TO 2): A(-2) = 5: A(2) = 7: PRINT A(-2); A(2)", " 5  7 \r\n", "negative lower bound"},
      {"DIM B(1 TO 2, 5 TO 6): B(2, 6) = 1: B(1, 5) = 2: PRINT B(2, 6); B(1, 5)", " 1  2 \r\n",
       "two dimensions, each with its bounds"},
      {"OPTION BASE 1: DIM A(3): A(1) = 1: A(3) = 3: PRINT A(1) + A(3)", " 4 \r\n", "OPTION BASE 1"},
      {"10 DIM A(2): A(1) = 5\n20 IF N < 2 THEN N = N + 1: GOTO 10\n30 PRINT A(1)", " 5 \r\n",
       "a DIM reached again with the same bounds leaves the array"},
      {"GOTO 20\n10 DIM E(14)\n20 E(14) = 7: PRINT E(14); UBOUND(E)", " 7  14 \r\n",
       "a DIM with numbers for bounds declares its array, even where a jump passes it by"},
      {"X = A(1): DIM A(3): PRINT UBOUND(A)", " 3 \r\n", "a declared array has its bounds before its DIM runs"},
      {"IF 0 THEN DIM A(2)\nDIM A(4): PRINT UBOUND(A)", " 4 \r\n", "an array with two DIMs is made by the one that runs"},
      {"SUB S: DIM L(2): L(2) = L(2) + 1: PRINT L(2): END SUB\nCALL S: CALL S", " 1 \r\n 1 \r\n",
       "a procedure's DIM makes its local array at each call"},
      {"DIM A(3): A(1) = 2: REDIM A(5): PRINT A(1); A(5)", " 0  0 \r\n", "REDIM makes the array anew"},
      {"A$(1) = \"x\": REDIM A$(1 TO 2): PRINT \"[\" A$(1) \"]\"", "[]\r\n",
       "REDIM releases the old strings (RunProgram counts them)"},
      {"A$(1) = \"x\": ERASE A$: DIM A$(20): A$(20) = \"y\": PRINT \"[\" A$(1) \"]\" A$(20)", "[]y\r\n",
       "ERASE unmakes; DIM makes again"},
      {"A(1) = 5: ERASE A: PRINT A(1)", " 0 \r\n", "after ERASE a use makes the array automatic again"},
      {"ERASE Q: Q(1) = 2: PRINT Q(1)", " 2 \r\n", "ERASE before the array's first use"},
      {"DIM A(-3 TO 4, 7): PRINT LBOUND(A); UBOUND(A); LBOUND(A, 2); UBOUND(A, 2)", "-3  4  0  7 \r\n",
       "LBOUND and UBOUND, dimension 1 by default"},
      {"OPTION BASE 1: Z$(5) = \"a\": PRINT LBOUND(Z$); UBOUND(Z$)", " 1  10 \r\n", "the bounds of an automatic array"},
  };
  for (const Case& c : cases) ExpectPrints(c);
}

TEST(BasicVariables, ArrayErrors) {
  const Stop cases[] = {
      {"OPTION BASE 1: PRINT A(0)", "test.bas:1: subscript out of range", "base 1 has no element 0"},
      {"OPTION BASE 1: DIM A(0)", "test.bas:1: an array's upper bound is below its lower bound", "1 TO 0"},
      {"DIM A(1 TO 3): PRINT A(0)", "test.bas:1: subscript out of range", "below the lower bound"},
      {"10 DIM A(N)\n20 N = N + 1: IF N < 2 THEN 10", "test.bas:1 (line 10): array already dimensioned",
       "a DIM reached again with other bounds"},
      {"DIM A(2): REDIM A(2, 2)", "1:17: array A has 1 subscripts elsewhere", "REDIM keeps the dimensions"},
      {"PRINT A(1): OPTION BASE 1", "1:13: OPTION BASE must come before the first array", "OPTION BASE late"},
      {"OPTION BASE 2", "1:13: expected 0 or 1, found a number", "only 0 or 1"},
      {"DIM N AS INTEGER: N! = 1", "1:19: N is declared AS INTEGER, not N!", "another suffix"},
      {"DIM N AS INTEGER, N AS STRING", "1:19: N is declared AS INTEGER already", "two types"},
      {"DIM N% AS INTEGER", "1:5: N% has a suffix: a name declared AS a type has none", "suffix and AS"},
      {"DIM N AS BYTE", "1:10: expected INTEGER, LONG, SINGLE, DOUBLE or STRING, found 'BYTE'", "a type"},
      {"DIM A(2): PRINT UBOUND(A, 2)", "test.bas:1: subscript out of range", "no such dimension"},
      {"DIM A(2): PRINT UBOUND(A, 0 / 0)", "test.bas:1: subscript out of range", "a NaN dimension"},
      {"DEFINT Z-A", "1:10: letters out of order: Z-A", "a reversed range"},
      {"DEFINT AB", "1:8: expected a letter, found 'AB'", "a letter, not a name"},
  };
  for (const Stop& c : cases) ExpectStops(c);
}

TEST(BasicVariables, SwapConstClear) {
  const Case cases[] = {
      {"A = 1: B = 2: SWAP A, B: PRINT A; B", " 2  1 \r\n", "two numbers"},
      {"A$ = \"left\": B$ = \"right\": SWAP A$, B$: PRINT A$; B$", "rightleft\r\n", "two strings"},
      {"A$(1) = \"p\": B$ = \"q\": SWAP A$(1), B$: SWAP A$(1), A$(2): PRINT A$(1); A$(2); B$", "qp\r\n",
       "elements and scalars, strings counted by RunProgram"},
      {"DIM M(2, 2): M(1, 2) = 5: I = 1: SWAP M(I, I + 1), M(2, 1): PRINT M(1, 2); M(2, 1)", " 0  5 \r\n",
       "elements of two subscripts"},
      {"CONST PI = 3.5, TWO = PI * 2: PRINT PI; TWO", " 3.5  7 \r\n", "a constant from an earlier one"},
      {"CONST N$ = \"ab\" + CHR$(67), L = LEN(N$): PRINT N$; L", "abC 3 \r\n", "string constants"},
      {"CONST K% = 2.5, T = -1: PRINT K%; NOT T", " 2  0 \r\n", "a constant keeps its suffix's type"},
      {"A = 5: A$ = \"s\": DIM B(2): B(1) = 3: CLEAR: PRINT A; \"[\" A$ \"]\"; B(1)", " 0 [] 0 \r\n",
       "CLEAR resets every variable and unmakes arrays"},
      {"DIM B(2): CLEAR , 1000: DIM B(5): B(5) = 1: PRINT B(5)", " 1 \r\n", "CLEAR's arguments are ignored"},
  };
  for (const Case& c : cases) ExpectPrints(c);
}

TEST(BasicVariables, SwapConstErrors) {
  const Stop cases[] = {
      {"SWAP A, B$", "1:9: SWAP needs two variables of the same type", "number and string"},
      {"SWAP A%, B", "1:10: SWAP needs two variables of the same type", "integer and double"},
      {"SWAP A(11), B", "test.bas:1: subscript out of range", "an element out of range"},
      {"CONST N = 1: N = 2", "1:14: N is a constant", "a constant is not assigned"},
      {"CONST N = 1: INPUT N", "1:20: N is a constant", "nor read into"},
      {"CONST N = 1: FOR N = 1 TO 2: NEXT", "1:18: N is a constant", "nor a loop variable"},
      {"CONST N = X + 1", "1:11: a constant's value may use only numbers, strings, operators and constants",
       "a variable in a constant"},
      {"CONST N = RND", "1:11: a constant's value may use only numbers, strings, operators and constants",
       "RND gives another value each time"},
      {"CONST N = 1 \\ 0", "1:11: division by zero", "the value's own error, before the run"},
      {"CONST N$ = 1", "1:12: expected a string, found a number", "suffix and value disagree"},
  };
  for (const Stop& c : cases) ExpectStops(c);
}

}  // namespace
