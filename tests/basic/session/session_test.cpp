// The direct mode: lines run at once, stored lines, and the commands.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "basic/text/input_script.h"
#include "runtime/console/key_buffer.h"
#include "tests/basic/recording_runtime.h"

namespace {

class BasicSessionTest : public testing::Test {
 protected:
  void SetUp() override {
    StartRecording();
    before_ = RegistryCount();
    session_ = BasicNewSession(BasicRunOptions{});
  }
  void TearDown() override {
    session_.reset();
    EXPECT_EQ(RegistryCount(), before_) << "the session's strings outlived it";
  }
  // Enters each line; returns what was printed and every error's text.
  std::string Type(std::initializer_list<const char*> lines) {
    TheRecording.printed.clear();
    std::string errors;
    for (const char* line : lines) {
      const BasicLineResult result = BasicEnterLine(session_.get(), line);
      if (result.outcome == BasicLineOutcome::Error) errors += result.message;
      EXPECT_NE(result.outcome, BasicLineOutcome::System) << line;
    }
    return TheRecording.printed + errors;
  }
  static std::string TempFile(const char* name) { return testing::TempDir() + name; }

  BasicSessionPtr session_;
  int before_ = 0;
};

TEST_F(BasicSessionTest, ALineWithoutNumberRunsAtOnce) {
  EXPECT_EQ(Type({"PRINT 2^0.5; 2#^0.5"}), " 1.414214  1.414213562373095 \r\n");
  EXPECT_EQ(Type({"CIRCLE (100,100),50,2"}), "");
  EXPECT_EQ(TheRecording.calls.back(), "CIRCLE 100 100 50 2 0 0 1 0 2");
  EXPECT_EQ(Type({"FOR I = 1 TO 3: PRINT I;: NEXT"}), " 1  2  3 ");
}

TEST_F(BasicSessionTest, DirectLinesShareVariablesWithTheSession) {
  EXPECT_EQ(Type({"A = 5: A$ = \"x\"", "PRINT A; A$"}), " 5 x\r\n");
  EXPECT_EQ(Type({"10 B = 7: C$ = \"y\"", "RUN", "PRINT B; C$; A"}), " 7 y 0 \r\n") << "RUN starts afresh";
}

TEST_F(BasicSessionTest, StoredLinesRunInOrderAndANumberAloneDeletes) {
  EXPECT_EQ(Type({"20 PRINT \"B\"", "10 PRINT \"A\"", "30 PRINT \"C\"", "RUN"}), "A\r\nB\r\nC\r\n");
  EXPECT_EQ(Type({"20", "RUN"}), "A\r\nC\r\n");
  EXPECT_EQ(Type({"10 PRINT \"new A\"", "LIST"}), "10 PRINT \"new A\"\r\n30 PRINT \"C\"\r\n") << "a line replaced";
  EXPECT_EQ(Type({"NEW", "LIST", "RUN"}), "");
  EXPECT_EQ(Type({"10 PRINT 1:\nPRINT 2", "LIST"}), "10 PRINT 1: PRINT 2\r\n") << "a line end inside a line";
}

TEST_F(BasicSessionTest, ErrorsNameTheStoredLineNumber) {
  EXPECT_EQ(Type({"10 PRINT 1", "20 PRINT 1 \\ 0", "RUN"}), " 1 \r\nprogram:20: Division by zero (error 11)\r\n20 PRINT 1 \\ 0\r\n   ^\r\n");
  EXPECT_EQ(Type({"20 PRINT (", "RUN"}),
            "program:20:11: expected an expression, found end of line\r\n20 PRINT (\r\n          ^\r\n");
  EXPECT_EQ(Type({"PRINT 1 +"}),
            "direct:1:10: expected an expression, found end of line\r\nPRINT 1 +\r\n         ^\r\n");
  EXPECT_EQ(Type({"70000 PRINT"}), "line number must be 0 to 65529\r\n");
  EXPECT_EQ(Type({"RUN X", "LOAD", "SAVE x"}),
            "RUN takes a line number or nothing after it\r\nLOAD needs a file name in quotes, and nothing after it\r\n"
            "SAVE needs a file name in quotes, and nothing after it\r\n");
  EXPECT_EQ(Type({"PRINT 1: GOTO 10"}), "direct:1:15: no line 10\r\nPRINT 1: GOTO 10\r\n              ^\r\n")
      << "a direct line's own jumps stay within it";
}

TEST_F(BasicSessionTest, SaveAndLoadRoundTrip) {
  const std::string file = TempFile("basic_session_round_trip.bas");
  Type({"10 PRINT \"A\"; 1", "5 REM first", "20 GOTO 10"});
  const std::string listed = Type({"LIST"});
  EXPECT_EQ(Type({("SAVE \"" + file + "\"").c_str(), "NEW", "LIST"}), "");
  EXPECT_EQ(Type({("LOAD \"" + file + "\"").c_str(), "LIST"}), listed);
  std::remove(file.c_str());
}

TEST_F(BasicSessionTest, LoadNumbersAFileWithoutLineNumbers) {
  const std::string file = TempFile("basic_session_unnumbered.bas");
  std::ofstream(file, std::ios::binary) << "PRINT 1\r\n\r\nagain: PRINT 2\n";
  EXPECT_EQ(Type({("LOAD \"" + file + "\"").c_str(), "LIST", "RUN"}),
            "10 PRINT 1\r\n20 again: PRINT 2\r\n 1 \r\n 2 \r\n");
  std::ofstream(file, std::ios::binary) << "10 PRINT 1\nPRINT 2\n";
  EXPECT_EQ(Type({("LOAD \"" + file + "\"").c_str()}),
            file + ": a line without a number among numbered lines: PRINT 2\r\n");
  std::remove(file.c_str());
  EXPECT_EQ(Type({("LOAD \"" + file + "\"").c_str()}), "cannot open " + file + "\r\n");
}

TEST_F(BasicSessionTest, TheSessionKeepsOnlyItsVariablesStrings) {
  // Three string variables (C$ an empty one) and one element hold strings
  // between lines; every line's temporaries are gone when it ends, also
  // after an error.
  Type({"A$ = \"one\" + \"two\": B$ = A$: C$ = \"\"", "D$(3) = LEFT$(A$, 1)", "E$ = A$ + CHR$(999)"});
  EXPECT_EQ(RegistryCount(), before_ + 4);
  Type({"NEW"});
  EXPECT_EQ(RegistryCount(), before_);
}

TEST_F(BasicSessionTest, ArraysAndLoopsSpanDirectLines) {
  EXPECT_EQ(Type({"DIM A(2): A(2) = 9", "FOR I = 0 TO 2: PRINT A(I);: NEXT: PRINT", "DIM A(3)"}),
                 " 0  0  9 \r\ndirect:1: Duplicate definition (error 10): array already dimensioned\r\nDIM A(3)\r\n^\r\n");
}

// Each RUN reads the stored DATA from its first item; a direct line has
// DATA of its own only. Arrays the program made keep their bounds.
TEST_F(BasicSessionTest, StoredDataAndBoundsAcrossRuns) {
  EXPECT_EQ(Type({"10 OPTION BASE 1: DIM A(2 TO 3)", "20 READ X, Y$: PRINT X; Y$", "30 DATA 5, \"s\"", "RUN",
                  "RUN", "READ Z", "PRINT LBOUND(A); UBOUND(A)", "PRINT B(0)"}),
            " 5 s\r\n 5 s\r\n 2  3 \r\n 0 \r\ndirect:1: Out of DATA (error 4)\r\nREAD Z\r\n^\r\n");
}

TEST_F(BasicSessionTest, SaveToAPlaceThatCannotBeWrittenFails) {
  const std::string file = TempFile("no such folder/x.bas");
  EXPECT_EQ(Type({"10 PRINT", ("SAVE \"" + file + "\"").c_str()}), "cannot write " + file + "\r\n");
}

// Each case starts a new session with a small program stored:
//   10 A = A + 1: PRINT "A"; A    20 GOSUB 100    30 PRINT "back"    40 END
//   100 FOR I = 1 TO 2: PRINT "I"; I    110 STOP    120 NEXT: RETURN
struct ResumeCase {
  std::vector<const char*> lines;
  const char* printed;  // what the lines print, and then their errors
  const char* why;
};

TEST_F(BasicSessionTest, GotoRunFromALineAndContAfterStop) {
  const ResumeCase cases[] = {
      {{"RUN"}, "A 1 \r\nI 1 \r\nBreak in 110\r\n", "STOP says where it stopped"},
      {{"RUN", "CONT"}, "A 1 \r\nI 1 \r\nBreak in 110\r\nI 2 \r\nBreak in 110\r\n",
       "CONT goes on after the STOP, inside the FOR loop"},
      {{"RUN", "CONT", "CONT", "CONT"},
       "A 1 \r\nI 1 \r\nBreak in 110\r\nI 2 \r\nBreak in 110\r\nback\r\ncan't continue: no program stopped by "
       "STOP since the last change\r\n",
       "the GOSUB returns after the loop; after END there is nothing to continue"},
      {{"RUN", "A = 41: PRINT I", "CONT"}, "A 1 \r\nI 1 \r\nBreak in 110\r\n 1 \r\nI 2 \r\nBreak in 110\r\n",
       "a direct line between sees and changes the variables, and CONT still goes on"},
      {{"RUN", "PRINT 1 \\ 0", "CONT"},
       "A 1 \r\nI 1 \r\nBreak in 110\r\ndirect:1: Division by zero (error 11)\r\nPRINT 1 \\ 0\r\n^\r\ncan't continue: no program "
       "stopped by STOP since the last change\r\n",
       "an error ends what CONT could go on with"},
      {{"RUN", "PRINT (", "CONT"},
       "A 1 \r\nI 1 \r\nBreak in 110\r\ndirect:1:8: expected an expression, found end of line\r\nPRINT (\r\n"
       "       ^\r\nI 2 \r\nBreak in 110\r\n",
       "a line that never ran changes nothing"},
      {{"RUN", "125 REM", "CONT"},
       "A 1 \r\nI 1 \r\nBreak in 110\r\ncan't continue: no program stopped by STOP since the last change\r\n",
       "a change to the stored lines ends it too"},
      {{"CONT"}, "can't continue: no program stopped by STOP since the last change\r\n", "no run yet"},
      {{"A = 5", "GOTO 30"}, "back\r\n", "GOTO n runs from line n"},
      {{"A = 5", "GOTO 10"}, "A 6 \r\nI 1 \r\nBreak in 110\r\n", "GOTO keeps the variables"},
      {{"A = 5", "RUN 10"}, "A 1 \r\nI 1 \r\nBreak in 110\r\n", "RUN n starts them afresh"},
      {{"GOTO 120"}, "program:120: NEXT without FOR (error 1): the loop was entered by a jump\r\n120 NEXT: RETURN\r\n    ^\r\n",
       "a run-time error names the line and shows it"},
      {{"GOTO 50", "RUN 5"}, "no line 50\r\nno line 5\r\n", "a line that is not there"},
      {{"RUN 70000"}, "line number must be 0 to 65529\r\n", "a number past the range"},
      {{"STOP", "CONT"}, "Break\r\ncan't continue: no program stopped by STOP since the last change\r\n",
       "a direct line's STOP has nothing to go on with"},
  };
  for (const ResumeCase& c : cases) {
    session_ = BasicNewSession(BasicRunOptions{});
    Type({"10 A = A + 1: PRINT \"A\"; A", "20 GOSUB 100", "30 PRINT \"back\"", "40 END",
          "100 FOR I = 1 TO 2: PRINT \"I\"; I", "110 STOP", "120 NEXT: RETURN"});
    TheRecording.printed.clear();
    std::string printed;
    for (const char* line : c.lines) printed += Type({line});
    EXPECT_EQ(printed, c.printed) << c.why;
  }
}

TEST_F(BasicSessionTest, ARunWhoseInputScriptEndsSaysWhere) {
  InputScript script = InputScript::OfText("5\n");
  BasicRunOptions options;
  options.input = &script;
  session_ = BasicNewSession(options);
  Type({"10 INPUT A: PRINT A: INPUT B"});
  const BasicLineResult result = BasicEnterLine(session_.get(), "RUN");
  EXPECT_EQ(result.outcome, BasicLineOutcome::NoMoreInput);
  EXPECT_EQ(result.message, "program:10: no more input\r\n10 INPUT A: PRINT A: INPUT B\r\n                     ^\r\n");
  EXPECT_EQ(TheRecording.printed, "? 5\r\n 5 \r\n? ");
  EXPECT_EQ(Type({"CONT"}), "can't continue: no program stopped by STOP since the last change\r\n");
}

TEST_F(BasicSessionTest, SystemEndsTheSession) {
  EXPECT_EQ(BasicEnterLine(session_.get(), "system").outcome, BasicLineOutcome::System);
}

TEST_F(BasicSessionTest, SystemInAProgramEndsOnlyTheProgram) {
  EXPECT_EQ(Type({"10 PRINT 1: SYSTEM", "20 PRINT 2", "RUN", "PRINT 3"}), " 1 \r\n 3 \r\n");
}

TEST_F(BasicSessionTest, LoadStopsAtCtrlZ) {
  const std::string file = TempFile("basic_session_ctrl_z.bas");
  std::ofstream(file, std::ios::binary) << "10 PRINT 1\r\n\x1A\r\nnot a numbered line\r\n";
  EXPECT_EQ(Type({("LOAD \"" + file + "\"").c_str(), "RUN"}), " 1 \r\n");
  std::remove(file.c_str());
}

}  // namespace

