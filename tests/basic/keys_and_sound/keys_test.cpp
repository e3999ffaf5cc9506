// The keys a program reads (INKEY$, INPUT$, SLEEP), the text cursor
// (LOCATE, CSRLIN, POS) and the statements that only take their time or
// are accepted (BEEP, SOUND, WIDTH, KEY).
#include <gtest/gtest.h>

#include <chrono>

#include "basic/keys_and_sound/sound_queue.h"
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

// Takes the extended keys with an even scan code, and the character 'b'.
bool TakeEvenOrB(const uint8_t* key, int32_t length, void* taken) {
  const bool take = (length == 2 && key[1] % 2 == 0) || (length == 1 && key[0] == 'b');
  if (take) static_cast<std::string*>(taken)->append(reinterpret_cast<const char*>(key), static_cast<std::size_t>(length));
  return take;
}

TEST(BasicKeyBuffer, ExtractTakesWholeKeysAndKeepsTheRestInOrder) {
  KeyBufferClear();
  EXPECT_FALSE(KeyBufferMayHaveKey());
  KeyBufferPutChar('a');
  KeyBufferPutKeyDown(0x26);  // up, 72: taken
  KeyBufferPutChar('b');      // taken
  KeyBufferPutKeyDown(0x25);  // left, 75: kept
  KeyBufferPutChar(0);        // a NUL typed alone, last: a key of one byte
  EXPECT_TRUE(KeyBufferMayHaveKey());
  std::string taken;
  KeyBufferExtract(TakeEvenOrB, &taken);
  EXPECT_EQ(taken, Bytes("\0Hb", 3));
  EXPECT_EQ(TakeAll(), Bytes("a\0K\0", 4));
  EXPECT_FALSE(KeyBufferMayHaveKey());
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

// Keys that no line of text can give: a last line without its line end,
// CR LF, a NUL; the keys that plain lines give are tested by the programs of
// tests/basic/programs/keys_and_sound.
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
      {"K$ = INKEY$: PRINT LEN(K$); ASC(MID$(K$, 2))", Bytes("\0H", 2), BasicOutcome::Ended, " 2  72 \r\n",
       "NUL and a byte are an extended key"},
      {"PRINT INPUT$(3)", "ab", BasicOutcome::NoMoreInput, "", "a script too short ends the run"},
  };
  for (const auto& c : cases) {
    const ScriptedRun run = RunWithKeys(c.source, c.keys);
    EXPECT_EQ(run.outcome, c.outcome) << c.why << ": " << run.message;
    EXPECT_EQ(run.printed, c.printed) << c.why;
  }
}

TEST(BasicKeys, TextPlacedPastTheRowsEndIsShown) {
  ASSERT_EQ(RunProgram("PRINT \"ab\": LOCATE 1, 5: PRINT \"x\";: LOCATE 2, 3").message, "");
  EXPECT_EQ(std::string(TextScreen.characters[0], 6), Bytes("ab  x\0", 6)) << "the gap is spaces";
  EXPECT_EQ(TextScreen.background[0][2], TransparentColor) << "that let the picture through";
  EXPECT_EQ(TextScreen.background[0][4], TextBackColor) << "the text keeps its colours";
  EXPECT_EQ(std::string(TextScreen.characters[1], 3), Bytes("  \0", 3)) << "a LOCATE alone fills too";
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
    // A sound asked for within GapToleranceMs of the last one's end (here
    // the row before's) follows it without a gap, so it may end that much
    // sooner after its program started.
    EXPECT_GE(ms, c.least_ms - GapToleranceMs) << c.why;
    EXPECT_LT(ms, c.least_ms + 1000) << c.why;
  }
}

}  // namespace
