// The script of typed lines (basic.exe --input) and INPUT reading from it.
#include <gtest/gtest.h>

#include "basic/text/input_script.h"
#include "basic/program.h"
#include "tests/basic/recording_runtime.h"

namespace {

// Every line the script gives, each followed by '|'.
std::string AllLines(InputScript script) {
  std::string lines;
  std::string line;
  while (script.NextLine(&line)) lines += line + "|";
  return lines;
}

TEST(BasicInputScript, CutsLinesAsTypingWould) {
  const std::string long_line(300, 'x');
  const std::string kept(255, 'x');
  const struct {
    std::string bytes;
    std::string lines;
    const char* why;
  } cases[] = {
      {"", "", "an empty script has no line"},
      {"a\nb\n", "a|b|", "LF ends lines"},
      {"a\r\nb\r\n", "a|b|", "so does CR LF"},
      {"a\nb", "a|b|", "a last line without its LF counts"},
      {"\n\n", "||", "empty lines are lines"},
      {"a\rb\r\n", "a\rb|", "a lone CR stays in the line"},
      {std::string("a\0b\n", 4), std::string("a\0b|", 4), "NUL is a byte like another"},
      {long_line + "\nnext\n", kept + "|next|", "a long line keeps 255 bytes; the next line is whole"},
      {kept + "\r\n", kept + "|", "a CR LF just past the limit"},
      {std::string(254, 'x') + "\r\r\n", std::string(254, 'x') + "\r|", "the kept CR is not the line end's"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(AllLines(InputScript::OfText(c.bytes)), c.lines) << c.why;
  }
}

TEST(BasicInputScript, ReadsOnlyAsFarAsTheLineItGives) {
  // A terminal gives what was typed so far; the script must not wait for
  // more before it hands out a line it already has.
  std::vector<std::string> chunks = {"first\nsec", "ond\n", "third"};
  std::size_t reads = 0;
  InputScript script([&](char* buffer, std::size_t size) -> std::size_t {
    if (reads == chunks.size()) return 0;
    const std::string& chunk = chunks[reads++];
    EXPECT_LE(chunk.size(), size);
    chunk.copy(buffer, chunk.size());
    return chunk.size();
  });
  std::string line;
  ASSERT_TRUE(script.NextLine(&line));
  EXPECT_EQ(line, "first");
  EXPECT_EQ(reads, 1u);
  ASSERT_TRUE(script.NextLine(&line));
  EXPECT_EQ(line, "second");
  EXPECT_EQ(reads, 2u);
  ASSERT_TRUE(script.NextLine(&line));
  EXPECT_EQ(line, "third");
  EXPECT_FALSE(script.NextLine(&line));
  EXPECT_FALSE(script.NextLine(&line)) << "an ended script stays ended";
  EXPECT_EQ(script.LinesRead(), 3u);
}

struct ScriptedRun {
  BasicRunResult result;
  std::string printed;
};

ScriptedRun RunScripted(const std::string& source, const std::string& script_text) {
  StartRecording();
  std::vector<BasicDiagnostic> errors;
  BasicProgramPtr program = BasicCompile(source, "game.bas", &errors);
  EXPECT_NE(program, nullptr) << source;
  if (!program) return {};
  InputScript script = InputScript::OfText(script_text);
  BasicRunOptions options;
  options.input = &script;
  const BasicRunResult result = BasicRun(program.get(), options);
  return ScriptedRun{result, TheRecording.printed};
}

TEST(BasicInputScript, InputReadsItsLinesAsIfTyped) {
  const struct {
    const char* source;
    std::string script;
    BasicOutcome outcome;
    const char* printed;  // the window's text: prompts, lines read, output
    const char* message;
    const char* why;
  } cases[] = {
      {"INPUT \"Name\"; N$: PRINT \"Hi \"; N$", "Ann\n", BasicOutcome::Ended, "Name? Ann\r\nHi Ann\r\n", "",
       "the line shows after its prompt"},
      {"INPUT A, B: PRINT A + B", "1\n2, 3\r\n", BasicOutcome::Ended, "? 1\r\n?Redo from start\r\n? 2, 3\r\n 5 \r\n",
       "", "a line that does not fit asks for the next"},
      {"INPUT A\nINPUT B\nPRINT A", "7", BasicOutcome::NoMoreInput, "? 7\r\n? ", "game.bas:2: no more input",
       "the INPUT that finds the script ended stops the run"},
      {"10 PRINT \"go\"\n20 INPUT X", "", BasicOutcome::NoMoreInput, "go\r\n? ",
       "game.bas:2 (line 20): no more input", "with the program's line number"},
      {"INPUT A$", std::string("ab\0cd\n", 6), BasicOutcome::Ended, "? ab\r\n", "",
       "a NUL ends the line, as in the window"},
  };
  for (const auto& c : cases) {
    const ScriptedRun run = RunScripted(c.source, c.script);
    EXPECT_EQ(run.result.outcome, c.outcome) << c.why;
    EXPECT_EQ(run.printed, c.printed) << c.why;
    EXPECT_EQ(run.result.message, c.message) << c.why;
  }
  EXPECT_TRUE(TheRecording.input.empty() && TheRecording.inputs_past_script == 0)
      << "a scripted run never waits on the window";
}

}  // namespace
