// Calls whose arguments and locals are all numbers take a shorter way in
// and out than the others. Each row crosses from one way to the other, or
// leans on a step the short way must still take.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "basic/program.h"
#include "tests/basic/recording_runtime.h"

namespace {

using Case = ProgramCase;

TEST(BasicCalls, NumbersOnlyCallsKeepEveryRule) {
  const Case cases[] = {
      {"X = 5: PRINT Outer$(X); X\nFUNCTION Outer$ (N): Outer$ = STR$(Inner(N)): END FUNCTION\n"
       "FUNCTION Inner (N): N = N * 2: Inner = N + 1: END FUNCTION",
       " 11 10 \r\n", "a numbers-only call inside one with a string passes a reference through both"},
      {"PRINT Sum(4)\nFUNCTION Sum (N): M = N - 1: IF N > 0 THEN Sum = N + Sum(M) + M\nEND FUNCTION",
       " 16 \r\n", "a recursive call's argument is its caller's own local"},
      {"PRINT Half(7); Half(2.5); Half(3.5)\nFUNCTION Half (N%): Half = N% / 2: END FUNCTION",
       " 3.5  1  2 \r\n", "an integer parameter is rounded to even"},
      {"PRINT 1 + (2 * (3 + Twice(4 + Twice(1))))\nFUNCTION Twice (X): Twice = X * 2: END FUNCTION",
       " 31 \r\n", "a call deep in an expression keeps its caller's operands"},
      {"S = 3: Count S: PRINT S\nSUB Count (N): FOR I = 1 TO 2: N = N + Step1(I): NEXT: END SUB\n"
       "FUNCTION Step1 (K): Step1 = K: END FUNCTION",
       " 6 \r\n", "a numbers-only call inside a procedure with a FOR loop"},
      {"PRINT Depth(0)\nFUNCTION Depth (N): IF N < 9000 THEN Depth = Depth(N + 1) ELSE Depth = N\nEND FUNCTION",
       " 9000 \r\n", "deep recursion below the bound"},
  };
  ExpectEachPrints(cases);
}

// A procedure never called while under way has its locals cleared, not
// saved, and its arguments moved straight in and out.
TEST(BasicCalls, CallsOfProceduresNotReentrantKeepEveryRule) {
  const Case cases[] = {
      {"FOR I = 1 TO 2: PRINT F(1);: NEXT\nFUNCTION F (X): L = L + X: F = L: END FUNCTION", " 1  1 ",
       "the locals start at 0 at every call"},
      {"A 2\nSUB A (N): IF N > 0 THEN B N - 1\nPRINT N;\nEND SUB\nSUB B (M): A M: END SUB", " 0  1  2 ",
       "a procedure that calls itself through another keeps each call's locals"},
      {"X = 1: Two X, X: PRINT X\nSUB Two (A, B): A = 5: B = 7: END SUB", " 7 \r\n",
       "one variable passed twice takes the last parameter's value"},
      {"N% = 2: Add N%, 1.6: PRINT N%\nSUB Add (A%, B): A% = A% + B: END SUB", " 4 \r\n",
       "an integer parameter and an integer variable round"},
      {"PRINT 1 + (2 + (3 + (4 + F(1))))\nFUNCTION F (X): F = X + (1 + (2 + (3 + (4 + 5)))): END FUNCTION",
       " 26 \r\n", "the stacks grow for a deep body called deep in an expression"},
      {"PRINT F(2)\nFUNCTION F (X)\nGOSUB 10: F = X: EXIT FUNCTION\n10 X = X * 3: RETURN\nEND FUNCTION",
       " 6 \r\n", "a GOSUB inside the body"},
  };
  ExpectEachPrints(cases);
}

TEST(BasicCalls, EachCallTakesTheWayItsProcedureAllows) {
  std::vector<BasicDiagnostic> errors;
  const BasicProgramPtr program = BasicCompile(
      "X = F(1) + G(2) + LEN(H$(\"s\")): A 1\n"
      "FUNCTION F (N): F = N: END FUNCTION\n"
      "FUNCTION G (N): IF N > 0 THEN G = G(N - 1)\nEND FUNCTION\n"
      "FUNCTION H$ (S$): H$ = S$: END FUNCTION\n"
      "SUB A (N): IF N > 0 THEN B N - 1\nEND SUB\n"
      "SUB B (N): A N: Leaf: END SUB\n"
      "SUB Leaf: END SUB",
      "ways.bas", &errors);
  ASSERT_TRUE(program) << (errors.empty() ? "" : errors[0].message);
  std::map<std::string, CallWay> ways;
  for (const CallSite& site : program->code.call_sites) {
    ways[program->code.procedures[static_cast<std::size_t>(site.procedure)].name] = site.way;
  }
  const std::map<std::string, CallWay> expected = {
      {"F", CallWay::Direct}, {"G", CallWay::Quick}, {"H$", CallWay::Full},
      {"A", CallWay::Quick},  {"B", CallWay::Quick}, {"LEAF", CallWay::Direct}};
  EXPECT_EQ(ways, expected);
}

TEST(BasicCalls, AnErrorUnwindsCallsOfBothKinds) {
  const ProgramRun run = RunProgram(
      "PRINT Mix$(\"s\", 40)\nFUNCTION Mix$ (S$, N): Mix$ = S$ + STR$(Num(N))\nEND FUNCTION\n"
      "FUNCTION Num (N): IF N = 0 THEN Num = N MOD N ELSE Num = LEN(Mix$(\"t\", N - 1))\nEND FUNCTION");
  EXPECT_EQ(run.outcome, BasicOutcome::RuntimeError);
  EXPECT_EQ(run.message, "test.bas:4: division by zero");
}

}  // namespace
