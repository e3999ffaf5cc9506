// A classic listing, as such programs were printed: line numbers, TAB for the
// title, DATA, DEF FN, ON GOTO and ON GOSUB. It runs as written, and a
// script of answers plays it to its end.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "tests/basic/recording_runtime.h"

namespace {

std::string Example(const char* name) {
  std::ifstream in(std::string(BASIC_EXAMPLES_DIR) + "/" + name, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

TEST(BasicListing, PigPlaysToItsEnd) {
  const std::string source = Example("pig.bas");
  ASSERT_FALSE(source.empty());
  // Holding after every roll: the game ends within a few dozen turns.
  const ProgramRun run = RunProgram(source, std::vector<std::string>(200, "2"));
  ASSERT_EQ(run.errors, "");
  EXPECT_EQ(run.message, "");
  EXPECT_EQ(run.outcome, BasicOutcome::Ended);
  const std::string title = std::string(33, ' ') + "PIG\r\n" + std::string(21, ' ') +
                            "A DICE GAME AGAINST THE COMPUTER\r\n\r\n\r\n\r\n";
  EXPECT_EQ(run.printed.substr(0, title.size()), title) << run.printed.substr(0, 200);
  EXPECT_NE(run.printed.find("THE FIRST TO 50 POINTS WINS."), std::string::npos);
  EXPECT_NE(run.printed.find("THE WINNER: "), std::string::npos) << run.printed;
}

}  // namespace
