// Random and binary files at their edges, the positions LOF, LOC and SEEK
// report, the devices, and the numbers FREEFILE gives.
#include <gtest/gtest.h>

#include <string>

#include "basic/files/file_table.h"
#include "tests/basic/files/temp_folder.h"

namespace {

using FilePositionsTest = TempFolderTest;

OpenRequest For(FileMode mode, std::optional<int32_t> record_length = std::nullopt) {
  OpenRequest request;
  request.mode = mode;
  request.record_length = record_length;
  return request;
}

// EOF, LOC, SEEK and LOF of one number, as "eof loc seek lof".
std::string Where(FileTable& files, int32_t number) {
  bool at_end = false;
  int64_t location = 0, position = 0, length = 0;
  EXPECT_EQ(files.AtEnd(number, &at_end), RunError::None);
  EXPECT_EQ(files.Location(number, &location), RunError::None);
  EXPECT_EQ(files.Position(number, &position), RunError::None);
  EXPECT_EQ(files.Length(number, &length), RunError::None);
  return std::to_string(at_end ? -1 : 0) + " " + std::to_string(location) + " " + std::to_string(position) + " " +
         std::to_string(length);
}

TEST_F(FilePositionsTest, RandomRecordsAtTheEdges) {
  FileTable files;
  std::string got;
  ASSERT_EQ(files.Open(1, "REC.DAT", For(FileMode::Random, 4)), RunError::None);
  EXPECT_EQ(Where(files, 1), "0 0 1 0") << "a new file: record 1 next";
  ASSERT_EQ(files.Put(1, 1, "AAAA"), RunError::None);
  ASSERT_EQ(files.Put(1, 3, "CCCC"), RunError::None);
  EXPECT_EQ(Where(files, 1), "0 3 4 12") << "LOC the record put, SEEK the next";
  ASSERT_EQ(files.Get(1, 2, 4, &got), RunError::None);
  EXPECT_EQ(got, std::string(4, '\0')) << "the gap before record 3 reads as zeros";
  EXPECT_EQ(Where(files, 1), "0 2 3 12") << "and is no end";
  ASSERT_EQ(files.Get(1, std::nullopt, 4, &got), RunError::None);
  EXPECT_EQ(got, "CCCC") << "no number: the record after the last";
  ASSERT_EQ(files.Get(1, std::nullopt, 4, &got), RunError::None);
  EXPECT_EQ(got, std::string(4, '\0')) << "past the end: zeros";
  EXPECT_EQ(Where(files, 1), "-1 4 5 12") << "EOF true, the file not grown";
  ASSERT_EQ(files.Get(1, 1, 2, &got), RunError::None);
  EXPECT_EQ(got, "AA") << "a variable shorter than the record";
  EXPECT_EQ(Where(files, 1), "0 1 2 12") << "a whole GET clears EOF; the next record is 2";
  ASSERT_EQ(files.Put(1, 5, "Z"), RunError::None);
  EXPECT_EQ(Where(files, 1), "0 5 6 17") << "a short PUT writes only its bytes";
  ASSERT_EQ(files.Get(1, 5, 4, &got), RunError::None);
  EXPECT_EQ(got, std::string("Z\0\0\0", 4)) << "a record cut by the end: what is there, then zeros";
  EXPECT_EQ(Where(files, 1), "-1 5 6 17");
  ASSERT_EQ(files.Seek(1, 2), RunError::None);
  ASSERT_EQ(files.Get(1, std::nullopt, 4, &got), RunError::None);
  EXPECT_EQ(got, std::string(4, '\0')) << "SEEK chooses the next record";
  ASSERT_EQ(files.Get(1, 2147483647 / 4, 4, &got), RunError::None) << "the last record there can be";
  EXPECT_EQ(ReadWhole("REC.DAT").size(), 17u) << "a GET far away makes nothing";
}

TEST_F(FilePositionsTest, BinaryBytesAtTheEdges) {
  WriteWhole("BIN.DAT", "hello");
  FileTable files;
  std::string got;
  ASSERT_EQ(files.Open(1, "BIN.DAT", For(FileMode::Binary)), RunError::None);
  EXPECT_EQ(Where(files, 1), "0 0 1 5");
  ASSERT_EQ(files.Get(1, std::nullopt, 5, &got), RunError::None);
  EXPECT_EQ(got, "hello");
  EXPECT_EQ(Where(files, 1), "0 5 6 5") << "LOC the last byte read, SEEK the next";
  ASSERT_EQ(files.Get(1, 5, 2, &got), RunError::None);
  EXPECT_EQ(got, std::string("o\0", 2)) << "the last byte, then a zero past the end";
  EXPECT_EQ(Where(files, 1), "-1 6 7 5") << "the position moves past the end all the same";
  ASSERT_EQ(files.Put(1, 8, "!"), RunError::None);
  EXPECT_EQ(ReadWhole("BIN.DAT"), std::string("hello\0\0!", 8)) << "a PUT past the end fills the gap with zeros";
  ASSERT_EQ(files.Get(1, 2147483647, 1, &got), RunError::None);
  EXPECT_EQ(got, std::string(1, '\0')) << "the last position there can be";
  ASSERT_EQ(files.ReadCount(1, 3, &got), RunError::InputPastEndOfFile) << "INPUT$ past the end";
  ASSERT_EQ(files.Seek(1, 2), RunError::None);
  ASSERT_EQ(files.ReadCount(1, 3, &got), RunError::None);
  EXPECT_EQ(got, "ell") << "INPUT$ of a binary file reads where it stands";
  EXPECT_EQ(Where(files, 1), "0 4 5 8");
}

TEST_F(FilePositionsTest, SequentialFilesCountBytesAndBlocks) {
  FileTable files;
  std::string got;
  ASSERT_EQ(files.Open(1, "SEQ.TXT", For(FileMode::Output)), RunError::None);
  ASSERT_EQ(files.Write(1, std::string(300, 'x')), RunError::None);
  int64_t location = 0, position = 0, length = 0;
  ASSERT_EQ(files.Location(1, &location), RunError::None);
  ASSERT_EQ(files.Position(1, &position), RunError::None);
  ASSERT_EQ(files.Length(1, &length), RunError::None);
  EXPECT_EQ(location, 2) << "LOC: 128-byte blocks written";
  EXPECT_EQ(position, 301) << "SEEK: the next byte";
  EXPECT_EQ(length, 300) << "LOF sees what waits to be written";
  ASSERT_EQ(files.Seek(1, 2), RunError::None);
  ASSERT_EQ(files.Write(1, "YZ"), RunError::None);
  ASSERT_EQ(files.Close(1), RunError::None);
  EXPECT_EQ(ReadWhole("SEQ.TXT"), "x" "YZ" + std::string(297, 'x')) << "SEEK then PRINT # writes over";

  ASSERT_EQ(files.Open(1, "SEQ.TXT", For(FileMode::Append)), RunError::None);
  ASSERT_EQ(files.Position(1, &position), RunError::None);
  EXPECT_EQ(position, 301) << "APPEND stands at the end";
  ASSERT_EQ(files.Open(2, "OTHER.TXT", For(FileMode::Output)), RunError::None);
  ASSERT_EQ(files.Write(2, "abc\r\nde"), RunError::None);
  int32_t column = 0;
  ASSERT_EQ(files.Column(2, &column), RunError::None);
  EXPECT_EQ(column, 2) << "the column counts from the last line end";
}

// Devices record what they are given and hand out a script of keys.
class RecordingDevices final : public FileDevices {
 public:
  void WriteScreen(std::string_view bytes) override { screen += bytes; }
  void WritePrinter(std::string_view bytes) override { printer += bytes; }
  int ReadKey() override { return next < keys.size() ? static_cast<unsigned char>(keys[next++]) : -1; }
  std::string screen, printer, keys;
  std::size_t next = 0;
};

TEST_F(FilePositionsTest, DevicesGoWhereTheCallerSays) {
  RecordingDevices devices;
  devices.keys = "12, ab\rline\r";
  FileTable files(&devices);
  std::string got;
  bool at_end = false;
  int64_t value = 0;
  ASSERT_EQ(files.Open(1, "SCRN:", For(FileMode::Output)), RunError::None);
  ASSERT_EQ(files.Open(2, "lpt1:", For(FileMode::Output)), RunError::None) << "device names in any case";
  ASSERT_EQ(files.Open(3, "KYBD:", For(FileMode::Input)), RunError::None);
  ASSERT_EQ(files.Open(4, "NUL", For(FileMode::Output)), RunError::None);
  ASSERT_EQ(files.Open(5, "con", For(FileMode::Output)), RunError::None) << "the system's console name";
  ASSERT_EQ(files.Write(1, "on screen\r\n"), RunError::None);
  ASSERT_EQ(files.Write(5, "also"), RunError::None);
  ASSERT_EQ(files.Write(2, "printed"), RunError::None);
  ASSERT_EQ(files.Write(4, "dropped"), RunError::None);
  EXPECT_EQ(devices.screen, "on screen\r\nalso");
  EXPECT_EQ(devices.printer, "printed");
  ASSERT_EQ(files.ReadItem(3, InputItemKind::Number, &got), RunError::None);
  EXPECT_EQ(got, "12");
  ASSERT_EQ(files.ReadItem(3, InputItemKind::String, &got), RunError::None);
  EXPECT_EQ(got, "ab") << "keys cut as a file's bytes";
  ASSERT_EQ(files.ReadLine(3, &got), RunError::None);
  EXPECT_EQ(got, "line");
  EXPECT_EQ(files.ReadCount(3, 1, &got), RunError::InputPastEndOfFile) << "once the keys have ended";
  EXPECT_EQ(files.AtEnd(3, &at_end), RunError::BadFileMode) << "EOF is not for KYBD:";
  EXPECT_EQ(files.Location(1, &value), RunError::BadFileMode) << "nor LOC for SCRN:";
  EXPECT_EQ(files.Seek(1, 5), RunError::None) << "SEEK on a device is let be";
  EXPECT_FALSE(Exists("NUL") || Exists("con")) << "no disk file made for a device";
  EXPECT_EQ(files.Open(6, "data/PRN.TXT", For(FileMode::Output)), RunError::None) << "reserved in any folder";
  EXPECT_EQ(files.Open(7, "AUX", For(FileMode::Output)), RunError::DeviceUnavailable);
}

TEST_F(FilePositionsTest, FreeFileGivesTheLowestFreeNumber) {
  FileTable files;
  int32_t number = 0;
  for (int32_t expected = 1; expected <= MaxFileNumber; ++expected) {
    ASSERT_EQ(files.FreeNumber(&number), RunError::None);
    ASSERT_EQ(number, expected);
    ASSERT_EQ(files.Open(number, "NUL", For(FileMode::Output)), RunError::None);
  }
  EXPECT_EQ(files.FreeNumber(&number), RunError::TooManyFiles) << "all 255 in use";
  ASSERT_EQ(files.Close(7), RunError::None);
  ASSERT_EQ(files.FreeNumber(&number), RunError::None);
  EXPECT_EQ(number, 7);
  ASSERT_EQ(files.CloseAll(), RunError::None);
  ASSERT_EQ(files.FreeNumber(&number), RunError::None);
  EXPECT_EQ(number, 1) << "CLOSE without numbers closes them all";
}

}  // namespace
