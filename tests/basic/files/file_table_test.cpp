// The file table on real files, each test in a folder of its own: every
// mode's round trip, the errors, two numbers on one file, the edges of
// random and binary files, positions, and the devices.
#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <string>
#include <vector>

#include "basic/files/file_table.h"
#include "tests/basic/files/temp_folder.h"

namespace {

using FileTableTest = TempFolderTest;

OpenRequest For(FileMode mode, std::optional<int32_t> record_length = std::nullopt,
                FileAccess access = FileAccess::Default) {
  OpenRequest request;
  request.mode = mode;
  request.record_length = record_length;
  request.access = access;
  return request;
}

std::string AllBytes() {
  std::string bytes;
  for (int byte = 0; byte < 256; ++byte) bytes += static_cast<char>(byte);
  return bytes;
}

TEST_F(FileTableTest, EveryModeWritesWhatItIsGivenAndReadsItBack) {
  const std::string bytes = AllBytes();
  {
    FileTable files;
    ASSERT_EQ(files.Open(1, "SEQ.TXT", For(FileMode::Output)), RunError::None);
    ASSERT_EQ(files.Write(1, bytes), RunError::None);
    ASSERT_EQ(files.Open(2, "REC.DAT", For(FileMode::Random, 256)), RunError::None);
    ASSERT_EQ(files.Put(2, 2, bytes), RunError::None);
    ASSERT_EQ(files.Put(2, 1, std::string(256, 'r')), RunError::None);
    ASSERT_EQ(files.Open(3, "BIN.DAT", For(FileMode::Binary)), RunError::None);
    ASSERT_EQ(files.Put(3, 1, bytes), RunError::None);
    ASSERT_EQ(files.Put(3, std::nullopt, bytes), RunError::None);
  }  // the table's end closes them
  EXPECT_EQ(ReadWhole("SEQ.TXT"), bytes) << "no line end translated, no end mark added";
  EXPECT_EQ(ReadWhole("REC.DAT"), std::string(256, 'r') + bytes);
  EXPECT_EQ(ReadWhole("BIN.DAT"), bytes + bytes);

  FileTable files;
  ASSERT_EQ(files.Open(1, "SEQ.TXT", For(FileMode::Append)), RunError::None);
  ASSERT_EQ(files.Write(1, "more\r\n"), RunError::None);
  ASSERT_EQ(files.Close(1), RunError::None);
  EXPECT_EQ(ReadWhole("SEQ.TXT"), bytes + "more\r\n") << "APPEND keeps what is there";

  std::string got;
  ASSERT_EQ(files.Open(2, "REC.DAT", For(FileMode::Random, 256)), RunError::None);
  ASSERT_EQ(files.Get(2, 2, 256, &got), RunError::None);
  EXPECT_EQ(got, bytes) << "a record of every byte value";
  ASSERT_EQ(files.Open(3, "BIN.DAT", For(FileMode::Binary)), RunError::None);
  ASSERT_EQ(files.Get(3, 257, 256, &got), RunError::None);
  EXPECT_EQ(got, bytes);
  ASSERT_EQ(files.Open(4, "SEQ.TXT", For(FileMode::Input)), RunError::None);
  ASSERT_EQ(files.ReadCount(4, 26, &got), RunError::None);
  EXPECT_EQ(got, bytes.substr(0, 26)) << "INPUT$ reads bytes up to the Ctrl-Z";
}

TEST_F(FileTableTest, TextWrittenByPrintAndWriteReadsBackAsItems) {
  FileTable files;
  ASSERT_EQ(files.Open(1, "ADDRESS.TXT", For(FileMode::Output)), RunError::None);
  ASSERT_EQ(files.Write(1, "\"Ann, Lee\",\"12 Elm St\",42\r\n"), RunError::None);  // WRITE #'s text
  ASSERT_EQ(files.Write(1, " 3.5 \t-7 \r\nlast line\r\n"), RunError::None);          // PRINT #'s text
  ASSERT_EQ(files.Close(1), RunError::None);
  ASSERT_EQ(files.Open(1, "ADDRESS.TXT", For(FileMode::Input)), RunError::None);
  const std::vector<std::pair<InputItemKind, std::string>> items = {
      {InputItemKind::String, "Ann, Lee"}, {InputItemKind::String, "12 Elm St"}, {InputItemKind::Number, "42"},
      {InputItemKind::Number, "3.5"},      {InputItemKind::Number, "-7"},
  };
  std::string got;
  for (const auto& [kind, want] : items) {
    ASSERT_EQ(files.ReadItem(1, kind, &got), RunError::None) << want;
    EXPECT_EQ(got, want);
  }
  ASSERT_EQ(files.ReadLine(1, &got), RunError::None);
  EXPECT_EQ(got, "last line");
  bool at_end = false;
  ASSERT_EQ(files.AtEnd(1, &at_end), RunError::None);
  EXPECT_TRUE(at_end);
  EXPECT_EQ(files.ReadLine(1, &got), RunError::InputPastEndOfFile);
}

TEST_F(FileTableTest, BadCasesGiveTheClassicErrors) {
  WriteWhole("DATA.TXT", "1,2\r\n");
  std::filesystem::create_directory("SUB");
  std::string got;
  bool flag = false;
  int64_t value = 0;
  using Operation = std::function<RunError(FileTable&)>;
  const struct {
    Operation operation;
    RunError expected;
    const char* why;
  } cases[] = {
      {[](FileTable& f) { return f.Open(0, "X", For(FileMode::Output)); }, RunError::BadFileNameOrNumber, "numbers start at 1"},
      {[](FileTable& f) { return f.Open(256, "X", For(FileMode::Output)); }, RunError::BadFileNameOrNumber, "and end at 255"},
      {[](FileTable& f) { return f.Open(1, "X", For(FileMode::Output)); }, RunError::FileAlreadyOpen, "number 1 is in use"},
      {[](FileTable& f) { return f.Open(9, "", For(FileMode::Output)); }, RunError::BadFileName, "an empty name"},
      {[](FileTable& f) { return f.Open(9, "A*.TXT", For(FileMode::Output)); }, RunError::BadFileName, "a wildcard"},
      {[](FileTable& f) { return f.Open(9, "A|B", For(FileMode::Output)); }, RunError::BadFileName, "a character Windows refuses"},
      {[](FileTable& f) { return f.Open(9, "A\nB", For(FileMode::Output)); }, RunError::BadFileName, "a control byte"},
      {[](FileTable& f) { return f.Open(9, "AB:C", For(FileMode::Output)); }, RunError::BadFileName, "a colon that is no drive's"},
      {[](FileTable& f) { return f.Open(9, "\\\\.\\PHYSICALDRIVE0", For(FileMode::Output)); }, RunError::BadFileName, "the system's device space"},
      {[](FileTable& f) { return f.Open(9, std::string(256, 'a'), For(FileMode::Output)); }, RunError::BadFileName, "too long"},
      {[](FileTable& f) { return f.Open(9, "SUB\\", For(FileMode::Output)); }, RunError::BadFileName, "a folder's name with its separator"},
      {[](FileTable& f) { return f.Open(9, "MISSING.TXT", For(FileMode::Input)); }, RunError::FileNotFound, "INPUT needs the file"},
      {[](FileTable& f) { return f.Open(9, "MISSING.TXT", For(FileMode::Random, 8, FileAccess::Read)); }, RunError::FileNotFound, "so does ACCESS READ"},
      {[](FileTable& f) { return f.Open(9, "NODIR\\X.TXT", For(FileMode::Input)); }, RunError::PathNotFound, "a missing folder"},
      {[](FileTable& f) { return f.Open(9, "NODIR/X.TXT", For(FileMode::Output)); }, RunError::PathNotFound, "also for OUTPUT, and with /"},
      {[](FileTable& f) { return f.Open(9, "Q:\\X.TXT", For(FileMode::Output)); }, RunError::PathNotFound, "a drive not there (none is, off Windows)"},
      {[](FileTable& f) { return f.Open(9, "SUB", For(FileMode::Input)); }, RunError::PathFileAccessError, "a folder is no file"},
      {[](FileTable& f) { return f.Open(9, "DATA.TXT", For(FileMode::Output)); }, RunError::FileAlreadyOpen, "open for INPUT under 1: no OUTPUT beside it"},
      {[](FileTable& f) { return f.Open(9, "OUT.TXT", For(FileMode::Input)); }, RunError::FileAlreadyOpen, "open for OUTPUT under 2: nothing beside it"},
      {[](FileTable& f) { return f.Open(9, "SUB\\..\\OUT.TXT", For(FileMode::Random)); }, RunError::FileAlreadyOpen, "the same file by another name"},
      {[](FileTable& f) { return f.Open(9, "X", For(FileMode::Random, 0)); }, RunError::BadRecordLength, "LEN=0"},
      {[](FileTable& f) { return f.Open(9, "X", For(FileMode::Random, 32768)); }, RunError::BadRecordLength, "LEN past 32767"},
      {[](FileTable& f) { return f.Open(9, "X", For(FileMode::Output, INT32_MIN)); }, RunError::BadRecordLength, "a NaN's conversion"},
      {[](FileTable& f) { return f.Open(9, "X", For(FileMode::Input, std::nullopt, FileAccess::Write)); }, RunError::BadFileMode, "INPUT that may only write"},
      {[](FileTable& f) { return f.Open(9, "X", For(FileMode::Output, std::nullopt, FileAccess::Read)); }, RunError::BadFileMode, "OUTPUT that may only read"},
      {[](FileTable& f) { return f.Open(9, "COM1:9600,N,8,1", For(FileMode::Random)); }, RunError::DeviceUnavailable, "no serial port"},
      {[](FileTable& f) { return f.Open(9, "SCRN:", For(FileMode::Input)); }, RunError::BadFileMode, "the screen is not read"},
      {[](FileTable& f) { return f.Open(9, "KYBD:", For(FileMode::Output)); }, RunError::BadFileMode, "the keyboard is not written"},
      {[](FileTable& f) { return f.Write(1, "x"); }, RunError::BadFileMode, "writing a file opened FOR INPUT"},
      {[&](FileTable& f) { return f.ReadItem(2, InputItemKind::Number, &got); }, RunError::BadFileMode, "reading one opened FOR OUTPUT"},
      {[&](FileTable& f) { return f.ReadLine(3, &got); }, RunError::BadFileMode, "LINE INPUT # of a random file"},
      {[&](FileTable& f) { return f.AtEnd(2, &flag); }, RunError::BadFileMode, "EOF of an OUTPUT file"},
      {[&](FileTable& f) { return f.Get(1, 1, 1, &got); }, RunError::BadFileMode, "GET of an INPUT file"},
      {[](FileTable& f) { return f.Write(7, "x"); }, RunError::BadFileNameOrNumber, "a number not open"},
      {[&](FileTable& f) { return f.Get(3, 0, 4, &got); }, RunError::BadRecordNumber, "record 0"},
      {[&](FileTable& f) { return f.Get(3, -5, 4, &got); }, RunError::BadRecordNumber, "a negative record"},
      {[&](FileTable& f) { return f.Get(3, INT32_MIN, 4, &got); }, RunError::BadRecordNumber, "a NaN's conversion"},
      {[&](FileTable& f) { return f.Get(3, 2147483648LL, 4, &got); }, RunError::BadRecordNumber, "past 2^31-1"},
      {[&](FileTable& f) { return f.Get(3, 600000000, 4, &got); }, RunError::BadRecordNumber, "a record past 2^31-1 bytes"},
      {[](FileTable& f) { return f.Put(3, 1, "12345"); }, RunError::BadRecordLength, "a record longer than LEN"},
      {[&](FileTable& f) { return f.Get(4, 2147483647, 2, &got); }, RunError::BadRecordNumber, "bytes past 2^31-1"},
      {[&](FileTable& f) { return f.Get(4, 1, 40000, &got); }, RunError::IllegalFunctionCall, "longer than a string can be"},
      {[](FileTable& f) { return f.Seek(3, 0); }, RunError::BadRecordNumber, "SEEK to record 0"},
      {[](FileTable& f) { return f.Seek(1, -1); }, RunError::BadRecordNumber, "SEEK before the first byte"},
      {[&](FileTable& f) { return f.ReadCount(1, 0, &got); }, RunError::IllegalFunctionCall, "INPUT$(0)"},
      {[&](FileTable& f) { return f.ReadCount(1, 32768, &got); }, RunError::IllegalFunctionCall, "INPUT$ past 32767"},
      {[&](FileTable& f) { return f.ReadCount(1, 6, &got); }, RunError::InputPastEndOfFile, "INPUT$ of more than is left"},
      {[&](FileTable& f) { return f.Length(5, &value); }, RunError::BadFileMode, "LOF of the screen"},
      {[](FileTable& f) { return f.Close(0); }, RunError::BadFileNameOrNumber, "CLOSE #0"},
      {[](FileTable& f) { return f.Close(9); }, RunError::None, "CLOSE of a number not open is let be"},
  };
  for (const auto& c : cases) {
    FileTable files;
    ASSERT_EQ(files.Open(1, "DATA.TXT", For(FileMode::Input)), RunError::None);
    ASSERT_EQ(files.Open(2, "OUT.TXT", For(FileMode::Output)), RunError::None);
    ASSERT_EQ(files.Open(3, "REC.DAT", For(FileMode::Random, 4)), RunError::None);
    ASSERT_EQ(files.Open(4, "BIN.DAT", For(FileMode::Binary)), RunError::None);
    ASSERT_EQ(files.Open(5, "SCRN:", For(FileMode::Output)), RunError::None);
    EXPECT_EQ(c.operation(files), c.expected) << c.why;
  }
}

TEST_F(FileTableTest, TwoNumbersOnOneFile) {
  WriteWhole("DATA.TXT", "first\r\nsecond\r\n");
  FileTable files;
  std::string got;
  ASSERT_EQ(files.Open(1, "DATA.TXT", For(FileMode::Input)), RunError::None);
  ASSERT_EQ(files.Open(2, "DATA.TXT", For(FileMode::Input)), RunError::None) << "INPUT may open a file twice";
  ASSERT_EQ(files.ReadLine(1, &got), RunError::None);
  ASSERT_EQ(files.ReadLine(2, &got), RunError::None);
  EXPECT_EQ(got, "first") << "each number reads from its own position";
  EXPECT_EQ(files.Open(3, "DATA.TXT", For(FileMode::Append)), RunError::FileAlreadyOpen);

  ASSERT_EQ(files.Open(4, "REC.DAT", For(FileMode::Random, 3)), RunError::None);
  ASSERT_EQ(files.Open(5, "REC.DAT", For(FileMode::Random, 3)), RunError::None) << "so may RANDOM";
  ASSERT_EQ(files.Get(5, 1, 3, &got), RunError::None);  // fills 5's own buffers first
  ASSERT_EQ(files.Put(4, 1, "abc"), RunError::None);
  ASSERT_EQ(files.Get(5, 1, 3, &got), RunError::None);
  EXPECT_EQ(got, "abc") << "what one number puts, the other gets at once";

  ASSERT_EQ(files.Open(6, "LOG.TXT", For(FileMode::Output)), RunError::None);
  EXPECT_EQ(files.Open(7, "LOG.TXT", For(FileMode::Output)), RunError::FileAlreadyOpen);
  ASSERT_EQ(files.Close(6), RunError::None);
  EXPECT_EQ(files.Open(7, "LOG.TXT", For(FileMode::Output)), RunError::None) << "free again after CLOSE";
}

TEST_F(FileTableTest, CtrlZEndsAFileReadForInputOnly) {
  WriteWhole("MARKED.TXT", std::string("ab\r\n\x1A" "cd", 7));
  FileTable files;
  std::string got;
  bool at_end = false;
  ASSERT_EQ(files.Open(1, "MARKED.TXT", For(FileMode::Input)), RunError::None);
  EXPECT_EQ(files.ReadCount(1, 5, &got), RunError::InputPastEndOfFile) << "INPUT$ stops at the mark";
  ASSERT_EQ(files.ReadLine(1, &got), RunError::None) << "the failed INPUT$ moved nothing";
  EXPECT_EQ(got, "ab");
  ASSERT_EQ(files.AtEnd(1, &at_end), RunError::None);
  EXPECT_TRUE(at_end) << "EOF at the mark";
  EXPECT_EQ(files.ReadItem(1, InputItemKind::String, &got), RunError::InputPastEndOfFile);
  ASSERT_EQ(files.Seek(1, 6), RunError::None);
  ASSERT_EQ(files.ReadLine(1, &got), RunError::None);
  EXPECT_EQ(got, "cd") << "a SEEK past the mark reads on";
  int64_t length = 0;
  ASSERT_EQ(files.Length(1, &length), RunError::None);
  EXPECT_EQ(length, 7) << "LOF counts every byte";
  ASSERT_EQ(files.Open(2, "MARKED.TXT", For(FileMode::Binary)), RunError::None);
  ASSERT_EQ(files.Get(2, 1, 7, &got), RunError::None);
  EXPECT_EQ(got, std::string("ab\r\n\x1A" "cd", 7)) << "BINARY reads the mark as a byte";
}

}  // namespace
