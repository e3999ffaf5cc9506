// Errors: every message, where it points, and which kind of error it is.
// Errors before the run stop the program from running at all (basic.exe's
// exit code 1); run-time errors stop it where they happen (exit code 2).
#include <gtest/gtest.h>

#include "tests/basic/recording_runtime.h"

namespace {

struct CompileCase {
  const char* source;
  const char* errors;  // "LINE:COLUMN: message", one per line
  const char* why;
};

TEST(BasicErrors, FoundBeforeTheRunWithLineAndColumn) {
  const CompileCase cases[] = {
      {"PRINT \"abc", "1:7: string without its closing quote", "unterminated string"},
      {"A = 1E999", "1:5: number too large", "a literal past the doubles"},
      {"A = &H123456789", "1:5: hexadecimal number longer than 8 digits", "a hexadecimal literal past 32 bits"},
      {"A = &HG", "1:5: &H without hexadecimal digits", "&H alone"},
      {"A = 1 @ 2", "1:7: unexpected character '@'", "a stray character"},
      {"A = \x82\xA0", "1:5: unexpected byte in program text", "double-byte text outside a string"},
      {"ABCDEFGHIJKLMNOPQRSTUVWXYZABCDEFGHIJKLMNO = 1", "1:1: name longer than 40 characters", "41 letters"},
      {"10 PRINT\n10 PRINT", "2:1: line 10 appears twice", "a duplicate line number"},
      {"a:\nA: PRINT", "2:1: label A appears twice", "labels ignore case"},
      {"70000 PRINT", "1:1: line number must be 0 to 65529", "line number range"},
      {"GOTO 70000", "1:6: line number must be 0 to 65529", "jump target range"},
      {"PRINT 1 +", "1:10: expected an expression, found end of line", "a missing operand"},
      {"PRINT (1", "1:9: expected ')', found end of line", "an open parenthesis"},
      {"A = \"x\"", "1:5: expected a number, found a string", "a string into a number"},
      {"A$ = 1", "1:6: expected a string, found a number", "a number into a string"},
      {"PRINT \"a\" * 2", "1:7: expected a number, found a string", "string arithmetic"},
      {"PRINT 1 + \"a\"", "1:9: cannot combine a number with a string", "mixed +"},
      {"PRINT \"a\" - \"b\"", "1:11: strings cannot be subtracted", "string -"},
      {"PRINT \"a\" < 1", "1:11: cannot compare a string with a number", "mixed comparison"},
      {"PRINT LEN(5)", "1:11: expected a string, found a number", "a function's argument"},
      {"PRINT LEFT$(\"a\")", "1:16: expected ',', found ')'", "a missing argument"},
      {"X = A(1, 2)\nY = A(1)", "2:5: array A has 2 subscripts elsewhere", "subscript counts agree"},
      {"DIM A(1, 2, 3, 4)", "1:16: an array has at most 3 subscripts", "four subscripts"},
      {"GOTO 100\nGOSUB nowhere", "1:6: no line 100\n2:7: no label NOWHERE", "missing targets"},
      {"FOR I = 1 TO 3\nPRINT I", "1:1: FOR without NEXT", "an open FOR"},
      {"WHILE 1\nDO\nIF 1 THEN", "1:1: WHILE without WEND\n2:1: DO without LOOP\n3:1: IF without END IF",
       "every open block"},
      {"NEXT", "1:1: NEXT without FOR", "a lone NEXT"},
      {"WEND\nLOOP\nELSE\nEND IF\nELSEIF 1 THEN",
       "1:1: WEND without WHILE\n2:1: LOOP without DO\n3:1: ELSE without IF\n4:1: END IF without IF\n"
       "5:1: ELSEIF without IF",
       "every lone closer"},
      {"FOR I = 1 TO 2\nWHILE 1\nNEXT\nWEND",
       "1:1: FOR without NEXT\n3:1: NEXT without FOR: the WHILE of line 2 is still open",
       "blocks must nest"},
      {"FOR I = 1 TO 2: NEXT J", "1:22: NEXT J does not match FOR I", "NEXT names its FOR"},
      {"FOR A$ = 1 TO 2", "1:5: FOR needs a numeric variable", "a string loop variable"},
      {"FOR A(1) = 1 TO 2", "1:6: FOR needs a simple variable, not an array element", "an element"},
      {"IF 1 THEN\nELSE\nELSE\nEND IF", "3:1: a second ELSE in one IF", "two ELSEs"},
      {"IF 1 THEN\nELSE\nELSEIF 1 THEN\nEND IF", "3:1: ELSEIF after ELSE", "ELSEIF after ELSE"},
      {"IF 1 THEN FOR I = 1 TO 2\nNEXT",
       "1:25: FOR opened in a one-line IF must close on the same line\n2:1: NEXT without FOR",
       "one-line IFs hold whole blocks"},
      {"EXIT FOR\nEXIT DO", "1:1: EXIT FOR outside a FOR loop\n2:1: EXIT DO outside a DO loop", "EXIT outside"},
      {"EXIT WHILE", "1:6: expected FOR, DO, SUB, FUNCTION or DEF, found 'WHILE'", "EXIT of what"},
      {"LIST", "1:1: LIST is a command of the direct mode", "commands in a program"},
      {"PRINT 1 2 3: X", "1:14: X is not a statement of this BASIC", "a name alone"},
      {"IF 1 THEN PRINT 1 ELSE PRINT 2 ELSE PRINT 3", "1:32: expected ':' or end of line, found 'ELSE'",
       "two ELSEs"},
      {"LINE (1, 2)-(3, 4), 5, X", "1:24: expected B or BF, found 'X'", "LINE's box"},
      {"CIRCLE (1, 2), 3, , , , , G", "1:27: expected F, found 'G'", "CIRCLE's F"},
      {"LINE (1, 2) (3, 4)", "1:13: expected '-' before the second point, found '('", "LINE's dash"},
      {"INPUT \"x\" A", "1:11: expected ';' or ',' after the prompt, found 'A'", "INPUT's prompt"},
      {"PRINT 1\n@\nPRINT \"\nGOTO 9",
       "2:1: unexpected character '@'\n3:7: string without its closing quote\n4:6: no line 9",
       "all errors at once, in order"},
  };
  for (const CompileCase& c : cases) {
    const ProgramRun run = RunProgram(c.source);
    EXPECT_FALSE(run.compiled) << c.why;
    EXPECT_EQ(run.errors, c.errors) << c.why << "\n" << c.source;
    EXPECT_TRUE(run.calls.empty() && run.printed.empty()) << "nothing runs: " << c.why;
  }
}

TEST(BasicErrors, DiagnosticShowsTheLineAndACaret) {
  std::vector<BasicDiagnostic> errors;
  EXPECT_EQ(BasicCompile("PRINT 1\n\tX = \"a\" + 1\n", "demo.bas", &errors), nullptr);
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(BasicFormatDiagnostic(errors[0]),
            "demo.bas:2:10: cannot combine a string with a number\r\n"
            "\tX = \"a\" + 1\r\n"
            "\t        ^\r\n");
}

TEST(BasicErrors, ErrorCountIsBounded) {
  std::string source;
  for (int i = 0; i < 1000; ++i) source += "@\n";
  std::vector<BasicDiagnostic> errors;
  EXPECT_EQ(BasicCompile(source, "t.bas", &errors), nullptr);
  ASSERT_EQ(errors.size(), 50u);
  EXPECT_EQ(errors.back().message, "too many errors; the rest are not reported");
}

struct RuntimeCase {
  const char* source;
  const char* message;
  const char* printed;  // what ran before the error
};

TEST(BasicErrors, AtRunTimeWithFileAndLine) {
  const RuntimeCase cases[] = {
      {"PRINT 1\nPRINT 1 \\ 0", "test.bas:2: division by zero", " 1 \r\n"},
      {"PRINT 5 MOD 0.4", "test.bas:1: division by zero", ""},
      {"A(11) = 1", "test.bas:1: subscript out of range", ""},
      {"DIM A(3): PRINT A(-1)", "test.bas:1: subscript out of range", ""},
      {"DIM A$(2, 2): A$(1, 3) = \"x\"", "test.bas:1: subscript out of range", ""},
      {"DIM A(2): DIM A(3)", "test.bas:1: array already dimensioned", ""},
      {"N = 3: X = A(1): DIM A(N)", "test.bas:1: array already dimensioned", ""},
      {"DIM A(-1)", "test.bas:1: an array's upper bound is below its lower bound", ""},
      {"DIM A(5000, 5000)", "test.bas:1: array too large (at most 16777216 elements)", ""},
      {"PRINT \"a\";: RETURN", "test.bas:1: RETURN without GOSUB", "a"},
      {"10 GOSUB 10", "test.bas:1 (line 10): GOSUB nested too deeply (more than 100000 without RETURN)", ""},
      {"GOTO 20\nFOR I = 1 TO 2\n20 NEXT", "test.bas:3 (line 20): NEXT without FOR: the loop was entered by a jump", ""},
      {"PRINT CHR$(256)", "test.bas:1: CHR$ needs a code from 0 to 255", ""},
      {"PRINT CHR$(-1)", "test.bas:1: CHR$ needs a code from 0 to 255", ""},
      {"PRINT SPACE$(-1)", "test.bas:1: SPACE$ needs a count of 0 or more", ""},
      {"PRINT LEFT$(\"a\", -1)", "test.bas:1: LEFT$ needs a count of 0 or more", ""},
      {"PRINT RIGHT$(\"a\", 1E10)", "test.bas:1: RIGHT$ needs a count of 0 or more", ""},
      {"PRINT MID$(\"a\", 0)", "test.bas:1: MID$ needs a start of 1 or more", ""},
      {"PRINT MID$(\"a\", 1, -2)", "test.bas:1: MID$ needs a count of 0 or more", ""},
      {"PRINT 1; 2 \\ 0", "test.bas:1: division by zero", " 1 "},
  };
  for (const RuntimeCase& c : cases) {
    const ProgramRun run = RunProgram(c.source);
    EXPECT_TRUE(run.compiled) << c.source << "\n" << run.errors;
    EXPECT_EQ(run.outcome, BasicOutcome::RuntimeError) << c.source;
    EXPECT_EQ(run.message, c.message) << c.source;
    EXPECT_EQ(run.printed, c.printed) << c.source;
  }
}

}  // namespace
