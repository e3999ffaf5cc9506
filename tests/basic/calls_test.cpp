// Calls whose arguments and locals are all numbers take a shorter way in
// and out than the others. Each row crosses from one way to the other, or
// leans on a step the short way must still take.
#include <gtest/gtest.h>

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

TEST(BasicCalls, AnErrorUnwindsCallsOfBothKinds) {
  const ProgramRun run = RunProgram(
      "PRINT Mix$(\"s\", 40)\nFUNCTION Mix$ (S$, N): Mix$ = S$ + STR$(Num(N))\nEND FUNCTION\n"
      "FUNCTION Num (N): IF N = 0 THEN Num = N MOD N ELSE Num = LEN(Mix$(\"t\", N - 1))\nEND FUNCTION");
  EXPECT_EQ(run.outcome, BasicOutcome::RuntimeError);
  EXPECT_EQ(run.message, "test.bas:4: division by zero");
}

}  // namespace
