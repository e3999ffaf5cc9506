// The compact form: every jump lands inside the program, and along every
// path each instruction finds the operands it takes, with the stacks never
// deeper than the sizes the executor allocates. The executor trusts both
// without checking, so they are proved here over all paths, also those a
// run never takes.
#include <gtest/gtest.h>

#include <map>

#include "basic/program.h"
#include "tests/basic/recording_runtime.h"

namespace {

struct Depth {
  int numbers;
  int strings;
  bool operator!=(const Depth& other) const { return numbers != other.numbers || strings != other.strings; }
};

// Where an instruction may go next: the positions its operands name (as
// the list of instructions marks them) and, unless it never falls through,
// the instruction after it.
std::vector<int32_t> Successors(const Code& code, int32_t at) {
  const Instruction& in = code.instructions[static_cast<std::size_t>(at)];
  std::vector<int32_t> next;
  const char* operands = OpOperands(in.op);
  const int32_t values[] = {in.a, in.b, in.c};
  for (int i = 0; i < 3; ++i) {
    if (operands[i] == 'j') next.push_back(values[i]);
  }
  const bool falls_through =
      in.op != Op::Jump && in.op != Op::Return && in.op != Op::End && in.op != Op::ReturnFromProcedure;
  if (falls_through) next.push_back(at + 1);
  return next;
}

// An empty string when the code keeps its discipline, the first fault otherwise.
std::string CheckStackDiscipline(const Code& code) {
  const int32_t size = static_cast<int32_t>(code.instructions.size());
  if (size == 0 || code.instructions.back().op != Op::End) return "no End at the end";
  // A procedure's body starts its statements on stacks of its own.
  std::map<int32_t, Depth> seen{{0, {0, 0}}};
  std::vector<int32_t> work{0};
  for (const Procedure& procedure : code.procedures) {
    if (procedure.entry < 0 || procedure.entry >= size) return "a procedure outside the program";
    seen.emplace(procedure.entry, Depth{0, 0});
    work.push_back(procedure.entry);
  }
  while (!work.empty()) {
    const int32_t at = work.back();
    work.pop_back();
    const Depth depth = seen[at];
    const StackEffect effect = EffectOf(code.instructions[static_cast<std::size_t>(at)]);
    const Depth after{depth.numbers - effect.numbers_taken + effect.numbers_left,
                      depth.strings - effect.strings_taken + effect.strings_left};
    const std::string where = " at instruction " + std::to_string(at);
    if (depth.numbers < effect.numbers_taken || depth.strings < effect.strings_taken) {
      return "operands missing" + where;
    }
    if (after.numbers > code.number_stack || after.strings > code.string_stack) return "stack too small" + where;
    for (const int32_t next : Successors(code, at)) {
      if (next < 0 || next >= size) return "jump outside the program" + where;
      const auto [entry, added] = seen.emplace(next, after);
      if (added) {
        work.push_back(next);
      } else if (entry->second != after) {
        return "two depths meet at instruction " + std::to_string(next);
      }
    }
  }
  return "";
}

TEST(BasicCode, EveryPathKeepsTheStackDiscipline) {
  const char* const programs[] = {
      "FOR I = 1 TO 10000000: T = T + I * 0.5: NEXT",
      "A$ = \"x\": FOR I% = 3 TO 1 STEP -1: A$ = A$ + MID$(A$, I%, 1) + STR$(I% / 2): NEXT I%: PRINT A$,",
      "IF A THEN PRINT 1 ELSE IF B THEN PRINT 2 ELSE 30\n30 PRINT \"x\" + LEFT$(\"ab\", 1); 2; : GOTO 40\n40 END",
      "X = 2\nIF X = 1 THEN\nPRINT 1\nELSEIF X = 2 THEN\nPRINT 2\nELSE\nPRINT 3\nEND IF",
      "DO WHILE N < 3: N = N + 1: IF N = 2 THEN EXIT DO\nLOOP UNTIL N > 5: WHILE 0: WEND",
      "DIM A(3, 3), B$(2): A(1, 2) = A(1, 1) + 1: B$(1) = B$(0) + \"y\": INPUT \"?\"; A(0, 0), B$(2), Z",
      "GOSUB 10: END\n10 CIRCLE (1, 2), 3, , , , , F: LINE -(4, 5), , BF: PSET (1, 1): CLS: RETURN",
      "PRINT 2 ^ 3 ^ 2 - -1 * (4 \\ 3 MOD 2) / (NOT 5) AND NOT 6 OR 7 XOR 8 = 9 <> 10 < 11 > 12 <= 13 >= 14",
      "PRINT \"a\" < \"b\"; VAL(\"1\") + LEN(\"x\") + ASC(\"y\"); CHR$(65); SPACE$(2); RIGHT$(\"z\", 1); RND(1)",
      "FOR I = 1 TO 2: FOR J = 1 TO 2: IF J = 2 THEN GOTO 50\nNEXT J\n50 NEXT I: RANDOMIZE 3: SLEEP 0: STOP",
      "DIM B$(2): LINE INPUT \"?\"; B$(1): MID$(B$(1), 1, 2) = \"x\": MID$(A$, 1) = B$(INSTR(2, \"ab\", \"b\"))\n"
      "PRINT TAB(3); SPC(2); STRING$(2, \"y\"); HEX$(FIX(TIMER)); TIME$; DATE$: RANDOMIZE: RANDOMIZE TIMER",
      "CONST K = 2: DIM A(1 TO K, 3) AS LONG, N AS INTEGER: READ A(1, 2), N, S$: RESTORE 9: REDIM A(K, -1 TO 1)\n"
      "9 DATA 1, 2, x: FOR L& = 1 TO 2: SWAP A(1, L&), A(L&, 1): SWAP S$, T$: NEXT: PRINT LBOUND(A, 2); UBOUND(A)\n"
      "DEFSTR Q: Q = \"\": ERASE A: CLEAR , 5",
      "DIM A(2, 2): PRINT \"1\" + F$(\"a\", A(1, 2), (B)) + \"b\"; G: S A(), A(0, 1), C$\n"
      "FUNCTION F$ (X$, Y, Z): IF Y THEN F$ = X$: EXIT FUNCTION\nF$ = X$ + F$(X$, 1, Z)\nEND FUNCTION\n"
      "FUNCTION G: G = 2: END FUNCTION\nSUB S (M(), N, O$): GOSUB 70: EXIT SUB\n70 RETURN\nEND SUB",
      "DEF FNA(X) = X + LEN(FNB$(\"q\")) + 1\nDEF FNB$(Y$)\nFNB$ = Y$: EXIT DEF\nEND DEF\n"
      "SELECT CASE FNA(2): CASE 1, 2 TO 3, IS > 4: PRINT 1: CASE ELSE: END SELECT\n"
      "SELECT CASE \"x\" + FNB$(\"y\"): CASE \"a\" TO \"b\": END SELECT",
  };
  StartRecording();
  for (const char* source : programs) {
    std::vector<BasicDiagnostic> errors;
    BasicProgramPtr program = BasicCompile(source, "t.bas", &errors);
    ASSERT_NE(program, nullptr) << source << "\n" << (errors.empty() ? "" : errors[0].message);
    EXPECT_EQ(CheckStackDiscipline(program->code), "") << source;
  }
}

TEST(BasicCode, RightOperandsFuseIntoTheirOperator) {
  // The benchmark loop's body is four instructions, not six.
  std::vector<BasicDiagnostic> errors;
  BasicProgramPtr program = BasicCompile("T = T + I * 0.5", "t.bas", &errors);
  ASSERT_NE(program, nullptr);
  std::vector<Op> ops;
  for (const Instruction& in : program->code.instructions) ops.push_back(in.op);
  const std::vector<Op> expected = {Op::LoadNumber, Op::VariableMultiplyConstant, Op::Add, Op::StoreSingle,
                                    Op::End};
  EXPECT_EQ(ops, expected);
}

// How many trace points the program's code carries.
int TracePoints(const char* source) {
  std::vector<BasicDiagnostic> errors;
  BasicProgramPtr program = BasicCompile(source, "t.bas", &errors);
  if (program == nullptr) return -1;
  int count = 0;
  for (const Instruction& in : program->code.instructions) count += in.op == Op::TraceLine;
  return count;
}

TEST(BasicCode, OnlyTheTronKeywordBringsTracePoints) {
  struct Row {
    const char* source;
    int trace_points;
    const char* why;
  };
  const Row rows[] = {
      {"10 TRON\n20 PRINT 1\n30 END", 3, "the keyword: every numbered line is traced"},
      {"10 tron: PRINT 1\n20 END", 2, "keywords are found in any case"},
      {"10 IF X THEN TRON\n20 END", 2, "the keyword after THEN"},
      {"10 PRINT \"STRONG\"\n20 END", 0, "the letters in a string"},
      {"10 STRONGLY = 1: PRINT STRONGLY\n20 END", 0, "the letters inside a name"},
      {"10 REM TRON here\n20 ' and tron\n30 END", 0, "the word in comments"},
      {"10 DATA TRON, strong\n20 END", 0, "the word as a DATA item"},
      {"10 PRINT 1\n20 END", 0, "no letters at all"},
  };
  StartRecording();
  for (const Row& row : rows) {
    EXPECT_EQ(TracePoints(row.source), row.trace_points) << row.why << ": " << row.source;
  }
}

int EventChecks(const char* source) {
  std::vector<BasicDiagnostic> errors;
  BasicProgramPtr program = BasicCompile(source, "t.bas", &errors);
  if (program == nullptr) return -1;
  int count = 0;
  for (const Instruction& in : program->code.instructions) count += in.op == Op::EventCheck;
  return count;
}

TEST(BasicCode, OnlyAProgramThatTrapsEventsChecksForThem) {
  struct Row {
    const char* source;
    int checks;
    const char* why;
  };
  const Row rows[] = {
      {"ON TIMER(1) GOSUB H\nPRINT 1: PRINT 2\nH: RETURN", 3, "a check per line, not per statement"},
      {"on key(1) gosub h\nh: return", 2, "in any case"},
      {"ON KEY(1) GOSUB H: DO: LOOP\nFOR I = 1 TO 2: NEXT\nH: RETURN", 5, "and before each loop's end"},
      {"ON PLAY(1) GOSUB H\nSUB S\nEND SUB\nH: RETURN", 3, "none at a SUB's header"},
      {"SELECT CASE 1\nCASE 1\nEND SELECT\nON TIMER(1) GOSUB H\nH: RETURN", 4, "nor at a CASE"},
      {"PRINT \"ON KEY(1)\": KEY ON: X = TIMER\nEND", 0, "the words in a string, KEY ON, TIMER alone"},
      {"' ON TIMER(1) GOSUB 10\nONKEY = 1: PRINT ONKEY\nEND", 0, "a comment, a name"},
      {"KEY(1) ON: TIMER ON\nEND", 0, "switches without a handler"},
  };
  StartRecording();
  for (const Row& row : rows) EXPECT_EQ(EventChecks(row.source), row.checks) << row.why << ": " << row.source;
}

}  // namespace
