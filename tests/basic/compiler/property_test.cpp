// Invariants over many generated programs: expressions of doubles printed
// with the fewest parentheses compute what the same tree computes in C++
// (the types' own rules are the test programs' subject), and string
// work that stops at any point leaves the registry as it found it.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>

#include "basic/text/number_text.h"
#include "runtime/numeric/numeric.h"
#include "tests/basic/recording_runtime.h"

namespace {

// 0 to a negative power, or a negative number to a fraction: the run stops
// where the runtime's power would give 0.
bool NoRealPower(double x, double y) { return (x == 0 && y < 0) || (x < 0 && y != std::trunc(y)); }

struct Expression {
  std::string text;
  double value;
  int level;  // the precedence level of its outermost operator; 1 for an operand
  bool stops = false;  // a division by zero or a power that is no number stops the run
};

// Builds a random expression and its value. Operands are bracketed only
// where precedence or left associativity needs it, so the parser's
// precedence levels are what gets tested.
class ExpressionMaker {
 public:
  explicit ExpressionMaker(uint32_t seed) : random_(seed) {}

  Expression Make(int depth) {
    const int choice = depth <= 0 ? 0 : Pick(6);
    if (choice == 0) return Operand();
    if (choice == 1) {
      Expression inner = Make(depth - 1);
      return {"-" + Bracket(inner, inner.level > 2), -inner.value, 3, inner.stops};
    }
    static const struct {
      char op;
      int level;
    } operators[] = {{'+', 6}, {'-', 6}, {'*', 4}, {'/', 4}, {'^', 2}};
    const auto& op = operators[Pick(5)];
    Expression left = Make(depth - 1);
    Expression right = Make(depth - 1);
    const double value = op.op == '+'   ? left.value + right.value
                         : op.op == '-' ? left.value - right.value
                         : op.op == '*' ? left.value * right.value
                         : op.op == '/' ? left.value / right.value
                                        : NumPow(left.value, right.value);
    // Unary minus binds looser than ^, so it is bracketed under ^ on either side.
    const bool bracket_left = left.level > op.level || (op.op == '^' && left.level == 3);
    const bool bracket_right = right.level >= op.level || (op.op == '^' && right.level == 3);
    const bool stops = left.stops || right.stops || (op.op == '/' && right.value == 0) ||
                       (op.op == '^' && (!std::isfinite(value) || NoRealPower(left.value, right.value)));
    return {Bracket(left, bracket_left) + " " + op.op + " " + Bracket(right, bracket_right), value, op.level, stops};
  }

