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

}  // namespace
