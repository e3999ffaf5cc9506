// The two file examples, run twice each in a fresh folder: what the first
// run writes, the second reads back.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "tests/basic/files/temp_folder.h"
#include "tests/basic/recording_runtime.h"

namespace {

std::string Example(const std::string& name) {
  std::ifstream in(std::string(BASIC_EXAMPLES_DIR) + "/" + name, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void ExpectPrinted(const ProgramRun& run, const std::string& line) {
  EXPECT_NE(run.printed.find(line + "\r\n"), std::string::npos) << "no line \"" << line << "\" in\n" << run.printed;
}

class FileExamples : public TempFolderTest {};

TEST_F(FileExamples, TheAddressBookKeepsItsRecords) {
  const std::string source = Example("addresses.bas");
  const ProgramRun first =
      RunProgram(source, {"Ada Lovelace", "555-0100", "36, 12.5", "Grace", "555-0199", "85, 1234.5", ""});
  ASSERT_EQ(first.outcome, BasicOutcome::Ended) << first.errors << first.message;
  ExpectPrinted(first, "No address book yet: a new one is started.");
  EXPECT_EQ(ReadWhole("ADDRESS.DAT").size(), 2u * 34) << "two records of 16 + 12 + 2 + 4 bytes";

  const ProgramRun second = RunProgram(source, {""});
  ASSERT_EQ(second.outcome, BasicOutcome::Ended) << second.errors << second.message;
  EXPECT_EQ(second.printed.find("No address book"), std::string::npos) << second.printed;
  ExpectPrinted(second, "The book holds 2 entries.");
  ExpectPrinted(second, "Ada Lovelace     555-0100      36       $12.50");
  ExpectPrinted(second, "Grace            555-0199      85    $1,234.50");
  ExpectPrinted(second, "Owed in all:                        $1,247.00");
}

TEST_F(FileExamples, TheScoresStayInOrderBetweenRuns) {
  const std::string source = Example("scores.bas");
  const ProgramRun first = RunProgram(source, {"BOB", "5", "0", "18", "0", "0"});
  ASSERT_EQ(first.outcome, BasicOutcome::Ended) << first.errors << first.message;
  ExpectPrinted(first, "NO SCORES YET.");
  ExpectPrinted(first, "BOB, YOU SCORED 2 OF 5.");

  const ProgramRun second = RunProgram(source, {"ADA", "5", "42", "18", "200", "77"});
  ASSERT_EQ(second.outcome, BasicOutcome::Ended) << second.errors << second.message;
  ExpectPrinted(second, "ADA         5 ");
  EXPECT_LT(second.printed.find("ADA         5"), second.printed.find("BOB         2")) << second.printed;
  EXPECT_EQ(ReadWhole("SCORES.TXT"), "\"ADA\",5\r\n\"BOB\",2\r\n");
}

}  // namespace
