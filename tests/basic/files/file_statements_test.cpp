// The file statements from the program's side, byte for byte: what a
// program writes is on the disk exactly so (CR LF line ends, the numbers'
// bytes low first), and what is on the disk reads back as INPUT # and LINE
// INPUT # cut it. Each row runs in a fresh folder.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/basic/files/temp_folder.h"
#include "tests/basic/recording_runtime.h"

namespace {

class FileStatementsTest : public TempFolderTest {};

// What a run left in F.BIN: a printable form for the failure messages.
std::string Shown(const std::string& bytes) {
  std::string shown;
  for (const unsigned char byte : bytes) {
    if (byte >= 32 && byte < 127) {
      shown += static_cast<char>(byte);
    } else {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\x%02X", byte);
      shown += escape;
    }
  }
  return shown;
}

TEST_F(FileStatementsTest, WriteTheirBytesExactly) {
  const struct {
    const char* source;
    std::string bytes;
    const char* why;
  } cases[] = {
      {"OPEN \"F.BIN\" FOR OUTPUT AS #1: PRINT #1, 1; \"A\"", " 1 A\r\n", "PRINT's spaces, CR LF"},
      {"OPEN \"F.BIN\" FOR OUTPUT AS #1: PRINT #1, -1.5", "-1.5 \r\n", "a minus in the sign's place"},
      {"OPEN \"F.BIN\" FOR OUTPUT AS #1: PRINT #1, \"X\", \"Y\"", "X             Y\r\n", "zones of 14"},
      {"OPEN \"F.BIN\" FOR OUTPUT AS #1: PRINT #1, \"A\";: PRINT #1, TAB(3); \"B\"", "A B\r\n",
       "the file's column is kept from one PRINT # to the next"},
      {"OPEN \"F.BIN\" FOR OUTPUT AS #1: WRITE #1, 1, \"a b\", -.5, 1E+20", "1,\"a b\",-.5,1E+20\r\n",
       "WRITE: quotes, no spaces"},
      {"OPEN \"F.BIN\" FOR OUTPUT AS #1: WRITE #1,", "\r\n", "WRITE # alone"},
      {"OPEN \"F.BIN\" FOR OUTPUT AS #1: PRINT #1, USING \"##.##\"; 1.25; -2", " 1.25-2.00\r\n",
       "PRINT # USING reuses its format"},
      {"OPEN \"F.BIN\" FOR OUTPUT AS #1: PRINT #1, \"no end\";", "no end", "no line end after a ';'"},
      {"OPEN \"F.BIN\" FOR BINARY AS #1: I% = 258: PUT #1, , I%", "\x02\x01", "an INTEGER, low byte first"},
      {"OPEN \"F.BIN\" FOR BINARY AS #1: L& = -1: PUT #1, , L&", "\xFF\xFF\xFF\xFF", "a LONG"},
      {"OPEN \"F.BIN\" FOR BINARY AS #1: S! = 1: PUT #1, , S!", std::string("\0\0\x80\x3F", 4), "a SINGLE"},
      {"OPEN \"F.BIN\" FOR BINARY AS #1: D# = 1: PUT #1, , D#", std::string("\0\0\0\0\0\0\xF0\x3F", 8), "a DOUBLE"},
      {"OPEN \"F.BIN\" FOR BINARY AS #1: A$ = \"xyz\": PUT #1, 3, A$", std::string("\0\0xyz", 5),
       "a string at byte 3: the gap reads as zeros"},
      {"OPEN \"F.BIN\" FOR RANDOM AS #1 LEN = 4: FIELD #1, 4 AS A$: RSET A$ = \"ab\": PUT #1, 2",
       std::string("\0\0\0\0  ab", 8), "record 2 of a FIELD buffer"},
      {"OPEN \"F.BIN\" FOR RANDOM AS #1 LEN = 6: S$ = \"hi\": PUT #1, , S$", std::string("\x02\0hi\0\0", 6),
       "a string in a random record: its length first, the record filled"},
      {"OPEN \"O\", #1, \"F.BIN\": PRINT #1, \"old\": CLOSE: OPEN \"A\", 1, \"F.BIN\": PRINT #1, \"new\"",
       "old\r\nnew\r\n", "the classic form's letters, APPEND"},
  };
  for (const auto& c : cases) {
    Empty();
    const ProgramRun run = RunProgram(c.source);
    EXPECT_TRUE(run.compiled) << c.why << ": " << run.errors;
    EXPECT_EQ(run.message, "") << c.why;
    EXPECT_EQ(Shown(ReadWhole("F.BIN")), Shown(c.bytes)) << c.why << ": " << c.source;
  }
}

TEST_F(FileStatementsTest, ReadBytesAsInputCutsThem) {
  const struct {
    std::string bytes;
    const char* source;
    const char* printed;
    const char* why;
  } cases[] = {
      {"1,2\r\n3", "INPUT #1, A, B, C: PRINT A; B; C", " 1  2  3 \r\n", "the last item needs no line end"},
      {"\"a,b\",c\n", "INPUT #1, A$, B$: PRINT A$; \"|\"; B$", "a,b|c\r\n", "a quoted comma; LF alone ends a line"},
      {"x\x1Ay\r\n", "LINE INPUT #1, A$: PRINT A$; EOF(1)", "x-1 \r\n", "Ctrl-Z ends a text file"},
      {"abc", "LINE INPUT #1, A$: PRINT A$; EOF(1)", "abc-1 \r\n", "a last line without its end"},
      {"  12  ,  word  \r\n", "INPUT #1, A%, B$: PRINT A%; \"[\"; B$; \"]\"", " 12 [word]\r\n",
       "blanks around items dropped"},
      {"&HFF 1D2", "INPUT #1, A, B#: PRINT A; B#", " 255  100 \r\n", "numbers as VAL reads them"},
      {"abcdef", "PRINT INPUT$(2, #1); INPUT$(3, 1); LOC(1)", "abcde 0 \r\n", "INPUT$ of a file, both forms"},
  };
  for (const auto& c : cases) {
    Empty();
    WriteWhole("F.BIN", c.bytes);
    const ProgramRun run = RunProgram(std::string("OPEN \"F.BIN\" FOR INPUT AS #1: ") + c.source);
    EXPECT_EQ(run.message, "") << c.why;
    EXPECT_EQ(run.printed, c.printed) << c.why << ": " << c.source;
  }
}

// Whatever way a run ends, its files are closed: what it wrote is on the
// disk, and the next run may open the file again under any number.
TEST_F(FileStatementsTest, AreClosedWhenTheRunEnds) {
  const char* const endings[] = {"END", "STOP", "X = 1 / 0", ""};
  for (const char* ending : endings) {
    Empty();
    RunProgram(std::string("OPEN \"F.BIN\" FOR OUTPUT AS #1: PRINT #1, \"kept\";: ") + ending);
    EXPECT_EQ(ReadWhole("F.BIN"), "kept") << ending;
    const ProgramRun again = RunProgram("OPEN \"F.BIN\" FOR APPEND AS #1: PRINT #1, \"!\";");
    EXPECT_EQ(again.message, "") << ending;
    EXPECT_EQ(ReadWhole("F.BIN"), "kept!") << ending;
  }
}

// LPRINT's printer is standard output under --echo, and nothing otherwise;
// never the screen.
TEST_F(FileStatementsTest, LprintWritesToStandardOutputOnlyWhenEchoing) {
  for (const bool echo : {true, false}) {
    StartRecording();
    std::vector<BasicDiagnostic> errors;
    BasicProgramPtr program = BasicCompile("LPRINT \"p\"; 1: LPRINT USING \"##\"; 2\n", "t.bas", &errors);
    ASSERT_NE(program, nullptr);
    BasicRunOptions options;
    options.echo = echo;
    testing::internal::CaptureStdout();
    BasicRun(program.get(), options);
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(out, echo ? "p 1 \n 2\n" : "") << "echo " << echo;
    EXPECT_EQ(TheRecording.printed, "") << "echo " << echo;
  }
}

}  // namespace
