// The listing of compiled code (basic.exe --list): each source line with
// its instructions, each instruction with its operands as the program wrote
// them, so that a developer reads what a line became.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "basic/program.h"
#include "tests/basic/recording_runtime.h"

namespace {

std::string Listing(const std::string& source) {
  StartRecording();
  std::vector<BasicDiagnostic> errors;
  const BasicProgramPtr program = BasicCompile(source, "t.bas", &errors);
  if (!program) return "does not compile: " + (errors.empty() ? std::string() : errors[0].message);
  return BasicListing(*program);
}

TEST(BasicListing, ShowsEveryKindOfOperandByWhatItNames) {
  const std::string listing = Listing(
      "CONST K = 2\n"
      "10 DIM A(3): A(1) = K + X: S$ = \"a\" + CHR$(9)\n"
      "IF S$ < \"b\" THEN GOSUB 20 ELSE PRINT F(1)\n"
      "READ D: INPUT \"?\", N\n"
      "FOR I% = 1 TO 2: NEXT\n"
      "END\n"
      "20 RETURN\n"
      "DATA 5\n"
      "FUNCTION F(Y): F = Y * 2: END FUNCTION\n");
  // The CONST's instructions are gone once its value is known; the columns
  // of the statements after it must still be theirs.
  EXPECT_EQ(listing,
      "; t.bas: 39 instructions, stacks of 3 numbers and 2 strings\n"
      "; line 2 (10): 10 DIM A(3): A(1) = K + X: S$ = \"a\" + CHR$(9)\n"
      "    0     2:4    PushNumber               3\n"
      "    1     2:4    Dim                      A() 1 0\n"
      "    2     2:14   PushNumber               1\n"
      "    3     2:14   PushNumber               2\n"
      "    4     2:14   AddVariable              X\n"
      "    5     2:14   StoreSingleElement       A() 1\n"
      "    6     2:28   PushString               \"a\"\n"
      "    7     2:28   PushNumber               9\n"
      "    8     2:28   CallBuiltin              CHR$(N) INTEGER\n"
      "    9     2:28   Concat\n"
      "   10     2:28   StoreString              S$\n"
      "; line 3: IF S$ < \"b\" THEN GOSUB 20 ELSE PRINT F(1)\n"
      "   11     3:1    LoadString               S$\n"
      "   12     3:1    PushString               \"b\"\n"
      "   13     3:1    CompareStrings           Less\n"
      "   14     3:1    JumpIfFalse              -> 17\n"
      "   15     3:18   Gosub                    -> 33\n"
      "   16     3:18   Jump                     -> 22\n"
      "   17     3:32   PushNumber               1\n"
      "   18     3:32   CallFunction             F 1 0\n"
      "   19     3:32   PrintNumber              SINGLE\n"
      "   20     3:32   PrintNewline\n"
      "   21     3:32   PrintFlush\n"
      "; line 4: READ D: INPUT \"?\", N\n"
      "   22     4:1    ReadNumber\n"
      "   23     4:1    StoreSingle              D\n"
      "   24     4:9    Input                    form 0 \"?\" 0\n"
      "   25     4:9    InputFieldNumber         0\n"
      "   26     4:9    StoreSingle              N\n"
      "; line 5: FOR I% = 1 TO 2: NEXT\n"
      "   27     5:1    PushNumber               1\n"
      "   28     5:1    PushNumber               2\n"
      "   29     5:1    PushNumber               1\n"
      "   30     5:1    ForStartInteger          I% loop 0 -> 32\n"
      "   31     5:18   ForNextInteger           I% loop 0 -> 31\n"
      "; line 6: END\n"
      "   32     6:1    End\n"
      "; line 7 (20): 20 RETURN\n"
      "   33     7:4    Return\n"
      "; line 9: FUNCTION F(Y): F = Y * 2: END FUNCTION\n"
      "   34     9:1    Jump                     -> 38\n"
      "; FUNCTION F\n"
      "   35     9:16   VariableMultiplyConstant FUNCTION F Y 2\n"
      "   36     9:16   StoreSingle              FUNCTION F F\n"
      "   37     9:27   ReturnFromProcedure\n"
      "   38     9:0    End\n");
}

// Every example lists: each instruction on a line of its own, every
// operand found (an operand the listing cannot find shows as "?").
TEST(BasicListing, EveryExampleLists) {
  for (const char* name : {"addresses.bas", "arcs.bas", "balls.bas", "catch.bas", "echo.bas", "guess.bas",
                           "mandelbrot.bas", "pig.bas", "scores.bas", "strings.bas"}) {
    SCOPED_TRACE(name);
    std::ifstream file(std::string(BASIC_EXAMPLES_DIR) + "/" + name, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    StartRecording();
    std::vector<BasicDiagnostic> errors;
    const BasicProgramPtr program = BasicCompile(text.str(), name, &errors);
    ASSERT_NE(program, nullptr);
    const std::string listing = BasicListing(*program);
    std::size_t instruction_lines = 0;
    std::istringstream lines(listing);
    for (std::string line; std::getline(lines, line);) {
      if (line.empty() || line[0] == ';') continue;
      ++instruction_lines;
      EXPECT_EQ(line.find(" ?"), std::string::npos) << line;
    }
    EXPECT_EQ(instruction_lines, program->code.instructions.size());
  }
}

}  // namespace
