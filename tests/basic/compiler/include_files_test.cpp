// '$INCLUDE: the metacommand's forms, and where messages about included
// lines point.
#include <gtest/gtest.h>

#include <map>

#include "basic/compiler/include_files.h"
#include "basic/program.h"
#include "tests/basic/recording_runtime.h"

namespace {

TEST(BasicIncludes, NameTheFileOnlyInTheMetacommandsForm) {
  const struct {
    const char* line;
    const char* name;
    const char* why;
  } cases[] = {
      {"'$INCLUDE: 'qb.bi'", "qb.bi", "the usual form"},
      {"REM $include:'a b.bi'", "a b.bi", "after REM, any case, a space in the name"},
      {"x = 1 ' $INCLUDE : 'c.bi' and more", "c.bi", "after a statement; text after the name"},
      {"PRINT \"'$INCLUDE: 'no.bi'\"", "", "inside a string it is text"},
      {"' see $INCLUDE: 'no.bi'", "", "only at the comment's start"},
      {"'$INCLUDE 'no.bi'", "", "the colon is needed"},
      {"'$INCLUDE: 'unclosed", "", "an unclosed name is no name"},
      {"'$INCLUDES: 'no.bi'", "", "another word"},
  };
  for (const auto& c : cases) EXPECT_EQ(IncludedName(c.line), c.name) << c.line << ": " << c.why;
}

// Compiles main.bas with its includes from the map, runs it, and gives
// every message as basic.exe shows them.
std::string Messages(const std::map<std::string, std::string>& files) {
  const BasicIncludeReader read = [&files](const std::string& name, std::string* text, std::string* error) {
    const auto file = files.find(name);
    if (file == files.end()) *error = "not found";
    else *text = file->second;
    return file != files.end();
  };
  StartRecording();
  std::vector<BasicDiagnostic> errors;
  BasicSourceText text;
  std::string messages;
  if (BasicReadIncludes(files.at("main.bas"), "main.bas", read, &text, &errors)) {
    BasicProgramPtr program = BasicCompile(text, "main.bas", &errors);
    if (program) {
      const BasicRunResult result = BasicRun(program.get(), BasicRunOptions{});
      if (result.outcome != BasicOutcome::Ended) messages += BasicFormatRunMessage(result);
    }
  }
  for (const BasicDiagnostic& error : errors) messages = BasicFormatDiagnostic(error) + messages;
  return TheRecording.printed + messages;
}

TEST(BasicIncludes, MessagesNameTheFileAndLineTheyCameFrom) {
  const struct {
    std::map<std::string, std::string> files;
    const char* messages;
    const char* why;
  } cases[] = {
      {{{"main.bas", "'$INCLUDE: 'a.bi'\nPRINT 1 +\n"}, {"a.bi", "X = 1\n"}},
       "main.bas:2:10: expected an expression, found end of line\r\nPRINT 1 +\r\n         ^\r\n",
       "the program's own line keeps its number, after an included line"},
      {{{"main.bas", "'$INCLUDE: 'a.bi'\nCALL Fail\n"}, {"a.bi", "SUB Fail\n  ERROR 5\nEND SUB\n"}},
       "a.bi:2: Illegal function call (error 5)\r\n  ERROR 5\r\n  ^\r\n",
       "a run-time error in an included line"},
      {{{"main.bas", "10 '$INCLUDE: 'a.bi'\n20 GOTO 40\n30 PRINT \"unreached\"\n"}, {"a.bi", "CONST A = 1\n"}},
       "main.bas:2 (line 20): Undefined line number (error 8): no line 40\r\n20 GOTO 40\r\n   ^\r\n",
       "an include without numbers leaves the program a numbered one"},
      {{{"main.bas", "'$INCLUDE: 'a.bi'\n"}, {"a.bi", "'$INCLUDE: 'b.bi'\n"}, {"b.bi", "'$INCLUDE: 'a.bi'\n"}},
       "b.bi:1:1: a.bi includes itself\r\n'$INCLUDE: 'a.bi'\r\n^\r\n",
       "a cycle through two files"},
  };
  for (const auto& c : cases) EXPECT_EQ(Messages(c.files), c.messages) << c.why;
}

// Each file including the next twice, 16 deep, would make 2^16 copies of
// the last; a file including a missing one a thousand times, a thousand
// errors. Both stop early, with an error.
TEST(BasicIncludes, StopGrowingAndReportingInTime) {
  std::string big(1 << 20, '\'');
  big += "\n";
  const BasicIncludeReader read = [&big](const std::string& name, std::string* text, std::string*) {
    *text = name == "big.bi" ? big : "'$INCLUDE: 'big.bi'\n'$INCLUDE: 'big.bi'\n";
    return true;
  };
  std::vector<BasicDiagnostic> errors;
  BasicSourceText text;
  std::string source;
  for (int i = 0; i < 40; ++i) source += "'$INCLUDE: 'twice.bi'\n";
  EXPECT_FALSE(BasicReadIncludes(source, "main.bas", read, &text, &errors));
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0].message, "the program with its includes is larger than 64 MB");
  EXPECT_LE(text.text.size(), MaxIncludedBytes + big.size() + 64);

  const BasicIncludeReader none = [](const std::string&, std::string*, std::string* error) {
    *error = "not found";
    return false;
  };
  source.clear();
  for (int i = 0; i < 1000; ++i) source += "'$INCLUDE: 'gone.bi'\n";
  errors.clear();
  text = BasicSourceText();
  EXPECT_FALSE(BasicReadIncludes(source, "main.bas", none, &text, &errors));
  EXPECT_EQ(errors.size(), MaxIncludeErrors);
}

}  // namespace
