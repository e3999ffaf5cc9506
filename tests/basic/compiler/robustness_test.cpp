// Hostile programs: deep nesting, long lines, binary files, huge literals.
// None may crash, hang or leak a string; RunProgram checks the registry.
#include <gtest/gtest.h>

#include <random>

#include "tests/basic/recording_runtime.h"

namespace {

std::string Repeat(const std::string& text, int times) {
  std::string all;
  for (int i = 0; i < times; ++i) all += text;
  return all;
}

TEST(BasicRobustness, DeepNestingIsAnErrorOrRunsWithoutRecursion) {
  struct Case {
    std::string source;
    const char* errors;
    const char* printed;
    const char* why;
  };
  const Case cases[] = {
      {"PRINT " + Repeat("(", 10000) + "1" + Repeat(")", 10000), "1:207: nested too deeply", "", "parentheses"},
      {"PRINT " + Repeat("-", 10000) + "1", "1:206: nested too deeply", "", "signs"},
      {"PRINT " + Repeat("NOT ", 10000) + "1", "1:803: nested too deeply", "", "NOT"},
      {"PRINT " + Repeat("ABS(", 10000) + "1" + Repeat(")", 10000), "1:407: nested too deeply", "", "functions"},
      {Repeat("IF 1 THEN ", 10000) + "PRINT 1", "1:2004: nested too deeply", "", "one-line IFs"},
      {Repeat("IF 1 THEN\n", 10000) + "PRINT 1\n" + Repeat("END IF\n", 10000), "", " 1 \r\n", "block IFs"},
      {Repeat("WHILE 0\n", 10000) + Repeat("WEND\n", 10000) + "PRINT 2", "", " 2 \r\n", "WHILE blocks"},
      {"PRINT " + Repeat("1&+", 500000) + "1", "", " 500001 \r\n", "a 1.5 MB line of one expression"},
      {"A$ = \"" + std::string(1 << 20, 'x') + "\": PRINT LEN(A$)", "", " 1048576 \r\n", "a 1 MB string literal"},
      {std::string(1 << 20, '@'), "1:1: unexpected character '@'", "", "a 1 MB line of garbage"},
      {"A = 1" + std::string(100000, '0'), "1:5: number too large", "", "a huge literal"},
      {"PRINT 0." + std::string(100000, '0') + "1", "", " 0 \r\n", "a tiny literal"},
      {std::string("PRINT 1\0 2", 10), "1:8: unexpected byte in program text", "", "a NUL byte"},
  };
  for (const Case& c : cases) {
    const ProgramRun run = RunProgram(c.source);
    EXPECT_EQ(run.errors, c.errors) << c.why;
    EXPECT_EQ(run.printed, c.printed) << c.why;
  }
}

TEST(BasicRobustness, TenThousandNestedForLoopsRun) {
  std::string source;
  for (int i = 0; i < 10000; ++i) source += "FOR V" + std::to_string(i) + " = 1 TO 1\n";
  source += "N = N + 1\n";
  for (int i = 9999; i >= 0; --i) source += "NEXT V" + std::to_string(i) + "\n";
  source += "PRINT N";
  const ProgramRun run = RunProgram(source);
  EXPECT_EQ(run.errors, "");
  EXPECT_EQ(run.printed, " 1 \r\n");
}

TEST(BasicRobustness, ErrorsInTheMiddleOfStringWorkReleaseEveryString) {
  // Each stops with strings on the stack or in a half-built PRINT.
  for (const char* source : {
           "A$ = \"x\" + CHR$(300)",
           "PRINT \"a\" + LEFT$(\"b\", -1)",
           "A$ = \"k\": B$(1) = A$: PRINT A$ + B$(1) + MID$(A$, 0)",
           "DIM S$(2): S$(1) = \"q\": PRINT S$(1) + S$(3)",
       }) {
    const ProgramRun run = RunProgram(source);
    EXPECT_EQ(run.outcome, BasicOutcome::RuntimeError) << source;
  }
}

// The statements on data and types, cut short or given the wrong tokens:
// every one is an error before the run, or runs.
TEST(BasicRobustness, DeclarationsCutShortAreErrors) {
  for (const char* source : {"DIM A(1 TO", "DIM A(1 TO 2) AS", "DIM AS INTEGER", "DIM A AS", "REDIM", "REDIM A",
                             "ERASE", "ERASE A(", "SWAP A", "SWAP A,", "SWAP , B", "CONST", "CONST A", "CONST A =",
                             "CONST A = B", "DEFINT", "DEFINT A-", "DEFINT -Z", "DEFSTR A-B-C", "OPTION", "OPTION BASE",
                             "READ", "READ A,", "RESTORE A B", "CLEAR 1 2", "PRINT LBOUND()", "PRINT UBOUND(A,)",
                             "DATA \"a\"\"b\"", "DIM AS AS"}) {
    const ProgramRun run = RunProgram(source);
    EXPECT_FALSE(run.compiled) << source;
  }
  const ProgramRun run = RunProgram("DATA " + Repeat(",", 100000) + "7\nFOR I = 0 TO 100000: READ A$: NEXT: READ A");
  EXPECT_EQ(run.message, "test.bas:2: Out of DATA (error 4)") << "100000 empty items, then one";
  const ProgramRun folded = RunProgram("CONST A$ = \"" + std::string(200, 'x') + "\", B$ = A$ + A$");
  EXPECT_EQ(folded.errors, "1:221: a string constant holds at most 255 bytes") << "constants stay small";
}

TEST(BasicRobustness, LongPrintsReachTheRuntimeInPieces) {
  const ProgramRun run = RunProgram("A$ = SPACE$(1500000) + \"|\": PRINT A$: PRINT \"x\": PRINT A$; A$");
  EXPECT_EQ(run.printed, std::string(1500000, ' ') + "|\r\nx\r\n" + std::string(1500000, ' ') + "|" +
                             std::string(1500000, ' ') + "|\r\n");
  EXPECT_LE(TheRecording.largest_print, std::size_t{1} << 20);
}

TEST(BasicRobustness, BinaryFilesAreRejectedQuietly) {
  std::mt19937 random(12345);
  for (int file = 0; file < 20; ++file) {
    std::string bytes(4096, '\0');
    for (char& byte : bytes) byte = static_cast<char>(random());
    std::vector<BasicDiagnostic> errors;
    const int before = RegistryCount();
    EXPECT_EQ(BasicCompile(bytes, "binary.bas", &errors), nullptr);
    EXPECT_LE(errors.size(), 50u);
    EXPECT_EQ(RegistryCount(), before);
  }
}

}  // namespace

