// The direct mode: lines run at once, stored lines, and the commands.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

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
  EXPECT_EQ(Type({"PRINT 2^0.5"}), " 1.414213562373095 \r\n");
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
  EXPECT_EQ(Type({"10 PRINT 1", "20 PRINT 1 \\ 0", "RUN"}), " 1 \r\nprogram:20: division by zero\r\n");
  EXPECT_EQ(Type({"20 PRINT (", "RUN"}),
            "program:20:11: expected an expression, found end of line\r\n20 PRINT (\r\n          ^\r\n");
  EXPECT_EQ(Type({"PRINT 1 +"}),
            "direct:1:10: expected an expression, found end of line\r\nPRINT 1 +\r\n         ^\r\n");
  EXPECT_EQ(Type({"70000 PRINT"}), "line number must be 0 to 65529\r\n");
  EXPECT_EQ(Type({"RUN 10", "LOAD", "SAVE x"}),
            "RUN takes nothing after it\r\nLOAD needs a file name in quotes, and nothing after it\r\n"
            "SAVE needs a file name in quotes, and nothing after it\r\n");
  EXPECT_EQ(Type({"GOTO 10"}), "direct:1:6: no line 10\r\nGOTO 10\r\n     ^\r\n")
      << "a direct line jumps only within itself";
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
                 " 0  0  9 \r\ndirect:1: array already dimensioned\r\n");
}

TEST_F(BasicSessionTest, SaveToAPlaceThatCannotBeWrittenFails) {
  const std::string file = TempFile("no such folder/x.bas");
  EXPECT_EQ(Type({"10 PRINT", ("SAVE \"" + file + "\"").c_str()}), "cannot write " + file + "\r\n");
}

TEST_F(BasicSessionTest, SystemEndsTheSession) {
  EXPECT_EQ(BasicEnterLine(session_.get(), "system").outcome, BasicLineOutcome::System);
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
  EXPECT_EQ(printed, " 2 ab 0 \r\nprogram:30: subscript out of range\r\n");
}

}  // namespace
