// The inside of a made program: written after a copy of basic.exe's image
// whose mark is filled in, and read back only when it is exactly what was
// made.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "basic/made/made_program.h"

namespace {

MadeProgramMark Unmade() {
  MadeProgramMark mark{};
  std::memcpy(mark.tag, "TEST PROGRAM #1!", sizeof mark.tag);
  return mark;
}

std::string Bytes(const MadeProgramMark& mark) { return std::string(reinterpret_cast<const char*>(&mark), sizeof mark); }

// An image as basic.exe's file holds its mark: somewhere inside.
std::string ImageWith(const std::string& marks) { return "MZ" + std::string(300, '\0') + marks + "end of image"; }

// The mark the made image holds, and its text.
MadeProgramMark MarkOf(const std::string& made) {
  MadeProgramMark mark;
  std::memcpy(&mark, made.data() + 302, sizeof mark);
  return mark;
}

TEST(BasicMadeProgram, Crc32IsZipsCrc) {
  EXPECT_EQ(Crc32(""), 0u);
  EXPECT_EQ(Crc32("123456789"), 0xCBF43926u);
  EXPECT_EQ(Crc32(std::string("\0", 1)), 0xD202EF8Du);
}

TEST(BasicMadeProgram, WhatIsMadeReadsBackWithTheFilesBaseName) {
  const std::string image = ImageWith(Bytes(Unmade()));
  const std::string text = "10 PRINT \"HI\"\r\n20 END\r\n\x1a";
  const struct {
    const char* path;
    std::string name;
  } names[] = {
      {"C:\\games\\balls.bas", "balls.bas"},
      {"examples/arcs.bas", "arcs.bas"},
      {"plain.bas", "plain.bas"},
      {"", ""},
  };
  for (const auto& [path, name] : names) {
    SCOPED_TRACE(path);
    std::string made, error;
    ASSERT_TRUE(MakeProgramImage(image, Unmade(), text, path, &made, &error)) << error;
    EXPECT_EQ(made.size(), image.size() + text.size());
    MadeProgram program;
    ASSERT_TRUE(ReadMadeProgram(MarkOf(made), std::string_view(made).substr(image.size()), &program, &error))
        << error;
    EXPECT_EQ(program.text, text);
    EXPECT_EQ(program.name, name);
  }
}

TEST(BasicMadeProgram, ALongNameIsCutToFitTheMark) {
  std::string made, error;
  const std::string long_name(200, 'n');
  ASSERT_TRUE(MakeProgramImage(ImageWith(Bytes(Unmade())), Unmade(), "END", long_name, &made, &error));
  MadeProgram program;
  ASSERT_TRUE(ReadMadeProgram(MarkOf(made), std::string_view(made).substr(made.size() - 3), &program, &error));
  EXPECT_EQ(program.name, long_name.substr(0, MadeProgramNameSize - 1));
}

TEST(BasicMadeProgram, OnlyAnImageWithItsUnmadeMarkOnceCanMake) {
  MadeProgramMark made_mark = Unmade();
  made_mark.made = MadeProgramFormat;
  const struct {
    std::string image;
    MadeProgramMark mark;
    const char* says;
  } refused[] = {
      {ImageWith(""), Unmade(), "does not hold"},
      {ImageWith(Bytes(Unmade()) + Bytes(Unmade())), Unmade(), "more than once"},
      {ImageWith(Bytes(made_mark)), made_mark, "cannot make programs"},
  };
  for (const auto& [image, mark, says] : refused) {
    SCOPED_TRACE(says);
    std::string made = "untouched", error;
    EXPECT_FALSE(MakeProgramImage(image, mark, "END", "x.bas", &made, &error));
    EXPECT_NE(error.find(says), std::string::npos) << error;
    EXPECT_EQ(made, "untouched");
  }
}

TEST(BasicMadeProgram, DamageIsNamedNeverRead) {
  std::string made, error;
  const std::string text = "PRINT 1\r\nEND\r\n";
  ASSERT_TRUE(MakeProgramImage(ImageWith(Bytes(Unmade())), Unmade(), text, "d.bas", &made, &error));
  const MadeProgramMark mark = MarkOf(made);
  MadeProgramMark other_format = mark;
  other_format.made = MadeProgramFormat + 1;
  MadeProgramMark huge = mark;
  huge.text_length = 0xFFFFFFFFu;
  const struct {
    MadeProgramMark mark;
    std::string tail;
    const char* says;
  } damaged[] = {
      {mark, text.substr(0, text.size() - 1), "cut short"},
      {mark, "", "cut short"},
      {huge, text, "cut short"},
      {mark, text + "!", "other bytes follow"},
      {mark, "PRINT 2\r\nEND\r\n", "was changed"},
      {other_format, text, "another version"},
  };
  for (const auto& [damaged_mark, tail, says] : damaged) {
    SCOPED_TRACE(says);
    MadeProgram program;
    EXPECT_FALSE(ReadMadeProgram(damaged_mark, tail, &program, &error));
    EXPECT_NE(error.find(says), std::string::npos) << error;
    EXPECT_TRUE(program.text.empty());
  }
}

}  // namespace
