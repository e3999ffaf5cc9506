// BSAVE and BLOAD: the header and the bytes on the disk, byte for byte,
// from the screen's video memory (the current segment set as DEF SEG will)
// and from an array's bytes; and back again. Each test in its own folder.
#include <gtest/gtest.h>

#include <string>

#include "basic/files/bsave_memory.h"
#include "basic/variables/array_bytes.h"
#include "tests/basic/files/temp_folder.h"
#include "tests/basic/recording_runtime.h"

namespace {

class BsaveTest : public TempFolderTest {
 protected:
};

std::string Header(int segment, int offset, int length) {
  const int words[] = {segment, offset, length};
  std::string header(1, '\xFD');
  for (const int word : words) {
    header += static_cast<char>(word & 0xFF);
    header += static_cast<char>(word >> 8);
  }
  return header;
}

uint8_t ByteAt(const std::string& file, std::size_t at) { return static_cast<uint8_t>(file.at(at)); }

TEST_F(BsaveTest, ScreenThirteenSavesAByteAPixelAndLoadsBack) {
  const ProgramRun saved = RunProgram("DEF SEG = &HA000: SCREEN 13: PSET (1, 0), 7: PSET (0, 1), 200: PSET (319, 199), 9\n"
                                      "BSAVE \"S.BSV\", 0, 64000\n");
  ASSERT_EQ(saved.outcome, BasicOutcome::Ended) << saved.errors << saved.message;
  const std::string file = ReadWhole("S.BSV");
  ASSERT_EQ(file.size(), 7u + 64000u);
  EXPECT_EQ(file.substr(0, 7), Header(0xA000, 0, 64000)) << "the header: &HFD, segment, offset, length";
  const struct {
    std::size_t at;
    uint8_t byte;
    const char* why;
  } rows[] = {
      {7 + 0, 0, "the corner was not drawn"},
      {7 + 1, 7, "pixel (1, 0): the second byte"},
      {7 + 320, 200, "pixel (0, 1): a row is 320 bytes"},
      {7 + 63999, 9, "pixel (319, 199): the last byte"},
  };
  for (const auto& row : rows) EXPECT_EQ(ByteAt(file, row.at), row.byte) << row.why;
  const ProgramRun loaded = RunProgram("SCREEN 13: BLOAD \"S.BSV\"\nPRINT POINT(1, 0); POINT(0, 1); POINT(319, 199); POINT(0, 0)\n");
  EXPECT_EQ(loaded.printed, " 7  200  9  0 \r\n") << loaded.message;
}

TEST_F(BsaveTest, OtherModesSaveTheirVideoMemory) {
  const struct {
    int segment;
    const char* draw;
    int offset, length;
    std::string bytes;
    const char* why;
  } rows[] = {
      {0xA000, "SCREEN 12: PSET (0, 0), 1: PSET (9, 0), 3: PSET (8, 1), 2", 0, 3, std::string("\x80\x40\x00", 3),
       "a planar mode gives plane 0, the colours' bit 0, 8 pixels a byte"},
      {0xA000, "SCREEN 12: PSET (8, 1), 1", 81, 1, "\x80", "a row of SCREEN 12 is 80 bytes"},
      {0xA000, "SCREEN 7: PSET (8, 1), 1", 41, 1, "\x80", "one of SCREEN 7 is 40"},
      {0xB800, "SCREEN 1: PSET (0, 0), 1: PSET (3, 0), 3", 0, 1, "\x43", "SCREEN 1: 4 pixels of 2 bits a byte"},
      {0xB800, "SCREEN 2: PSET (1, 1), 1", 0x2000, 1, "\x40", "the odd rows from &H2000"},
      {0xB800, "SCREEN 2: PSET (0, 2), 1", 80, 1, "\x80", "the even rows one after the other"},
  };
  for (const auto& row : rows) {
    const std::string source = "DEF SEG = " + std::to_string(row.segment) + "\n" + row.draw + "\nBSAVE \"V.BSV\", " + std::to_string(row.offset) + ", " +
                               std::to_string(row.length) + "\n";
    const ProgramRun run = RunProgram(source);
    ASSERT_EQ(run.outcome, BasicOutcome::Ended) << row.why << ": " << run.errors << run.message;
    const std::string file = ReadWhole("V.BSV");
    EXPECT_EQ(file, Header(row.segment, row.offset, row.length) + row.bytes) << row.why;
  }
}

TEST_F(BsaveTest, LoadingIntoAPlanarModeSetsEveryPlane) {
  WriteWhole("P.BSV", Header(0xA000, 0, 1) + "\xA0");
  const ProgramRun run = RunProgram("DEF SEG = &HA000: SCREEN 12: BLOAD \"P.BSV\", 80\nPRINT POINT(0, 1); POINT(1, 1); POINT(2, 1)\n");
  EXPECT_EQ(run.printed, " 15  0  15 \r\n") << "the bits land in all four planes, at the offset given: " << run.message;
}

TEST_F(BsaveTest, ArraysSaveAndLoadTheirBytes) {
  ArrayVariable array{"A%", ValueKind::Integer, 1};
  array.made = true;
  array.upper[0] = 3;
  array.numbers = {258, -1, 16, 0};
  ASSERT_EQ(BsaveArray(array, 2, {0x1234, 6, 4}, "A.BSV"), RunError::None);
  EXPECT_EQ(ReadWhole("A.BSV"), Header(0x1234, 6, 4) + std::string("\xFF\xFF\x10\x00", 4))
      << "A%(1) and A%(2), low bytes first, from the element's own place";
  BsaveHeader header;
  std::string bytes;
  ASSERT_EQ(ReadBsaveFile("A.BSV", &header, &bytes), RunError::None);
  EXPECT_EQ(header.segment, 0x1234);
  EXPECT_EQ(header.offset, 6);
  ASSERT_EQ(BloadArray(array, 0, bytes), RunError::None);
  EXPECT_EQ(array.numbers[0], -1) << "loaded at the front";
  EXPECT_EQ(array.numbers[1], 16);
  EXPECT_EQ(BloadArray(array, 6, bytes), RunError::IllegalFunctionCall) << "past the array's 8 bytes";
  EXPECT_EQ(array.numbers[3], 0) << "and nothing written";
}

TEST_F(BsaveTest, UntrustedFilesAreCheckedBeforeUse) {
  const struct {
    std::string file;
    RunError error;
    std::size_t loaded;
    const char* why;
  } rows[] = {
      {Header(0xA000, 0, 10) + "abc", RunError::None, 3, "a file shorter than its header says gives what it holds"},
      {Header(0xA000, 0, 2) + "abcdef", RunError::None, 2, "bytes past the length stay on the disk"},
      {std::string("\xFE\x00\xA0\x00\x00\x01\x00x", 8), RunError::BadFileMode, 0, "no &HFD: not a BSAVE file"},
      {"\xFD\x00", RunError::BadFileMode, 0, "too short for a header"},
  };
  for (const auto& row : rows) {
    WriteWhole("U.BSV", row.file);
    BsaveHeader header;
    std::string bytes;
    EXPECT_EQ(ReadBsaveFile("U.BSV", &header, &bytes), row.error) << row.why;
    EXPECT_EQ(bytes.size(), row.loaded) << row.why;
  }
  BsaveHeader header;
  std::string bytes;
  EXPECT_EQ(ReadBsaveFile("MISSING.BSV", &header, &bytes), RunError::FileNotFound);
}

TEST_F(BsaveTest, StatementsRefuseWhatNoMemoryHolds) {
  const struct {
    int segment;
    const char* source;
    const char* message;
    const char* why;
  } rows[] = {
      {0x1000, "BSAVE \"X\", 0, 10", "no array or screen lies at segment 4096, offset 0", "no memory at that segment"},
      {0xA000, "SCREEN 13: BSAVE \"X\", 65000, 1000", "BSAVE's bytes run past the end of the segment", "past 64 KB"},
      {0xA000, "SCREEN 13: BSAVE \"X\", 0, 70000", "BSAVE's offset and length lie between -32768 and 65535", "no such length"},
      {0xA000, "BSAVE \"X\", 0, 10", "no array or screen lies at segment 40960, offset 0", "SCREEN 0 has no video memory here"},
  };
  for (const auto& row : rows) {
    const ProgramRun run = RunProgram("DEF SEG = " + std::to_string(row.segment) + ": " + row.source);
    EXPECT_EQ(run.outcome, BasicOutcome::RuntimeError) << row.why;
    EXPECT_NE(run.message.find(row.message), std::string::npos) << row.why << ": " << run.message;
  }
}

TEST(ArrayBytes, EachKindKeepsItsClassicBytes) {
  const struct {
    ValueKind kind;
    double value;
    std::string bytes;
    const char* why;
  } rows[] = {
      {ValueKind::Integer, -2, std::string("\xFE\xFF", 2), "INTEGER: 2 bytes of two's complement"},
      {ValueKind::Long, 65536 + 2, std::string("\x02\x00\x01\x00", 4), "LONG: 4, low first"},
      {ValueKind::Single, 1, std::string("\x00\x00\x80\x3F", 4), "SINGLE: an IEEE float"},
      {ValueKind::Double, -2, std::string("\x00\x00\x00\x00\x00\x00\x00\xC0", 8), "DOUBLE: an IEEE double"},
  };
  for (const auto& row : rows) {
    ArrayVariable array{"A", row.kind, 1};
    array.made = true;
    array.upper[0] = 1;
    array.numbers = {row.value, 0};
    std::string bytes(row.bytes.size(), '\0');
    ReadArrayBytes(array, 0, reinterpret_cast<uint8_t*>(bytes.data()), static_cast<int64_t>(bytes.size()));
    EXPECT_EQ(bytes, row.bytes) << row.why;
    WriteArrayBytes(array, ElementBytes(row.kind), reinterpret_cast<const uint8_t*>(row.bytes.data()),
                    static_cast<int64_t>(row.bytes.size()));
    EXPECT_EQ(array.numbers[1], row.value) << row.why << ": written back into the next element";
  }
}

TEST(ArrayBytes, TheFirstSubscriptChangesFastest) {
  ArrayVariable array{"A%", ValueKind::Integer, 2};
  array.made = true;
  array.upper[0] = 2;  // A%(0 TO 2, 0 TO 1), kept with the last subscript fastest
  array.upper[1] = 1;
  array.numbers = {0, 1, 2, 3, 4, 5};
  const double subscripts[] = {1, 1};
  int64_t offset = 0;
  ASSERT_FALSE(ElementByteOffset(array, subscripts, 2, &offset));
  EXPECT_EQ(offset, 8) << "A%(1, 1) is the fifth element in the classic order";
  uint8_t bytes[4];
  ReadArrayBytes(array, 2, bytes, 4);
  EXPECT_EQ(bytes[0], 2) << "A%(1, 0) follows A%(0, 0); it is kept at index 2";
  EXPECT_EQ(bytes[2], 4) << "then A%(2, 0), kept at index 4";
}

}  // namespace