namespace {

// A run that stops inside a procedure leaves the program's variables as the
// calls under way would have left them at their returns, and none of the
// procedures' own.
TEST_F(BasicSessionTest, AnErrorInsideAProcedureLeavesTheProgramsVariables) {
  const std::string printed = Type({"10 X = 1: Y$ = \"a\": Grow X, Y$", "20 SUB Grow (N, S$): DIM Q(1)",
                                    "30 N = N + 1: S$ = S$ + \"b\": L = 9: Q(N + 5) = 0", "40 END SUB", "RUN",
                                    "PRINT X; Y$; L"});
  EXPECT_EQ(printed, " 2 ab 0 \r\nprogram:30: Subscript out of range (error 9)\r\n"
            "30 N = N + 1: S$ = S$ + \"b\": L = 9: Q(N + 5) = 0\r\n" + std::string(36, ' ') + "^\r\n");
}

// The same for a call with numbers only, which saves its locals apart.
TEST_F(BasicSessionTest, AnErrorInsideANumbersOnlyCallLeavesTheProgramsVariables) {
  const std::string printed =
      Type({"10 X = 1: L = 4: PRINT F(X)", "20 FUNCTION F (N): L = 9: N = N + 1: F = N MOD 0", "30 END FUNCTION",
            "RUN", "PRINT X; L"});
  EXPECT_EQ(printed.substr(0, 8), " 2  4 \r\n");
}

// A run stopped inside an event's handler goes on in it with CONT: the
// trap stays set and stopped until the handler's RETURN, the soft keys'
// texts stay.
TEST_F(BasicSessionTest, ContKeepsTheTrapsAndTheSoftKeys) {
  session_ = BasicNewSession(BasicRunOptions{});
  Type({"10 KEY 1, \"hey\": ON KEY(1) GOSUB 100: KEY(1) ON", "20 FOR I = 1 TO 50: NEXT",
        "30 PRINT \"back\"; N: END", "100 N = N + 1: STOP", "110 RETURN"});
  TheRecording.printed.clear();
  KeyBufferClear();
  KeyBufferPutKeyDown(0x70);  // F1
  std::string printed = Type({"RUN"});
  KeyBufferPutKeyDown(0x70);  // pressed while stopped in the handler: taken after its RETURN
  printed += Type({"CONT"});  // the handler's RETURN, and the second press's handler at once
  printed += Type({"CONT"});
  KeyBufferClear();
  EXPECT_EQ(printed, "Break in 100\r\nBreak in 100\r\nback 2 \r\n");
}

}  // namespace
