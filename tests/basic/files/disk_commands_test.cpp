// KILL, NAME, MKDIR, RMDIR, CHDIR and FILES on a folder of the test's own.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "basic/files/disk_commands.h"
#include "tests/basic/files/temp_folder.h"

namespace {

class DiskCommandsTest : public TempFolderTest {
 protected:
  // A.DAT, B.DAT, C.TXT, NOEXT, the folder SUB.DAT, and SUB\IN.TXT.
  void MakeTree() {
    for (const char* name : {"A.DAT", "B.DAT", "C.TXT", "NOEXT"}) WriteWhole(name, name);
    std::filesystem::create_directory("SUB.DAT");
    std::filesystem::create_directory("SUB");
    WriteWhole("SUB/IN.TXT", "in");
  }
  // What the folder holds, its folders' too, sorted, folders with a
  // trailing '/'.
  std::string Left() {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(".")) {
      names.push_back(entry.path().lexically_relative(".").generic_string() + (entry.is_directory() ? "/" : ""));
    }
    std::sort(names.begin(), names.end());
    std::string joined;
    for (const std::string& name : names) joined += name + " ";
    return joined;
  }
};

TEST_F(DiskCommandsTest, KillDeletesWhatMatches) {
  FileTable files;
  const struct {
    const char* pattern;
    RunError expected;
    const char* left;
    const char* why;
  } cases[] = {
      {"*.DAT", RunError::None, "C.TXT NOEXT SUB.DAT/ SUB/ SUB/IN.TXT ", "files only: the folder SUB.DAT stays"},
      {"?.dat", RunError::None, "C.TXT NOEXT SUB.DAT/ SUB/ SUB/IN.TXT ", "? is one character; letters in any case"},
      {"a.*", RunError::None, "B.DAT C.TXT NOEXT SUB.DAT/ SUB/ SUB/IN.TXT ", ".* any extension"},
      {"*.*", RunError::None, "SUB.DAT/ SUB/ SUB/IN.TXT ", "*.* also takes names without an extension"},
      {"NOE?T", RunError::None, "A.DAT B.DAT C.TXT SUB.DAT/ SUB/ SUB/IN.TXT ", "a wildcard in a name without an extension"},
      {"C.TXT", RunError::None, "A.DAT B.DAT NOEXT SUB.DAT/ SUB/ SUB/IN.TXT ", "a plain name"},
      {"SUB\\*.TXT", RunError::None, "A.DAT B.DAT C.TXT NOEXT SUB.DAT/ SUB/ ", "in another folder"},
      {"X*.DAT", RunError::FileNotFound, "A.DAT B.DAT C.TXT NOEXT SUB.DAT/ SUB/ SUB/IN.TXT ", "nothing matches"},
      {"MISSING.TXT", RunError::FileNotFound, "A.DAT B.DAT C.TXT NOEXT SUB.DAT/ SUB/ SUB/IN.TXT ", "no such file"},
      {"NODIR\\*.DAT", RunError::PathNotFound, "A.DAT B.DAT C.TXT NOEXT SUB.DAT/ SUB/ SUB/IN.TXT ", "no such folder"},
      {"NODIR\\A.DAT", RunError::PathNotFound, "A.DAT B.DAT C.TXT NOEXT SUB.DAT/ SUB/ SUB/IN.TXT ", "also without wildcards"},
      {"SUB.DAT", RunError::PathFileAccessError, "A.DAT B.DAT C.TXT NOEXT SUB.DAT/ SUB/ SUB/IN.TXT ", "KILL does not remove folders"},
      {"S*\\IN.TXT", RunError::BadFileName, "A.DAT B.DAT C.TXT NOEXT SUB.DAT/ SUB/ SUB/IN.TXT ", "wildcards in the last part only"},
      {"", RunError::BadFileName, "A.DAT B.DAT C.TXT NOEXT SUB.DAT/ SUB/ SUB/IN.TXT ", "an empty name"},
      {"SCRN:", RunError::BadFileName, "A.DAT B.DAT C.TXT NOEXT SUB.DAT/ SUB/ SUB/IN.TXT ", "a device"},
  };
  for (const auto& c : cases) {
    Empty();
    MakeTree();
    EXPECT_EQ(KillFiles(files, c.pattern), c.expected) << c.why;
    EXPECT_EQ(Left(), c.left) << c.why;
  }
}

