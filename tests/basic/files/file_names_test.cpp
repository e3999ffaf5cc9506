// File names: which are refused, which are devices, how wildcards match,
// and how paths are cut and made plain.
#include <gtest/gtest.h>

#include <string>

#include "basic/files/file_names.h"
#include "basic/files/file_system.h"
#include "tests/basic/files/temp_folder.h"

namespace {

// Shift-JIS characters whose trail byte is a separator or a refused ASCII
// character: "表" is 0x95 0x5C ('\'), "ポ" is 0x83 0x7C ('|').
const std::string Table = "\x95\x5C";
const std::string Po = "\x83\x7C";

TEST(BasicFilesNames, CheckRefusesWhatEitherSystemWould) {
  const struct {
    std::string name;
    bool wildcards;
    RunError expected;
    const char* why;
  } cases[] = {
      {"SCORES.DAT", false, RunError::None, "a plain name"},
      {"C:\\GAMES\\SCORES.DAT", false, RunError::None, "a drive and folders"},
      {"../up/x y.txt", false, RunError::None, "/, .. and a space"},
      {Table + Po + ".DAT", false, RunError::None, "trail bytes are no separators or refused characters"},
      {"", false, RunError::BadFileName, "empty"},
      {std::string(255, 'a'), false, RunError::None, "the longest"},
      {std::string(256, 'a'), false, RunError::BadFileName, "one byte longer"},
      {"A\x1F", false, RunError::BadFileName, "a control byte"},
      {std::string("A\0B", 3), false, RunError::BadFileName, "a NUL, which would cut the name short"},
      {"A\"B", false, RunError::BadFileName, "a quote"},
      {"A<B", false, RunError::BadFileName, "<"},
      {"A>B", false, RunError::BadFileName, ">"},
      {"A|B", false, RunError::BadFileName, "|"},
      {"AB:", false, RunError::BadFileName, "a colon past the drive"},
      {"1:X", false, RunError::BadFileName, "a drive is a letter"},
      {"A?.DAT", false, RunError::BadFileName, "? where no wildcards go"},
      {"A?.DAT", true, RunError::None, "... and where they do"},
      {"*\\X.DAT", true, RunError::BadFileName, "wildcards in a folder part"},
      {"\\\\.\\C:", false, RunError::BadFileName, "the system's device space"},
      {"//?/C:/X", false, RunError::BadFileName, "the same with /"},
      {"\\\\SERVER\\SHARE\\X", false, RunError::None, "a network name"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CheckFileName(c.name, c.wildcards), c.expected) << c.why;
  }
}

TEST(BasicFilesNames, DevicesByTheirNames) {
  const struct {
    const char* name;
    DeviceKind expected;
    const char* why;
  } cases[] = {
      {"SCRN:", DeviceKind::Screen, "the screen"},
      {"cons:", DeviceKind::Screen, "the console, in any case"},
      {"KYBD:", DeviceKind::Keyboard, "the keyboard"},
      {"LPT2:", DeviceKind::Printer, "a printer"},
      {"LPT1:BIN", DeviceKind::Printer, "with an option after the colon"},
      {"COM1:9600,N,8,1", DeviceKind::Unavailable, "a serial port with options"},
      {"CAS1:", DeviceKind::Unavailable, "the cassette"},
      {"C:X", DeviceKind::None, "a drive, not a device"},
      {"CON", DeviceKind::Screen, "the system's console"},
      {"nul.txt", DeviceKind::Null, "reserved with any extension"},
      {"DATA\\PRN", DeviceKind::Printer, "and in any folder"},
      {"COM0", DeviceKind::None, "COM0 is no port"},
      {"LPT10", DeviceKind::None, "nor LPT10"},
      {"CONSOLE.TXT", DeviceKind::None, "a longer name"},
      {"CON\\X.TXT", DeviceKind::None, "a folder part is no device"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DeviceOfName(c.name), c.expected) << c.why;
  }
}

TEST(BasicFilesNames, WildcardsMatchAsTheSystemsDid) {
  const struct {
    std::string pattern;
    std::string name;
    bool matches;
    const char* why;
  } cases[] = {
      {"*.*", "README", true, "*.* takes a name without an extension"},
      {"*", "A.B.C", true, "* takes everything"},
      {"DATA1?.DAT", "DATA12.DAT", true, "? is one character"},
      {"DATA1?.DAT", "DATA1.DAT", false, "... not none"},
      {"DATA1.*", "DATA1", true, ".* also takes no extension"},
      {"DATA1.*", "DATA12", false, "but not a longer name"},
      {"*.dat", "SCORES.DAT", true, "letters in any case"},
      {"A*B*C", "AXXBYYBZC", true, "stars backtrack"},
      {"A*B*C", "AXXBYYBZ", false, "... and still fail"},
      {"?", Table, true, "a double-byte character is one character"},
      {Table + "*", Table + "X", true, "double-byte characters match themselves"},
      {"\x95*", Table, false, "a lead byte alone is no character"},
      {"", "", true, "nothing matches nothing"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(MatchesWildcards(c.pattern, c.name), c.matches) << c.why;
  }
}

TEST(BasicFilesNames, PathsAreCutAndMadePlain) {
  EXPECT_EQ(WithSeparators("A\\B/" + Table + "\\C", '/'), "A/B/" + Table + "/C") << "a trail byte stays";
  const struct {
    std::string name;
    std::size_t last;
    std::string folder;
  } parts[] = {
      {"A:\\B\\C.DAT", 5, "A:\\B"}, {"C.DAT", 0, "."},      {"A:", 2, "A:."},
      {"\\X", 1, "\\"},             {"A:\\X", 3, "A:\\"},  {"D\\" + Table, 2, "D"},
      {Table + "X", 0, "."},        {"DIR\\", 4, "DIR"},    {Table + "\\X", 3, Table},
  };
  for (const auto& p : parts) {
    EXPECT_EQ(LastPartStart(p.name), p.last) << p.name;
    EXPECT_EQ(FolderOfPath(p.name), p.folder) << p.name;
  }
  EXPECT_EQ(WithoutTrailingSeparators("DIR\\/"), "DIR");
  EXPECT_EQ(WithoutTrailingSeparators("C:\\"), "C:\\") << "the root stays";
  EXPECT_EQ(WithoutTrailingSeparators("/"), "/");
  EXPECT_EQ(WithoutTrailingSeparators(Table), Table) << "a trail byte is no separator";
  EXPECT_EQ(PlainPath("/a/./b//c/../d/", '/'), "/a/b/d");
  EXPECT_EQ(PlainPath("/../..", '/'), "/") << "never above the root";
}

}  // namespace