namespace {

// Shuffled pieces of procedure and SELECT CASE statements: whatever order
// they come in, compiling ends with errors or a program that runs, and
// nothing crashes, hangs or leaks.
TEST(BasicRobustness, ShuffledProcedureStatementsCompileSafely) {
  static const char* const pieces[] = {
      "SUB S (A, B$, C())",  "END SUB",      "FUNCTION F (X)", "END FUNCTION", "F = X + 1",    "S 1, \"x\", C()",
      "CALL S(Y, (Z$), C())", "DEF FNA(X) = X", "DEF FNB$(A$)", "END DEF",     "EXIT SUB",     "EXIT FUNCTION",
      "SELECT CASE F(1)",     "CASE 1, 2 TO 3", "CASE IS > 4", "CASE ELSE",    "END SELECT",   "SHARED Q",
      "STATIC N",             "DIM SHARED C(3)", "GOTO 10",     "10 RETURN",   "PRINT FNA(F(2))", "DECLARE SUB S ()",
      "X = F(F(X))",          "FOR I = 1 TO 2", "NEXT",        "GOSUB 10",    "S",            ") (",
  };
  std::mt19937 random(13);
  int compiled = 0;
  for (int program = 0; program < 500; ++program) {
    std::string source;
    const int lines = 1 + static_cast<int>(random() % 8);
    for (int line = 0; line < lines; ++line) source += std::string(pieces[random() % 30]) + "\n";
    const ProgramRun run = RunProgram(source);  // checks the registry
    compiled += run.compiled;
  }
  EXPECT_GT(compiled, 0) << "some shuffles make programs that run";
}

}  // namespace