TEST_F(DiskCommandsTest, OpenFilesAreNeitherKilledNorRenamed) {
  MakeTree();
  FileTable files;
  OpenRequest input;
  input.mode = FileMode::Input;
  ASSERT_EQ(files.Open(1, "B.DAT", input), RunError::None);
  EXPECT_EQ(KillFiles(files, "*.DAT"), RunError::FileAlreadyOpen);
  EXPECT_EQ(KillFiles(files, "SUB\\..\\B.DAT"), RunError::FileAlreadyOpen) << "by another name";
  EXPECT_EQ(Left(), "A.DAT B.DAT C.TXT NOEXT SUB.DAT/ SUB/ SUB/IN.TXT ") << "none deleted when one is open";
  EXPECT_EQ(RenameFile(files, "B.DAT", "D.DAT"), RunError::FileAlreadyOpen);
  ASSERT_EQ(files.Close(1), RunError::None);
  EXPECT_EQ(KillFiles(files, "*.DAT"), RunError::None);
}

TEST_F(DiskCommandsTest, NameRenamesAndMoves) {
  FileTable files;
  const struct {
    const char* from;
    const char* to;
    RunError expected;
    const char* left;
    const char* why;
  } cases[] = {
      {"A.DAT", "Z.DAT", RunError::None, "B.DAT C.TXT NOEXT SUB.DAT/ SUB/ SUB/IN.TXT Z.DAT ", "a rename"},
      {"A.DAT", "SUB\\A.DAT", RunError::None, "B.DAT C.TXT NOEXT SUB.DAT/ SUB/ SUB/A.DAT SUB/IN.TXT ", "a move to another folder"},
      {"SUB", "DIR", RunError::None, "A.DAT B.DAT C.TXT DIR/ DIR/IN.TXT NOEXT SUB.DAT/ ", "a folder renamed"},
      {"MISSING", "Z.DAT", RunError::FileNotFound, "A.DAT B.DAT C.TXT NOEXT SUB.DAT/ SUB/ SUB/IN.TXT ", "the old name missing"},
      {"NODIR\\A", "Z.DAT", RunError::PathNotFound, "A.DAT B.DAT C.TXT NOEXT SUB.DAT/ SUB/ SUB/IN.TXT ", "its folder missing"},
      {"A.DAT", "B.DAT", RunError::FileAlreadyExists, "A.DAT B.DAT C.TXT NOEXT SUB.DAT/ SUB/ SUB/IN.TXT ", "the new name taken"},
      {"A.DAT", "NODIR\\A.DAT", RunError::PathNotFound, "A.DAT B.DAT C.TXT NOEXT SUB.DAT/ SUB/ SUB/IN.TXT ", "into a missing folder"},
      {"A.DAT", "*.DAT", RunError::BadFileName, "A.DAT B.DAT C.TXT NOEXT SUB.DAT/ SUB/ SUB/IN.TXT ", "no wildcards"},
      {"A.DAT", "LPT1:", RunError::BadFileName, "A.DAT B.DAT C.TXT NOEXT SUB.DAT/ SUB/ SUB/IN.TXT ", "no devices"},
  };
  for (const auto& c : cases) {
    Empty();
    MakeTree();
    EXPECT_EQ(RenameFile(files, c.from, c.to), c.expected) << c.why;
    EXPECT_EQ(Left(), c.left) << c.why;
  }
}

