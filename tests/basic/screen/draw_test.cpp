// DRAW: known figures give known segments, bad strings give their messages,
// and the statement runs on the program's graphics and variables.
#include <gtest/gtest.h>

#include <map>

#include "basic/screen/draw_string.h"
#include "tests/basic/recording_runtime.h"

namespace {

// Records what a string draws, and answers for a few variables.
class RecordingTarget final : public DrawTarget {
 public:
  void Line(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t colour) override {
    drawn.push_back(std::to_string(x1) + "," + std::to_string(y1) + "-" + std::to_string(x2) + "," +
                    std::to_string(y2) + (colour < 0 ? "" : " c" + std::to_string(colour)));
  }
  void Paint(int32_t x, int32_t y, int32_t paint, int32_t border) override {
    drawn.push_back("paint " + std::to_string(x) + "," + std::to_string(y) + " " + std::to_string(paint) + "/" +
                    std::to_string(border));
  }
  double Number(const std::string& name) override { return numbers[name]; }
  std::string_view Text(const std::string& name) override { return texts[name]; }

  std::vector<std::string> drawn;
  std::map<std::string, double> numbers{{"N", 7}, {"X", 20}, {"Y%", 30}, {"HALF", 2.5}, {"BIG", 40000}};
  std::map<std::string, std::string> texts{
      {"A$", "U2"},           {"NEST$", "XA$;R1"},     {"BAD$", "R1Q"},
      {"SELF$", "R1XSELF$;"}, {"BIG$", std::string(600000, ' ')},
  };
};

struct Figure {
  const char* commands;
  std::vector<std::string> drawn;
  const char* pen;  // where the pen ends
  const char* why;
};

TEST(BasicDrawString, KnownFiguresGiveTheirSegments) {
  const Figure figures[] = {
      {"U10R10D10L10", {"100,100-100,90", "100,90-110,90", "110,90-110,100", "110,100-100,100"}, "100,100",
       "a square back where it began"},
      {"E2F2G2H2", {"100,100-102,98", "102,98-104,100", "104,100-102,102", "102,102-100,100"}, "100,100",
       "the diagonals"},
      {"U", {"100,100-100,99"}, "100,99", "a count defaults to 1"},
      {"U-5", {"100,100-100,105"}, "100,105", "a negative count walks the other way"},
      {"u 5; r 5", {"100,100-100,95", "100,95-105,95"}, "105,95", "lower case, spaces and ';'"},
      {"R20 TA120 R20 TA240 R20", {"100,100-120,100", "120,100-110,83", "110,83-100,100"}, "100,100",
       "a triangle by turned steps, each rounded to a pixel"},
      {"S8TA45R10", {"100,100-114,86"}, "114,86", "a turn by degrees, scaled"},
      {"TA-90R10", {"100,100-100,110"}, "100,110", "a negative turn is clockwise"},
      {"BM50,50 NU5 NR5 D5", {"50,50-50,45", "50,50-55,50", "50,50-50,55"}, "50,55",
       "B moves without drawing; N comes back"},
      {"M110,100 M+5,-10 M-5,+20", {"100,100-110,100", "110,100-115,90", "115,90-110,110"}, "110,110",
       "M to a point, then by offsets"},
      {"S8U5 S2R3 S1R2 S3R1", {"100,100-100,90", "100,90-102,90", "102,90-102,90", "102,90-103,90"}, "103,90",
       "quarter pixels: 1.5 and 0.5 round to even, 0.75 up"},
      {"A1U10 A2U10 A3U10", {"100,100-90,100", "90,100-90,110", "90,110-100,110"}, "100,110",
       "quarter turns, counterclockwise"},
      {"A1M+10,0 M0,0", {"100,100-100,90", "100,90-0,0"}, "0,0", "a relative M turns; an absolute one does not"},
      {"C2R1C15D1", {"100,100-101,100 c2", "101,100-101,101 c15"}, "101,101", "C sets the colour"},
      {"BM10,10P3,4", {"paint 10,10 3/4"}, "10,10", "P fills from the pen"},
      {"U=N;M+=X;,=Y%; R=HALF;", {"100,100-100,93", "100,93-120,123", "120,123-122,123"}, "122,123",
       "variables for numbers, rounded to even; a sign before '=' makes M relative"},
      {"M=X;,=Y%;", {"100,100-20,30"}, "20,30", "an absolute M from variables"},
      {"XNEST$;D1", {"100,100-100,98", "100,98-101,98", "101,98-101,99"}, "101,99",
       "substrings run where they are named, nested"},
  };
  for (const Figure& figure : figures) {
    RecordingTarget target;
    DrawPen pen;
    pen.x = pen.y = 100;
    EXPECT_EQ(RunDrawString(figure.commands, pen, target), "") << figure.commands;
    EXPECT_EQ(target.drawn, figure.drawn) << figure.why << "\n" << figure.commands;
    EXPECT_EQ(std::to_string(pen.x) + "," + std::to_string(pen.y), figure.pen) << figure.commands;
  }
}

struct BadString {
  const char* commands;
  const char* message;
};

TEST(BasicDrawString, BadStringsSayWhatAndWhere) {
  const BadString cases[] = {
      {"Q", "'Q' is not a DRAW command (character 1)"},
      {"U1 Z", "'Z' is not a DRAW command (character 4)"},
      {"\x01", "CHR$(1) is not a DRAW command (character 1)"},
      {"C256", "DRAW's C takes 0 to 255, not 256 (character 1)"},
      {"S-1", "DRAW's S takes 0 to 255, not -1 (character 1)"},
      {"A4", "DRAW's A takes 0 to 3, not 4 (character 1)"},
      {"R1TA361", "DRAW's TA takes -360 to 360, not 361 (character 3)"},
      {"T5", "DRAW's T is only found in TA (character 1)"},
      {"C", "DRAW's C needs a number (character 1)"},
      {"M", "DRAW's M needs x,y (character 1)"},
      {"M10", "DRAW's M needs ',' between x and y (character 1)"},
      {"M10,", "DRAW's M needs y after ',' (character 1)"},
      {"P1", "DRAW's P needs ',' between the paint and the border colour (character 1)"},
      {"U32768", "DRAW's numbers go from -32768 to 32767 (character 1)"},
      {"U99999999999999999999", "DRAW's numbers go from -32768 to 32767 (character 1)"},
      {"U=BIG;", "DRAW's numbers go from -32768 to 32767 (character 1)"},
      {"U-", "DRAW needs a number after '-' (character 1)"},
      {"U=;", "DRAW needs a variable's name (character 1)"},
      {"U=A$;", "DRAW's =A$; names a string where a number belongs (character 1)"},
      {"XA;", "DRAW's X needs a string variable, as in XA$; (character 1)"},
      {"XA$", "DRAW needs ';' after A$ (character 1)"},
      {"U1XBAD$;", "'Q' is not a DRAW command (character 3 of BAD$)"},
      {"XSELF$;", "DRAW's X substrings nest deeper than 32 (character 3 of SELF$)"},
      {"XBIG$;XBIG$;", "DRAW's X substrings bring more than 1048576 characters (character 7)"},
  };
  for (const BadString& c : cases) {
    RecordingTarget target;
    DrawPen pen;
    EXPECT_EQ(RunDrawString(c.commands, pen, target), c.message) << c.commands;
  }
}

TEST(BasicDrawString, SubstringsStopAtTheirLimitsWithWhatTheyDrew) {
  RecordingTarget target;
  DrawPen pen;
  EXPECT_NE(RunDrawString("XSELF$;", pen, target), "");
  EXPECT_EQ(target.drawn.size(), 32u);
  EXPECT_EQ(pen.x, 32);
  // Each rung runs the next twice: 2^30 moves unless the characters they
  // bring are counted.
  for (int rung = 0; rung < 30; ++rung) {
    const std::string next = "XL" + std::to_string(rung + 1) + "$;";
    target.texts["L" + std::to_string(rung) + "$"] = next + next;
  }
  target.texts["L30$"] = "R0";
  EXPECT_EQ(RunDrawString("XL0$;", pen, target).rfind("DRAW's X substrings bring more than 1048576", 0), 0u);
}

struct Statement {
  const char* source;
  std::vector<std::string> calls;
  const char* why;
};

TEST(BasicDraw, TheStatementDrawsWithTheProgramsState) {
  const Statement cases[] = {
      {"DRAW \"U10R10\"", {"LINE 0 0 0 0 -10 7 0 7", "LINE 0 -10 0 10 -10 7 0 7"},
       "from the last point, in the drawing colour"},
      {"LINE (10,10)-(20,20): DRAW \"R5\"", {"LINE 10 10 0 20 20 7 0 7", "LINE 20 20 0 25 20 7 0 7"},
       "DRAW goes on where LINE ended"},
      {"DRAW \"BM30,40C2S8\": DRAW \"R1\"", {"LINE 30 40 0 32 40 2 0 2"},
       "the pen's place, colour and scale last to the next DRAW"},
      {"N = 5: A$ = \"D=N;\": DRAW \"XA$;R=N;\"", {"LINE 0 0 0 0 5 7 0 7", "LINE 0 5 0 5 5 7 0 7"},
       "the program's variables, by name"},
      {"DEFINT I: I = 3: DRAW \"R=I;\"", {"LINE 0 0 0 3 0 7 0 7"}, "a name without suffix finds I%"},
      {"DRAW \"R=NOPE;XNONE$;\"", {"LINE 0 0 0 0 0 7 0 7"}, "a name never used is 0 or empty"},
      {"FOR I = 1 TO 2: DRAW \"R\" + STR$(I): NEXT", {"LINE 0 0 0 1 0 7 0 7", "LINE 1 0 0 3 0 7 0 7"},
       "a string built by the program"},
  };
  for (const Statement& c : cases) {
    const ProgramRun run = RunProgram(c.source);
    EXPECT_EQ(run.errors, "") << c.source;
    EXPECT_EQ(run.outcome, BasicOutcome::Ended) << c.source << "\n" << run.message;
    EXPECT_EQ(run.calls, c.calls) << c.why << "\n" << c.source;
  }
}

TEST(BasicDraw, ABadStringStopsTheRunAfterWhatItDrew) {
  const ProgramRun run = RunProgram("DRAW \"U1Q\"");
  EXPECT_EQ(run.outcome, BasicOutcome::RuntimeError);
  EXPECT_EQ(run.message, "test.bas:1: Illegal function call (error 5): 'Q' is not a DRAW command (character 3)");
  EXPECT_EQ(run.calls, std::vector<std::string>{"LINE 0 0 0 0 -1 7 0 7"});
  EXPECT_FALSE(RunProgram("DRAW 5").compiled);
}

}  // namespace