 private:
  int Pick(int n) { return static_cast<int>(random_() % static_cast<uint32_t>(n)); }
  static std::string Bracket(const Expression& e, bool needed) { return needed ? "(" + e.text + ")" : e.text; }
  Expression Operand() {
    static const struct {
      const char* text;
      double value;
    } operands[] = {{"A#", 3}, {"B#", -0.5}, {"C#", 7}, {"2#", 2}, {"0.1#", 0.1}, {"1.5D1", 15}, {"16#", 16}};
    const auto& operand = operands[Pick(7)];
    return {operand.text, operand.value, 1};
  }
  std::mt19937 random_;
};

// The printed value; or, where the tree divides by zero or reaches a value
// beyond the doubles, an error: at the run, or for a constant before it.
bool Computes(const Expression& e, const ProgramRun& run, bool constant = false) {
  if (e.stops || !std::isfinite(e.value)) {
    return constant ? !run.errors.empty() : run.errors.empty() && run.outcome == BasicOutcome::RuntimeError;
  }
  return run.errors.empty() && run.printed == FormatPrintedClassic(e.value, ValueKind::Double) + "\r\n";
}
std::string Wanted(const Expression& e) {
  return e.stops || !std::isfinite(e.value) ? "an error" : FormatPrintedClassic(e.value, ValueKind::Double);
}
std::string Got(const ProgramRun& run) { return run.printed + run.errors + run.message; }

TEST(BasicProperties, ExpressionsComputeWhatTheirTreesCompute) {
  ExpressionMaker maker(2024);
  int failures = 0;
  int stopped = 0;
  for (int i = 0; i < 400; ++i) {
    const Expression e = maker.Make(4);
    const ProgramRun run = RunProgram("A# = 3: B# = -0.5: C# = 7: PRINT " + e.text);
    if (!Computes(e, run) && ++failures <= 5) ADD_FAILURE() << e.text << "\nwant " << Wanted(e) << "\ngot  " << Got(run);
    stopped += e.stops;
  }
  EXPECT_EQ(failures, 0);
  EXPECT_LT(stopped, 100) << "most expressions have a value";
}

// A constant is worked out before the run from the same instructions the
// run would execute, so it must hold exactly what the tree computes.
TEST(BasicProperties, ConstantsHoldWhatTheirExpressionsCompute) {
  ExpressionMaker maker(77);
  int failures = 0;
  for (int i = 0; i < 200; ++i) {
    const Expression e = maker.Make(4);
    const ProgramRun run = RunProgram("CONST A# = 3, B# = -0.5, C# = 7: CONST V# = " + e.text + ": PRINT V#");
    if (!Computes(e, run, true) && ++failures <= 5) ADD_FAILURE() << e.text << "\nwant " << Wanted(e) << "\ngot  " << Got(run);
  }
  EXPECT_EQ(failures, 0);
}

// Any finite double, written in its shortest form, reads back from DATA
// into a DOUBLE as the same double.
TEST(BasicProperties, DataReadsBackEveryPrintedNumber) {
  std::mt19937_64 random(99);
  std::string items;
  std::string expected;
  for (int i = 0; i < 300; ++i) {
    double x;
    do {
      const uint64_t bits = random();
      std::memcpy(&x, &bits, sizeof x);
    } while (!std::isfinite(x));
    items += (i ? ", " : "") + FormatNumber(x);
    expected += FormatPrintedClassic(x, ValueKind::Double);
  }
  const ProgramRun run = RunProgram("FOR I = 1 TO 300: READ X#: PRINT X#;: NEXT\nDATA " + items);
  EXPECT_EQ(run.errors + run.message, "");
  EXPECT_EQ(run.printed, expected);
}

// Statements on strings, arrays and subroutines, some of which stop the run.
TEST(BasicProperties, StringsAreReleasedHoweverARunEnds) {
  static const char* const statements[] = {
      "A$ = A$ + \"x\"",       "B$(I) = A$ + B$(I)",       "A$ = MID$(A$, 2)",      "PRINT A$; B$(1)",
      "A$ = LEFT$(A$, N)",     "C$ = STR$(N) + CHR$(N)",   "N = N + LEN(A$)",       "IF A$ < C$ THEN A$ = C$",
      "I = (I + 1) MOD 12",    "GOSUB 900",                "DIM D$(N)",             "N = ASC(A$ + \"?\") - 70",
      "A$ = SPACE$(N) + A$",   "A$ = RIGHT$(C$ + A$, 3)",  "PRINT VAL(A$ + \"1\")", "RETURN",
  };
  std::mt19937 random(99);
  int runtime_errors = 0;
  for (int program = 0; program < 300; ++program) {
    std::string source = "N = 3\n";
    for (int line = 0; line < 12; ++line) source += std::string(statements[random() % 16]) + "\n";
    source += "END\n900 A$ = A$ + \"g\": RETURN\n";
    const ProgramRun run = RunProgram(source);  // checks the registry
    EXPECT_EQ(run.errors, "") << source;
    runtime_errors += run.outcome == BasicOutcome::RuntimeError;
  }
  // Both ways of ending must be well represented for the check to mean much.
  EXPECT_GT(runtime_errors, 30);
  EXPECT_LT(runtime_errors, 270);
}

// The same over procedures: strings and arrays passed by value and by
// reference, locals, results, and errors deep inside calls, after which
// the program's own variables hold what the calls gave back.
TEST(BasicProperties, StringsAreReleasedHoweverProceduresEnd) {
  static const char* const statements[] = {
      "A$ = F$(A$, N)",        "Twice A$",                 "Twice B$(I)",               "N = LEN(F$(\"ab\", N - 1))",
      "CALL Deep(N, A$)",      "Fill B$()",                "I = (I + 1) MOD 5",          "PRINT F$(C$ + A$, 1)",
      "C$ = F$(LEFT$(A$, 2), 2)", "N = (N + 1) MOD 6",     "Twice (A$)",                "CALL Deep(N + I, (C$))",
  };
  static const char* const procedures =
      "FUNCTION F$ (S$, K): DIM L$(2): L$(1) = S$ + \"f\"\n"
      "IF K > 0 THEN F$ = L$(1) + F$(S$, K - 1) ELSE F$ = LEFT$(L$(1), 3)\nEND FUNCTION\n"
      "SUB Twice (T$): T$ = RIGHT$(T$ + T$, 6): END SUB\n"
      "SUB Deep (K, S$): STATIC Calls: Calls = Calls + 1: S$ = S$ + \"d\"\n"
      "IF K > 4 THEN DIM Q$(1): Q$(K) = S$\nIF K > 0 THEN Deep K - 1, S$\nEND SUB\n"
      "SUB Fill (X$()): X$(I) = A$ + \"x\": END SUB\n";
  std::mt19937 random(7);
  int runtime_errors = 0;
  for (int program = 0; program < 300; ++program) {
    std::string source = "DIM SHARED A$, B$(5), I: N = 2\n";
    for (int line = 0; line < 10; ++line) source += std::string(statements[random() % 12]) + "\n";
    source += "END\n" + std::string(procedures);
    const ProgramRun run = RunProgram(source);  // checks the registry
    EXPECT_EQ(run.errors, "") << source;
    runtime_errors += run.outcome == BasicOutcome::RuntimeError;
  }
  EXPECT_GT(runtime_errors, 30);
  EXPECT_LT(runtime_errors, 270);
}

}  // namespace
