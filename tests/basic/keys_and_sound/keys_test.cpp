// The keys a program reads (INKEY$, INPUT$, SLEEP), the text cursor
// (LOCATE, CSRLIN, POS) and the statements that only take their time or
// are accepted (BEEP, SOUND, WIDTH, KEY).
#include <gtest/gtest.h>

#include <chrono>

#include "basic/text/input_script.h"
#include "basic/program.h"
#include "runtime/console/key_buffer.h"
#include "runtime/console/text_layer.h"
#include "tests/basic/recording_runtime.h"

namespace {

std::string Bytes(const char* text, std::size_t length) { return std::string(text, length); }

std::string TakeAll() {
  std::string bytes;
  uint8_t byte = 0;
  while (KeyBufferTake(&byte)) bytes += static_cast<char>(byte);
  return bytes;
}

TEST(BasicKeyBuffer, KeepsKeysInOrderAndExtendedKeysAsPairs) {
  KeyBufferClear();
  KeyBufferPutChar('a');
  KeyBufferPutKeyDown(0x26);  // up
  KeyBufferPutKeyDown(0x41);  // the A key: its character comes by WM_CHAR
  KeyBufferPutKeyDown(0x70);  // F1
  KeyBufferPutChar(13);
  EXPECT_EQ(TakeAll(), Bytes("a\0H\0;\r", 6));
}

TEST(BasicKeyBuffer, AFullRingDropsWholeKeys) {
  KeyBufferClear();
  for (int32_t i = 0; i < KeyBufferCapacity - 1; ++i) KeyBufferPutChar('x');
  KeyBufferPutKeyDown(0x28);  // down needs two places; one is left
  KeyBufferPutChar('y');
  KeyBufferPutChar('z');      // no room
  const std::string taken = TakeAll();
  EXPECT_EQ(taken.size(), static_cast<std::size_t>(KeyBufferCapacity));
  EXPECT_EQ(taken.back(), 'y');
  EXPECT_EQ(taken.find('\0'), std::string::npos) << "half a pair was kept";
  EXPECT_FALSE(KeyBufferHasKey());
}

TEST(BasicKeyBuffer, ScanCodesOfThePcKeyboard) {
  const struct {
    uint32_t virtual_key;
    uint8_t scan_code;
    const char* why;
  } cases[] = {
      {0x24, 71, "Home"}, {0x26, 72, "up"},  {0x21, 73, "PgUp"}, {0x25, 75, "left"},
      {0x27, 77, "right"}, {0x23, 79, "End"}, {0x28, 80, "down"}, {0x22, 81, "PgDn"},
      {0x2D, 82, "Ins"},  {0x2E, 83, "Del"}, {0x70, 59, "F1"},   {0x79, 68, "F10"},
      {0x7A, 133, "F11"}, {0x7B, 134, "F12"}, {0x0D, 0, "Enter types a character"},
      {0x41, 0, "so does A"}, {0x10, 0, "Shift alone is no key to a program"},
  };
  for (const auto& c : cases) EXPECT_EQ(ExtendedKeyScanCode(c.virtual_key), c.scan_code) << c.why;
}

TEST(BasicKeys, InkeyTakesTheWindowsKeysOneAtATime) {
  StartRecording();
  const char* source =
      "A$ = INKEY$: B$ = INKEY$: C$ = INKEY$\n"
      "PRINT A$; LEN(B$); ASC(MID$(B$, 2)); LEN(C$)";
  // RunProgram clears the buffer first, so the keys go in by a program
  // that cannot read them.
  std::vector<BasicDiagnostic> errors;
  BasicProgramPtr program = BasicCompile(source, "test.bas", &errors);
  ASSERT_NE(program, nullptr);
  KeyBufferPutChar('q');
  KeyBufferPutKeyDown(0x25);  // left
  BasicRun(program.get(), BasicRunOptions{});
  EXPECT_EQ(TheRecording.printed, "q 2  75  0 \r\n");
}

struct ScriptedRun {
  BasicOutcome outcome;
  std::string message;
  std::string printed;
};

ScriptedRun RunWithKeys(const std::string& source, const std::string& keys) {
  StartRecording();
  std::vector<BasicDiagnostic> errors;
  BasicProgramPtr program = BasicCompile(source, "keys.bas", &errors);
  EXPECT_NE(program, nullptr) << source;
  if (!program) return {};
  InputScript script = InputScript::OfText(keys);
  BasicRunOptions options;
  options.input = &script;
  const BasicRunResult result = BasicRun(program.get(), options);
  return ScriptedRun{result.outcome, result.message, TheRecording.printed};
}

TEST(BasicKeys, ScriptBytesAreKeys) {
  const struct {
    const char* source;
    std::string keys;
    BasicOutcome outcome;
    const char* printed;
    const char* why;
  } cases[] = {
      {"PRINT INKEY$; INKEY$; \"|\"; INKEY$; \"|\"", "ab", BasicOutcome::Ended, "ab||\r\n",
       "one key each, then none"},
      {"K$ = INKEY$: PRINT LEN(K$); ASC(K$); ASC(INKEY$)", "\r\nx", BasicOutcome::Ended, " 1  13  120 \r\n",
       "CR LF is one Enter"},
      {"PRINT ASC(INKEY$)", "\n", BasicOutcome::Ended, " 13 \r\n", "so is LF alone"},
      {"K$ = INKEY$: PRINT LEN(K$); ASC(MID$(K$, 2))", Bytes("\0H", 2), BasicOutcome::Ended, " 2  72 \r\n",
       "NUL and a byte are an extended key"},
      {"PRINT INPUT$(3); \"|\"; INKEY$", "abcd", BasicOutcome::Ended, "abc|d\r\n", "INPUT$ takes exactly n"},
      {"PRINT INPUT$(3)", "ab", BasicOutcome::NoMoreInput, "", "a script too short ends the run"},
      {"SLEEP: PRINT INKEY$", "z", BasicOutcome::Ended, "z\r\n", "SLEEP leaves the key to be read"},
      {"SLEEP: PRINT 1", "", BasicOutcome::NoMoreInput, "", "SLEEP with no key to come"},
      {"INPUT A: PRINT A; INKEY$", "12\nk", BasicOutcome::Ended, "? 12\r\n 12 k\r\n", "INPUT and keys share it"},
      {"K$ = INPUT$(1): INPUT A$: PRINT A$", "xyz\n", BasicOutcome::Ended, "? yz\r\nyz\r\n",
       "a key taken is not typed into the line"},
  };
  for (const auto& c : cases) {
    const ScriptedRun run = RunWithKeys(c.source, c.keys);
    EXPECT_EQ(run.outcome, c.outcome) << c.why << ": " << run.message;
    EXPECT_EQ(run.printed, c.printed) << c.why;
  }
}

TEST(BasicKeys, TheCursorAndPrintAgree) {
  const ProgramCase cases[] = {
      {"LOCATE 5, 10: P = POS(0): PRINT CSRLIN; P", " 5  10 \r\n", "LOCATE counts from 1"},
      {"PRINT \"ab\";: PRINT POS(0)", "ab 3 \r\n", "POS follows PRINT"},
      {"PRINT \"ab\"; POS(0)", "ab 3 \r\n", "even within the PRINT that moves it"},
      {"LOCATE 5, 10: PRINT CSRLIN; POS(0)", " 5  13 \r\n", "CSRLIN's own text moved it"},
      {"PRINT: PRINT: PRINT CSRLIN", "\r\n\r\n 3 \r\n", "CSRLIN follows the line ends"},
      {"LOCATE 4, 7: LOCATE , 2: P = POS(0): PRINT CSRLIN; P", " 4  2 \r\n", "a missing row stays"},
      {"LOCATE 1, 7: LOCATE 6: PRINT POS(0); CSRLIN", " 7  6 \r\n", "a missing column stays"},
      {"LOCATE 1, 5: PRINT TAB(10); \"x\"", "     x\r\n", "TAB counts from the column LOCATE set"},
      {"LOCATE 1, 12: PRINT \"a\", \"b\"", "a  b\r\n", "and so do commas"},
      {"LOCATE 2, 3, 0, 5, 7: PRINT POS(X)", " 3 \r\n", "the cursor's shape is accepted"},
      {"LOCATE: LOCATE ,: LOCATE ,,1: PRINT CSRLIN", " 1 \r\n", "every argument may be left out"},
      {"LOCATE 101, 255: P = POS(0): PRINT CSRLIN; P", " 101  255 \r\n", "the layer's last cell"},
      {"WIDTH 80: WIDTH 40, 25: WIDTH , 43: KEY OFF: KEY ON: KEY LIST: PRINT 1", " 1 \r\n",
       "WIDTH and KEY change nothing"},
  };
  ExpectEachPrints(cases);
}

TEST(BasicKeys, TextPlacedPastTheRowsEndIsShown) {
  ASSERT_EQ(RunProgram("PRINT \"ab\": LOCATE 1, 5: PRINT \"x\";: LOCATE 2, 3").message, "");
  EXPECT_EQ(std::string(TextScreen.characters[0], 6), Bytes("ab  x\0", 6)) << "the gap is spaces";
  EXPECT_EQ(TextScreen.background[0][2], TransparentColor) << "that let the picture through";
  EXPECT_EQ(TextScreen.background[0][4], TextBackColor) << "the text keeps its colours";
  EXPECT_EQ(std::string(TextScreen.characters[1], 3), Bytes("  \0", 3)) << "a LOCATE alone fills too";
}

TEST(BasicKeys, BadArgumentsAreNamed) {
  const struct {
    const char* source;
    const char* message;
    const char* why;
  } run_time[] = {
      {"LOCATE 0", "test.bas:1: LOCATE needs a row from 1 to 101", "rows count from 1"},
      {"LOCATE 102, 1", "test.bas:1: LOCATE needs a row from 1 to 101", "the layer has 101"},
      {"LOCATE 1, 256", "test.bas:1: LOCATE needs a column from 1 to 255", "and 255 columns"},
      {"LOCATE 1E10", "test.bas:1: LOCATE needs a row from 1 to 101", "far out of range"},
      {"SOUND 36, 1", "test.bas:1: SOUND needs a frequency from 37 to 32767", "too low"},
      {"SOUND 440, -1", "test.bas:1: SOUND needs a duration from 0 to 65535", "no negative time"},
      {"SOUND 440, 0 / 0", "test.bas:1: SOUND needs a duration from 0 to 65535", "nor a NaN"},
      {"A$ = INPUT$(0)", "test.bas:1: INPUT$ needs a count from 1 to 32767", "at least one key"},
  };
  for (const auto& c : run_time) {
    const ProgramRun run = RunProgram(c.source);
    EXPECT_EQ(run.outcome, BasicOutcome::RuntimeError) << c.why;
    EXPECT_EQ(run.message, c.message) << c.why;
  }
  const ProgramCase compile_time[] = {
      {"KEY", "1:4: expected ON, OFF or LIST, found end of line", "KEY needs its word"},
      {"KEY(1) OFF", "1:1: KEY(n) is not a statement of this BASIC", "event traps are not ours"},
      {"SOUND 440", "1:10: expected ',', found end of line", "SOUND needs its duration"},
      {"LOCATE 1, 2, 3, 4, 5, 6", "1:21: expected ':' or end of line, found ','", "five arguments at most"},
      {"WIDTH A$", "1:7: expected a number, found a string", "WIDTH takes numbers"},
      {"CONST K$ = INKEY$", "1:12: a constant's value may use only numbers, strings, operators and constants",
       "keys are the run's"},
      {"PRINT POS", "1:10: expected '(', found end of line", "POS needs its dummy"},
      {"INKEY$ = \"a\"", "1:1: expected a statement, found 'INKEY$'", "a function, never a variable"},
  };
  for (const ProgramCase& c : compile_time) {
    EXPECT_EQ(RunProgram(c.source).errors, c.printed) << c.why;
  }
}

TEST(BasicKeys, SoundTakesItsTime) {
  const struct {
    const char* source;
    double least_ms;
    const char* why;
  } cases[] = {
      {"SOUND 440, 1.82", 100, "ticks of 1/18.2 s"},
      {"BEEP", 250, "a quarter of a second"},
      {"SOUND 440, 0", 0, "no time at all"},
  };
  for (const auto& c : cases) {
    const auto start = std::chrono::steady_clock::now();
    const ProgramRun run = RunProgram(c.source);
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    EXPECT_EQ(run.message, "") << c.why;
    EXPECT_GE(ms, c.least_ms) << c.why;
    EXPECT_LT(ms, c.least_ms + 1000) << c.why;
  }
}

}  // namespace
