// Procedures and SELECT CASE: programs and what they print, compile errors
// and run-time errors, side by side.
#include <gtest/gtest.h>

#include "tests/basic/recording_runtime.h"

namespace {

using Case = ProgramCase;

TEST(BasicProcedures, ArgumentsByReferenceAndByValue) {
  const Case cases[] = {
      {"X = 1: Bump X: PRINT X\nSUB Bump (A): A = A + 1: END SUB", " 2 \r\n", "a variable is passed by reference"},
      {"X = 1: Bump (X): PRINT X\nSUB Bump (A): A = A + 1: END SUB", " 1 \r\n", "(X) is passed by value"},
      {"X = 1: CALL Bump((X)): CALL Bump(X): PRINT X\nSUB Bump (A): A = A + 1: END SUB", " 2 \r\n",
       "CALL takes its arguments in parentheses"},
      {"X = 1: Bump X + 0: PRINT X\nSUB Bump (A): A = A + 1: END SUB", " 1 \r\n", "an expression by value"},
      {"DIM A(3): A(2) = 5: Bump A(2): PRINT A(2)\nSUB Bump (V): V = V * 10: END SUB", " 50 \r\n",
       "an element by reference"},
      {"S$ = \"ab\": Twice S$: PRINT S$\nSUB Twice (T$): T$ = T$ + T$: END SUB", "abab\r\n",
       "a string by reference"},
      {"N% = 1: Half N%: PRINT N%\nSUB Half (X): X = X + 1.6: END SUB", " 3 \r\n",
       "a % variable takes the value back rounded"},
      {"Show 2.5, \"x\"\nSUB Show (N AS INTEGER, S AS STRING): PRINT N; S$; S: END SUB", " 2 xx\r\n",
       "AS INTEGER and AS STRING parameters"},
      {"X = 7: Show: PRINT X\nSUB Show: X = 1: END SUB", " 7 \r\n", "a SUB's names are its own"},
  };
  ExpectEachPrints(cases);
}

// Each row passes one argument to a SUB that changes its parameter, then
// prints the argument's variable: changed when passed by reference.
TEST(BasicProcedures, EveryKindOfArgument) {
  struct Row {
    const char* argument;
    const char* parameter;
    const char* printed;
    const char* why;
  };
  const Row rows[] = {
      {"X", "P", " 11 ", "a variable"},
      {"(X)", "P", " 1 ", "a variable in parentheses"},
      {"X + 0", "P", " 1 ", "an expression"},
      {"X%", "P", " 11 ", "an integer variable to a double parameter"},
      {"A(1)", "P", " 11 ", "an element"},
      {"(A(1))", "P", " 1 ", "an element in parentheses"},
      {"A%(1)", "P%", " 11 ", "an integer element"},
      {"X$", "P$", "1!", "a string variable"},
      {"A$(1)", "P$", "1!", "a string element"},
      {"X$ + \"\"", "P$", "1", "a string expression"},
      {"A(X)", "P", " 11 ", "an element whose subscript the SUB's own X does not move"},
  };
  for (const Row& row : rows) {
    const std::string argument = row.argument;
    const std::string variable = argument.front() == '(' ? argument.substr(1, argument.size() - 2)
                                 : argument.find(' ') != std::string::npos ? argument.substr(0, argument.find(' '))
                                                                          : argument;
    const bool text = std::string(row.parameter).back() == '$';
    const std::string change = text ? std::string(row.parameter) + " = " + row.parameter + " + \"!\""
                                    : std::string(row.parameter) + " = " + row.parameter + " + 10: X = 0";
    const std::string source = "X = 1: X% = 1: X$ = \"1\": A(1) = 1: A%(1) = 1: A$(1) = \"1\"\n"
                               "Change " + argument + ": PRINT " + variable + ";\n"
                               "SUB Change (" + row.parameter + "): " + change + ": END SUB";
    const ProgramRun run = RunProgram(source);
    EXPECT_EQ(run.errors + run.message, "") << row.why << "\n" << source;
    EXPECT_EQ(run.printed, row.printed) << row.why << "\n" << source;
  }
}

TEST(BasicProcedures, ArraysPassedWhole) {
  const Case cases[] = {
      {"DIM A(3): Fill A(): PRINT A(0); A(3)\nSUB Fill (B()): FOR I = 0 TO 3: B(I) = I * I: NEXT: END SUB",
       " 0  9 \r\n", "the procedure changes the caller's array"},
      {"DIM M$(1, 1): M$(1, 1) = \"z\": PRINT Corner$(M$())\nFUNCTION Corner$ (T$()): Corner$ = T$(1, 1): END FUNCTION",
       "z\r\n", "a two-subscript string array"},
      {"SUB Local: DIM L(2): L(1) = L(1) + 1: PRINT L(1);: END SUB\nCALL Local: Local", " 1  1 ",
       "a local array is fresh at each call"},
  };
  ExpectEachPrints(cases);
}

TEST(BasicProcedures, FunctionsAndRecursion) {
  const Case cases[] = {
      {"PRINT Fact(10)\nFUNCTION Fact (N)\nIF N <= 1 THEN Fact = 1 ELSE Fact = N * Fact(N - 1)\nEND FUNCTION",
       " 3628800 \r\n", "recursion, used before its definition"},
      {"PRINT Ack(2, 3)\nFUNCTION Ack (M, N)\nIF M = 0 THEN Ack = N + 1: EXIT FUNCTION\n"
       "IF N = 0 THEN Ack = Ack(M - 1, 1) ELSE Ack = Ack(M - 1, Ack(M, N - 1))\nEND FUNCTION",
       " 9 \r\n", "nested recursive calls inside an argument"},
      {"PRINT Rev$(\"abc\")\nFUNCTION Rev$ (S$)\nIF LEN(S$) <= 1 THEN Rev$ = S$ ELSE Rev$ = Rev$(MID$(S$, 2)) + LEFT$(S$, 1)\n"
       "END FUNCTION",
       "cba\r\n", "a string function calling itself"},
      {"PRINT 1 + Two * 3\nFUNCTION Two: Two = 2: END FUNCTION", " 7 \r\n",
       "a function without arguments inside an expression"},
      {"Count 3\nSUB Count (N): IF N = 0 THEN EXIT SUB\nPRINT N;: Count N - 1: PRINT N;\nEND SUB",
       " 3  2  1  1  2  3 ", "each call keeps its own parameter"},
      {"T = 0: FOR I = 1 TO 3: T = F(T): NEXT: PRINT T\nFUNCTION F (X): F = X + 1: END FUNCTION", " 3 \r\n",
       "T = F(T) in a loop"},
      {"Outer\nSUB Outer: FOR I = 1 TO 2: Inner I: NEXT: END SUB\nSUB Inner (K): FOR I = 1 TO K: PRINT K;: NEXT: END SUB",
       " 1  2  2 ", "a FOR in a callee leaves the caller's FOR alone"},
      {"Walk 2\nSUB Walk (D): FOR J = 1 TO 2: IF D > 0 THEN Walk D - 1 ELSE PRINT \"*\";\nNEXT: END SUB",
       "********", "a recursive call inside a FOR keeps each call's limit"},
  };
  ExpectEachPrints(cases);
}

TEST(BasicProcedures, StaticSharedAndDefFn) {
  const Case cases[] = {
      {"CALL Tick: Tick: Tick\nSUB Tick STATIC: N = N + 1: PRINT N;: END SUB", " 1  2  3 ", "SUB ... STATIC keeps its locals"},
      {"CALL Tick: Tick\nSUB Tick: STATIC N: N = N + 1: M = M + 1: PRINT N; M;: END SUB", " 1  1  2  1 ",
       "the STATIC statement keeps only its names"},
      {"X = 4: Show\nSUB Show: SHARED X: PRINT X: X = 9: END SUB\nPRINT X", " 4 \r\n 9 \r\n",
       "SHARED names the program's variable"},
      {"DIM SHARED A(2), B: B = 3: Set: PRINT A(1); B\nSUB Set: A(1) = 7: B = B + 1: END SUB", " 7  4 \r\n",
       "DIM SHARED reaches every procedure"},
      {"DEF FNA(X) = X * 2 + Y\nX = 10: Y = 1: PRINT FNA(3); X", " 7  10 \r\n",
       "a DEF FN parameter leaves the variable of its name alone; others are the program's"},
      {"PRINT FNS$(\"ab\")\nDEF FNS$(A$) = A$ + \"!\"", "ab!\r\n", "DEF FN anywhere in the text, with a suffix"},
      {"A = 5: PRINT FNL(\"abc\")\nDEF FNL(A$) = LEN(A$) + A", " 8 \r\n", "A$ the parameter, A the program's"},
      {"10 DEF FNR(X) = INT(X * 10 + 0.5) / 10\n20 PRINT FNR(3.14159)\n30 IF K = 0 THEN K = 1: GOTO 10", " 3.1 \r\n 3.1 \r\n",
       "a numbered DEF FN line runs nothing when a jump reaches it"},
      {"DEF FNM(A, B)\nIF A > B THEN FNM = A: EXIT DEF\nFNM = B\nEND DEF\nPRINT FNM(3, 8); FNM(9, 2)", " 8  9 \r\n",
       "a multi-line DEF FN with EXIT DEF"},
      {"PRINT \"a\"\nSUB Never: PRINT \"never\": END SUB\nPRINT \"b\"", "a\r\nb\r\n", "a SUB's text is skipped"},
      {"Jumps\nSUB Jumps: GOSUB 10: EXIT SUB\n10 PRINT \"in\": RETURN\nEND SUB", "in\r\n",
       "GOSUB within a procedure"},
  };
  ExpectEachPrints(cases);
}

TEST(BasicProcedures, ClassicPrograms) {
  const Case cases[] = {
      {"Hanoi 3, \"A\", \"C\", \"B\"\n"
       "SUB Hanoi (N, Src$, Dst$, Tmp$)\n"
       "  IF N = 0 THEN EXIT SUB\n"
       "  Hanoi N - 1, Src$, Tmp$, Dst$: PRINT Src$; Dst$; \" \";: Hanoi N - 1, Tmp$, Dst$, Src$\n"
       "END SUB",
       "AC AB CB AC BA BC AC ", "the towers of Hanoi: string parameters through recursion"},
      {"FOR I = 0 TO 3: PRINT IsEven(I);: NEXT\n"
       "FUNCTION IsEven (N): IF N = 0 THEN IsEven = -1 ELSE IsEven = IsOdd(N - 1)\nEND FUNCTION\n"
       "FUNCTION IsOdd (N): IF N = 0 THEN IsOdd = 0 ELSE IsOdd = IsEven(N - 1)\nEND FUNCTION",
       "-1  0 -1  0 ", "two functions calling each other"},
      {"DIM A(4): FOR I = 0 TO 4: A(I) = 5 - I: NEXT: Sort A(), 4: FOR I = 0 TO 4: PRINT A(I);: NEXT\n"
       "SUB Sort (V(), Last)\n  FOR I = 0 TO Last - 1: FOR J = I + 1 TO Last\n"
       "    IF V(J) < V(I) THEN Swap2 V(I), V(J)\n  NEXT: NEXT\nEND SUB\n"
       "SUB Swap2 (X, Y): T = X: X = Y: Y = T: END SUB",
       " 1  2  3  4  5 ", "elements of an array passed whole, passed on by reference"},
      {"PRINT Half%(5); Half%(7)\nFUNCTION Half% (N): Half% = N / 2: END FUNCTION", " 2  4 \r\n",
       "a % function rounds its value as a % variable does"},
      {"DEF FNUP$(S$) = S$ + \"!\"\nDEF FNTWICE$(S$) = FNUP$(S$) + FNUP$(S$)\nPRINT FNTWICE$(\"hi\")", "hi!hi!\r\n",
       "a DEF FN calling another"},
      {"GOSUB 10: PRINT \"back\": END\n10 CALL Inner: RETURN\nSUB Inner: GOSUB 20: EXIT SUB\n20 PRINT \"in\";: RETURN\nEND SUB",
       "inback\r\n", "a GOSUB inside a procedure called from a GOSUB"},
      {"FOR I = 1 TO Limit: PRINT I;: NEXT\nFUNCTION Limit: Limit = 3: END FUNCTION", " 1  2  3 ",
       "a function as a FOR limit"},
      {"A(1) = 4: Show\nSUB Show: DIM A(1): PRINT A(1);: SHARED B(): B(0) = 1: END SUB\nPRINT A(1); B(0)",
       " 0  4  1 \r\n", "a local array hides the program's; SHARED B() reaches its"},
      {"CALL Twice: CALL Twice\nSUB Twice: S$ = S$ + \"x\": PRINT S$;: END SUB", "xx",
       "a local string is empty at each call"},
      {"CALL Run3\nSUB Run3: FOR I = 1 TO 3: DO: IF I = 2 THEN EXIT SUB\nPRINT I;: EXIT DO: LOOP: NEXT: END SUB",
       " 1 ", "EXIT SUB from inside loops"},
  };
  ExpectEachPrints(cases);
}

TEST(BasicProcedures, SelectCase) {
  const Case cases[] = {
      {"FOR X = 0 TO 7: SELECT CASE X\nCASE 1, 2: PRINT \"a\";\nCASE 3 TO 5: PRINT \"b\";\nCASE IS > 6: PRINT \"c\";\n"
       "CASE ELSE: PRINT \"-\";\nEND SELECT: NEXT",
       "-aabbb-c", "lists, ranges, IS and ELSE"},
      {"S$ = \"M\": SELECT CASE S$\nCASE \"A\" TO \"L\": PRINT 1\nCASE IS >= \"M\", \"0\": PRINT 2\nEND SELECT", " 2 \r\n",
       "strings"},
      {"SELECT CASE RND(1) * 0 + N\nCASE 0: N = 5: PRINT \"zero\"\nCASE 5: PRINT \"five\"\nEND SELECT", "zero\r\n",
       "the selector is evaluated once, before any CASE runs"},
      {"SELECT CASE 4\nCASE 1\nPRINT 1\nEND SELECT\nPRINT \"after\"", "after\r\n", "no CASE matches"},
      {"SELECT CASE 2\n' comment\nCASE 2: SELECT CASE \"x\": CASE \"x\": PRINT \"in\": END SELECT\nEND SELECT", "in\r\n",
       "nested, and a comment before the first CASE"},
      {"PRINT R(1)\nFUNCTION R (N)\nSELECT CASE N\nCASE IS < 1: R = 0\nCASE R(N - 1) + N: R = -1\nCASE ELSE: R = N\n"
       "END SELECT\nEND FUNCTION",
       "-1 \r\n", "a recursive call inside a CASE item leaves the caller's selector alone"},
      {"FOR X = -2 TO 2: SELECT CASE X: CASE -2 TO -1, 2: PRINT \"e\";: CASE IS <> 0: PRINT \"n\";: CASE ELSE: "
       "PRINT \"z\";: END SELECT: NEXT",
       "eezne", "negative ranges; the first matching CASE wins"},
      {"FOR I = 1 TO 3: SELECT CASE I: CASE 2: EXIT FOR: CASE ELSE: PRINT I;: END SELECT: NEXT: PRINT \"!\"",
       " 1 !\r\n", "EXIT FOR from inside a CASE"},
  };
  ExpectEachPrints(cases);
}

struct ErrorCase {
  const char* source;
  const char* errors;
  const char* why;
};

TEST(BasicProcedures, CompileErrors) {
  const ErrorCase cases[] = {
      {"SUB A\nPRINT", "1:1: SUB without END SUB", "a SUB never closed"},
      {"END SUB", "1:1: END SUB without SUB", "a lone END SUB"},
      {"SUB A\nFOR I = 1 TO 2\nEND SUB\nNEXT", "1:1: SUB without END SUB\n3:1: END SUB without SUB: the FOR of line 2 is still open",
       "a block left open inside"},
      {"SUB A: GOTO 10: END SUB\n10 PRINT", "1:13: line 10 is outside SUB A", "GOTO out of a SUB"},
      {"GOSUB 20\nSUB A\n20 RETURN\nEND SUB", "1:7: line 20 is inside SUB A", "GOSUB into a SUB"},
      {"F 1, 2\nSUB F (X): END SUB", "1:1: F takes 1 argument", "too many arguments"},
      {"PRINT G(1)\nFUNCTION G (X, Y): END FUNCTION", "1:7: G takes 2 arguments", "too few arguments"},
      {"F \"x\"\nSUB F (X): END SUB", "1:3: argument 1 of F must be a number", "a string for a number"},
      {"DIM A(2): F A\nSUB F (X()): END SUB", "1:14: expected '(' ')' after the array's name, found end of line",
       "an array parameter wants A()"},
      {"DIM A(2, 2): F A()\nSUB F (X()): X(1) = 0: END SUB", "1:16: array A has 2 subscripts; F uses it with 1",
       "subscript counts of an array passed whole"},
      {"SUB A\nSUB B\nEND SUB\nEND SUB", "2:1: SUB must stand outside blocks, IFs and other procedures\n4:1: END SUB without SUB",
       "procedures do not nest"},
      {"SUB A: END SUB\nSUB A: END SUB", "2:1: A is defined twice", "a name defined twice"},
      {"F = 1\nFUNCTION F: END FUNCTION", "1:1: F is a function; only its own body gives it a value",
       "a function's value outside it"},
      {"PRINT FNX(1)", "1:7: FNX is not defined: no DEF FNX in the program", "an FN without DEF"},
      {"SHARED X", "1:1: SHARED belongs inside a SUB or FUNCTION", "SHARED at the program's level"},
      {"SUB A: X = 1: SHARED X\nEND SUB", "1:22: X is already in use in this procedure before SHARED",
       "SHARED after a use"},
      {"EXIT SUB", "1:1: EXIT SUB outside a SUB", "EXIT SUB outside"},
      {"SELECT CASE 1\nPRINT\nCASE 1\nEND SELECT", "2:1: expected CASE after SELECT CASE, found 'PRINT'",
       "statements before the first CASE"},
      {"CASE 1", "1:1: CASE without SELECT CASE", "a lone CASE"},
      {"SELECT CASE 1\nCASE ELSE\nCASE 2\nEND SELECT", "3:1: CASE after CASE ELSE", "CASE ELSE is the last"},
      {"SELECT CASE A$\nCASE 1\nEND SELECT", "2:6: expected a string, found a number", "CASE of the selector's kind"},
      {"SELECT CASE 1\nCASE 1", "1:1: SELECT CASE without END SELECT", "an open SELECT"},
      {"SUB S: END SUB\nPRINT FNS(1)\nCALL F\nFUNCTION F: END FUNCTION",
       "2:7: FNS is not defined: no DEF FNS in the program\n3:6: no SUB F", "CALL of a FUNCTION"},
      {"10 DEF FNA(X$) = X$ + 1\n20 DEF FNB(Y) = Y + \"s\"", "1:21: cannot combine a string with a number\n"
       "2:19: cannot combine a number with a string", "an error in a one-line DEF FN is reported alone"},
      {"DEF FNA(X()) = 1", "1:10: a DEF FN parameter is a plain variable", "no arrays in a DEF FN"},
      {"SUB S$: END SUB", "1:5: a SUB's name has no type suffix", "a SUB gives no value"},
      {"SUB S: DIM SHARED A: END SUB", "1:19: DIM SHARED belongs outside procedures; inside "
       "one, write SHARED", "DIM SHARED inside a procedure"},
      {"DIM A%(2): F A%()\nSUB F (X()): X(1) = 0: END SUB", "1:14: argument 1 of F must be an array of the parameter's type",
       "an INTEGER array for a double parameter"},
      {"X = FNA(1, 2)\nDEF FNA(X) = X", "1:5: FNA takes 1 argument", "a DEF FN's arguments are counted"},
      {"SUB S: EXIT FUNCTION: END SUB", "1:8: EXIT FUNCTION outside a FUNCTION",
       "EXIT of another kind of procedure"},
  };
  for (const ErrorCase& c : cases) {
    const ProgramRun run = RunProgram(c.source);
    EXPECT_FALSE(run.compiled) << c.why;
    EXPECT_EQ(run.errors, c.errors) << c.why << "\n" << c.source;
  }
}

TEST(BasicProcedures, RunTimeErrorsReleaseEverything) {
  const ErrorCase cases[] = {
      {"Down 1\nSUB Down (N): Down N + 1: END SUB", "test.bas:2: procedures nested too deeply (more than 10000 calls)",
       "endless recursion is an error, not a crash"},
      {"S$ = \"x\": PRINT F$(S$, 50)\nFUNCTION F$ (T$, N): DIM A$(2): A$(1) = T$\n"
       "IF N = 0 THEN A$(3) = T$ ELSE F$ = A$(1) + F$(T$ + \"y\", N - 1)\nEND FUNCTION",
       "test.bas:3: subscript out of range", "the strings and arrays of 50 calls are released"},
      {"DIM A(2): Bump A(5)\nSUB Bump (X): END SUB", "test.bas:1: subscript out of range", "an element out of range"},
      {"Jump\nSUB Jump: RETURN: END SUB", "test.bas:2: RETURN without GOSUB",
       "a RETURN in a procedure does not pop its caller's GOSUB"},
  };
  for (const ErrorCase& c : cases) {
    const ProgramRun run = RunProgram(c.source);
    EXPECT_EQ(run.errors, "") << c.why;
    EXPECT_EQ(run.outcome, BasicOutcome::RuntimeError) << c.why;
    EXPECT_EQ(run.message, c.errors) << c.why;
  }
}

}  // namespace
