// Every example compiles, and those that need no typing run to their end
// with the output they promise.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "basic/basic.h"
#include "tests/basic/app/basic_exe.h"
#include "tests/support/window_harness.h"

namespace {

TEST(Examples, EveryOneCompiles) {
  StartRuntimeOnce();
  for (const char* name : {"balls.bas", "echo.bas", "arcs.bas", "guess.bas", "strings.bas", "pig.bas", "catch.bas", "addresses.bas", "scores.bas", "snake.bas", "rainbow.bas", "tune.bas"}) {
    SCOPED_TRACE(name);
    std::ifstream in(ExampleFile(name), std::ios::binary);
    const std::string source((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_FALSE(source.empty());
    std::vector<BasicDiagnostic> errors;
    EXPECT_TRUE(BasicCompile(source, name, &errors));
    for (const BasicDiagnostic& error : errors) ADD_FAILURE() << BasicFormatDiagnostic(error);
  }
}

TEST(Examples, ArcsRunsToItsEnd) {
  const BasicExeResult result = RunBasicExe("--exit \"" + ExampleFile("arcs.bas") + "\"");
  EXPECT_EQ(result.code, 0u) << result.errors;
}

TEST(Examples, MandelbrotDrawsInScreen13) {
  const BasicExeResult result = RunBasicExe("--exit --echo \"" + ExampleFile("mandelbrot.bas") + "\"");
  EXPECT_EQ(result.code, 0u) << result.errors;
  EXPECT_EQ(result.output, "Mandelbrot set, SCREEN 13\r\n") << "POINT reads the frame";
}

TEST(Examples, StringsPrintsWhatItSays) {
  const BasicExeResult result = RunBasicExe("--exit --echo \"" + ExampleFile("strings.bas") + "\"");
  EXPECT_EQ(result.code, 0u) << result.errors;
  for (const char* line : {"BASIC PROMPT has 12 characters.\r\n", "Backwards: TPMORP CISAB\r\n",
                           "First word: BASIC, last word: PROMPT\r\n", "Letter codes: 66  65  83  73  67 \r\n",
                           "apple comes before banana\r\n"}) {
    EXPECT_NE(result.output.find(line), std::string::npos) << line << "\nin\n" << result.output;
  }
}

}  // namespace