TEST_F(DiskCommandsTest, FoldersAreMadeRemovedAndEntered) {
  MakeTree();
  EXPECT_EQ(MakeFolder("NEW"), RunError::None);
  EXPECT_EQ(MakeFolder("NEW\\"), RunError::PathFileAccessError) << "already there; a trailing separator is let be";
  EXPECT_EQ(MakeFolder("NODIR\\NEW"), RunError::PathNotFound);
  EXPECT_EQ(MakeFolder(""), RunError::BadFileName);
  EXPECT_EQ(RemoveFolder("SUB"), RunError::PathFileAccessError) << "not empty";
  EXPECT_EQ(RemoveFolder("MISSING"), RunError::PathNotFound);
  EXPECT_EQ(RemoveFolder("C.TXT"), RunError::PathNotFound) << "a file is no folder";
  EXPECT_EQ(RemoveFolder("NEW"), RunError::None);
  EXPECT_EQ(ChangeFolder("MISSING"), RunError::PathNotFound);
  EXPECT_EQ(ChangeFolder("C.TXT"), RunError::PathNotFound) << "a file is no folder";
  ASSERT_EQ(ChangeFolder("SUB"), RunError::None);
  FileTable files;
  OpenRequest input;
  input.mode = FileMode::Input;
  EXPECT_EQ(files.Open(1, "IN.TXT", input), RunError::None) << "relative names start in the new folder";
  ASSERT_EQ(ChangeFolder(".."), RunError::None);
  EXPECT_EQ(files.Open(2, "C.TXT", input), RunError::None);
}

TEST_F(DiskCommandsTest, FilesListsMatchingNames) {
  MakeTree();
  const struct {
    const char* pattern;
    RunError expected;
    const char* names;
    const char* why;
  } cases[] = {
      {"", RunError::None, "A.DAT B.DAT C.TXT NOEXT SUB/ SUB.DAT/ ", "everything, sorted by bytes"},
      {"*.DAT", RunError::None, "A.DAT B.DAT SUB.DAT/ ", "folders as well as files"},
      {"SUB\\", RunError::None, "IN.TXT ", "a folder's name lists what it holds"},
      {"Z*", RunError::FileNotFound, "", "nothing matches"},
      {"NODIR\\*", RunError::PathNotFound, "", "no such folder"},
  };
  for (const auto& c : cases) {
    FileListing listing;
    EXPECT_EQ(ListFiles(c.pattern, &listing), c.expected) << c.why;
    std::string names;
    for (const FolderEntry& entry : listing.entries) names += entry.name + (entry.is_folder ? "/ " : " ");
    EXPECT_EQ(names, c.names) << c.why;
  }
  FileListing listing;
  ASSERT_EQ(ListFiles("SUB/", &listing), RunError::None);
  EXPECT_EQ(listing.folder, (folder_ / "SUB").string()) << "the folder in full";
  EXPECT_GT(listing.free_bytes, 0u);
}

TEST_F(DiskCommandsTest, DoubleByteNamesReachTheSystemWhole) {
  // "表" is 0x95 0x5C: its trail byte is '\', which must neither split the
  // name nor be taken for a separator at its end.
  const std::string table = "\x95\x5C";
  FileTable files;
  OpenRequest output;
  output.mode = FileMode::Output;
  ASSERT_EQ(files.Open(1, table, output), RunError::None);
  ASSERT_EQ(files.Write(1, "x"), RunError::None);
  ASSERT_EQ(files.Close(1), RunError::None);
  ASSERT_EQ(MakeFolder("D" + table), RunError::None);
  FileListing listing;
  ASSERT_EQ(ListFiles("*", &listing), RunError::None);
  ASSERT_EQ(listing.entries.size(), 2u);
  EXPECT_EQ(listing.entries[0].name, "D" + table) << "the names' bytes as given";
  EXPECT_EQ(listing.entries[1].name, table);
  EXPECT_EQ(RemoveFolder("D" + table), RunError::None);
  EXPECT_EQ(KillFiles(files, "?"), RunError::None) << "one character";
  EXPECT_EQ(ListFiles("*", &listing), RunError::FileNotFound);
}

}  // namespace
