// basic.exe --make: the program it writes is basic.exe's file with the BASIC
// text after it, and runs that text with no command line: to its END, to an
// error shown in the window, or, when damaged, to a message.
#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <iterator>
#include <string>

#include "basic/made/made_program.h"
#include "tests/basic/app/basic_exe.h"
#include "tests/basic/app/pictures.h"
#include "tests/program/scene_figures.h"
#include "tests/support/bmp_file.h"
#include "tests/support/window_harness.h"

namespace {

std::string FileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// Makes `made` (a file of this folder) from the BASIC file at `source`.
BasicExeResult Make(const std::string& made, const std::string& source) {
  DeleteFileA(SiblingExecutable(made.c_str()).c_str());
  return RunBasicExe("--exit --make \"" + SiblingExecutable(made.c_str()) + "\" \"" + source + "\"");
}

// Starts a made program, waits for its window and gives what it says on
// standard error, and its exit code once the window is closed.
BasicExeResult CloseWhenShown(const char* made, bool awaits_a_line) {
  BasicExe program("", made);
  const HWND window = program.AwaitWindow();
  if (window == nullptr) return {STILL_ACTIVE, {}, "no window"};
  if (awaits_a_line && !AwaitLineInput(window)) return {STILL_ACTIVE, {}, "no line input"};
  Sleep(500);  // time to show what it shows
  PostMessageA(window, WM_CLOSE, 0, 0);
  const DWORD code = program.Finish();
  return {code, program.Output(), program.Errors()};
}

// The made program is basic.exe's file given its resources (a few
// kilobytes), with the text after it.
void ExpectBasicExeWithTextAfter(const std::string& made, const std::string& source) {
  static const std::string basic = FileBytes(SiblingExecutable("basic.exe"));
  ASSERT_GT(basic.size(), 100000u);
  const std::string image = FileBytes(SiblingExecutable(made.c_str())), text = FileBytes(source);
  ASSERT_GT(image.size(), basic.size() + text.size());
  EXPECT_LE(image.size(), basic.size() + text.size() + 16384);
  EXPECT_TRUE(image.compare(image.size() - text.size(), text.size(), text) == 0);
}

// A resource of a made program, or "" when it has none of that type and number.
std::string ResourceOf(const std::string& made, LPCSTR type, WORD id) {
  const HMODULE module = LoadLibraryExA(SiblingExecutable(made.c_str()).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (module == nullptr) return "(no module)";
  std::string bytes;
  if (const HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), type)) {
    const HGLOBAL loaded = LoadResource(module, found);
    bytes.assign(static_cast<const char*>(LockResource(loaded)), SizeofResource(module, found));
  }
  FreeLibrary(module);
  return bytes;
}

std::string Utf16(const std::string& ascii) {
  std::string wide;
  for (char c : ascii) wide += {c, '\0'};
  return wide;
}

// An icon file of one 1 x 1 picture, a DIB: its header, one pixel, its mask.
std::string OnePixelIcon() {
  const char header[] = "\0\0\1\0\1\0"                            // an icon, one image
                        "\1\1\0\0\1\0\x20\0" "\x30\0\0\0" "\x16\0\0\0"  // 1 x 1, 32 bits, 48 bytes at 22
                        "\x28\0\0\0" "\1\0\0\0" "\2\0\0\0" "\1\0\x20\0"  // DIB: 40 bytes, 1 x 2 (with mask)
                        "\0\0\0\0" "\0\0\0\0" "\0\0\0\0" "\0\0\0\0" "\0\0\0\0" "\0\0\0\0"
                        "\0\0\xFF\xFF" "\0\0\0\0";                    // a red pixel, then its mask row
  return std::string(header, sizeof header - 1);
}

// Every example: those that need nothing typed end by themselves with 0,
// whatever their command line; the others wait for the user in their
// window until it is closed.
TEST(BasicAppMake, EveryExampleBecomesAProgramThatRunsWithoutACommandLine) {
  enum Runs { ToItsEnd, UntilClosed, UntilClosedAfterALine };
  const struct {
    const char* name;
    Runs runs;
  } examples[] = {{"arcs", ToItsEnd},    {"balls", ToItsEnd},    {"mandelbrot", ToItsEnd},
                  {"strings", ToItsEnd}, {"catch", UntilClosed}, {"echo", UntilClosedAfterALine},
                  {"guess", UntilClosedAfterALine}, {"pig", UntilClosedAfterALine}};
  for (const auto& [name, runs] : examples) {
    SCOPED_TRACE(name);
    const std::string made = std::string("made_") + name + ".exe";
    const std::string source = ExampleFile((std::string(name) + ".bas").c_str());
    const BasicExeResult made_result = Make(made, source);
    ASSERT_EQ(made_result.code, 0u) << made_result.errors;
    ExpectBasicExeWithTextAfter(made, source);
    const BasicExeResult result = runs == ToItsEnd
                                      ? RunBasicExe("--snapshot nowhere.bmp ignored.bas", made.c_str())
                                      : CloseWhenShown(made.c_str(), runs == UntilClosedAfterALine);
    EXPECT_EQ(result.code, 0u) << result.errors;
    DeleteFileA(SiblingExecutable(made.c_str()).c_str());
  }
  EXPECT_EQ(GetFileAttributesA("nowhere.bmp"), INVALID_FILE_ATTRIBUTES) << "no option was read";
}

TEST(BasicAppMake, MistakesWriteNothing) {
  const std::string broken = "\"" + WriteProgram("make_broken.bas", "PRINT (\r\n") + "\"";
  const struct {
    std::string arguments;
    const char* says;
  } mistakes[] = {
      {broken, "make_broken.bas:1"},
      {"\"" + SiblingExecutable("make_missing.bas") + "\"", "cannot read the file"},
      {"", "--make needs the BASIC file"},
      {"--echo " + broken, "do not go with it"},
  };
  const std::string out = SiblingExecutable("make_mistake.exe");
  for (const auto& [arguments, says] : mistakes) {
    SCOPED_TRACE(arguments);
    DeleteFileA(out.c_str());
    const BasicExeResult result = RunBasicExe("--exit --make \"" + out + "\" " + arguments);
    EXPECT_EQ(result.code, 1u);
    EXPECT_NE(result.errors.find(says), std::string::npos) << result.errors;
    EXPECT_EQ(GetFileAttributesA(out.c_str()), INVALID_FILE_ATTRIBUTES);
  }
}

// The made program's version names it, for a file manager to show; with
// --icon it carries the icon file's picture as its icon, under group 1.
TEST(BasicAppMake, GivesTheProgramItsVersionAndIcon) {
  const std::string source = WriteProgram("make_icon.bas", "PRINT 1\r\n");
  const std::string icon = SiblingExecutable("make_icon.ico");
  std::ofstream(icon, std::ios::binary) << OnePixelIcon();
  DeleteFileA(SiblingExecutable("make_icon.exe").c_str());
  const BasicExeResult made =
      RunBasicExe("--make \"" + SiblingExecutable("make_icon.exe") + "\" --icon \"" + icon + "\" \"" + source + "\"");
  ASSERT_EQ(made.code, 0u) << made.errors;
  EXPECT_EQ(ResourceOf("make_icon.exe", MAKEINTRESOURCEA(3), 1), OnePixelIcon().substr(22));
  std::string group = OnePixelIcon().substr(0, 18);
  group += {'\1', '\0'};  // the entry's image: icon 1
  EXPECT_EQ(ResourceOf("make_icon.exe", MAKEINTRESOURCEA(14), 1), group);
  const std::string version = ResourceOf("make_icon.exe", MAKEINTRESOURCEA(16), 1);
  EXPECT_NE(version.find(Utf16("ProductName")), std::string::npos);
  EXPECT_NE(version.find(Utf16("make_icon") + std::string(2, '\0')), std::string::npos);
  EXPECT_NE(version.find(Utf16("make_icon.exe")), std::string::npos);
  EXPECT_EQ(RunBasicExe("", "make_icon.exe").code, 0u);

  ASSERT_EQ(Make("make_plain.exe", source).code, 0u);
  EXPECT_EQ(ResourceOf("make_plain.exe", MAKEINTRESOURCEA(14), 1), "");
  EXPECT_NE(ResourceOf("make_plain.exe", MAKEINTRESOURCEA(16), 1).find(Utf16("make_plain.exe")), std::string::npos);
  for (const char* file : {"make_icon.exe", "make_plain.exe", "make_icon.ico"}) {
    DeleteFileA(SiblingExecutable(file).c_str());
  }
}

// An icon that is none, or missing, writes no program.
TEST(BasicAppMake, AnIconThatIsNoneWritesNothing) {
  const std::string source = WriteProgram("make_bad_icon.bas", "PRINT 1\r\n");
  const std::string icon = WriteProgram("make_bad_icon.ico", "BM not an icon");
  const std::string out = SiblingExecutable("make_bad_icon.exe");
  const struct {
    std::string arguments;
    const char* says;
  } mistakes[] = {
      {"--make \"" + out + "\" --icon \"" + icon + "\" \"" + source + "\"", "not an icon file"},
      {"--make \"" + out + "\" --icon Z:\\no\\such.ico \"" + source + "\"", "cannot read the file"},
      {"--exit --icon \"" + icon + "\" \"" + source + "\"", "--icon goes with --make"},
  };
  for (const auto& [arguments, says] : mistakes) {
    SCOPED_TRACE(arguments);
    DeleteFileA(out.c_str());
    const BasicExeResult result = RunBasicExe(arguments);
    EXPECT_EQ(result.code, 1u);
    EXPECT_NE(result.errors.find(says), std::string::npos) << result.errors;
    EXPECT_EQ(GetFileAttributesA(out.c_str()), INVALID_FILE_ATTRIBUTES);
  }
}

// --make is a command: without --exit it still ends once the file is
// written, or its mistakes said, and opens no window.
TEST(BasicAppMake, EndsAsACommandDoes) {
  const std::string out = SiblingExecutable("make_command.exe");
  const std::string good = WriteProgram("make_command.bas", "PRINT 1\r\n");
  const std::string broken = WriteProgram("make_command_broken.bas", "PRINT (\r\n");
  DeleteFileA(out.c_str());
  const BasicExeResult made = RunBasicExe("--make \"" + out + "\" \"" + good + "\"");
  EXPECT_EQ(made.code, 0u) << made.errors;
  EXPECT_NE(made.output.find("basic: made "), std::string::npos) << made.output;
  EXPECT_NE(GetFileAttributesA(out.c_str()), INVALID_FILE_ATTRIBUTES);
  const BasicExeResult refused = RunBasicExe("--make \"" + out + "\" \"" + broken + "\"");
  EXPECT_EQ(refused.code, 1u);
  EXPECT_NE(refused.errors.find("make_command_broken.bas:1"), std::string::npos) << refused.errors;
  EXPECT_EQ(refused.errors.substr(refused.errors.size() - 2), "\r\n");
  DeleteFileA(out.c_str());
}

TEST(BasicAppMadeProgram, ARunTimeErrorStaysInTheWindowAndClosingGivesItsCode) {
  const std::string source = WriteProgram("made_error.bas", "DIM A(3)\r\nA(5) = 1\r\n");
  ASSERT_EQ(Make("made_error.exe", source).code, 0u);
  const BasicExeResult result = CloseWhenShown("made_error.exe", false);
  EXPECT_EQ(result.code, 2u);
  EXPECT_NE(result.errors.find("made_error.bas"), std::string::npos) << result.errors;
  EXPECT_NE(result.errors.find("Subscript out of range"), std::string::npos) << result.errors;
}

TEST(BasicAppMadeProgram, DamageIsShownAndNothingRuns) {
  const std::string source = WriteProgram("made_damaged.bas", "PRINT \"ran\"\r\nEND\r\n");
  ASSERT_EQ(Make("made_whole.exe", source).code, 0u);
  const std::string whole = FileBytes(SiblingExecutable("made_whole.exe"));
  const struct {
    const char* damage;
    std::string image;
    const char* says;
  } damaged[] = {
      {"the last byte cut off", whole.substr(0, whole.size() - 1), "cut short"},
      {"everything after basic.exe cut off", whole.substr(0, whole.size() - 19), "cut short"},
      {"a byte of the text changed", std::string(whole).replace(whole.size() - 5, 1, "X"), "changed"},
      {"a byte added", whole + "\n", "other bytes follow"},
  };
  for (const auto& [damage, image, says] : damaged) {
    SCOPED_TRACE(damage);
    std::ofstream(SiblingExecutable("made_damaged.exe"), std::ios::binary) << image;
    const BasicExeResult result = CloseWhenShown("made_damaged.exe", false);
    EXPECT_EQ(result.code, 6u);
    EXPECT_NE(result.errors.find("this program is damaged"), std::string::npos) << result.errors;
    EXPECT_NE(result.errors.find(says), std::string::npos) << result.errors;
  }
}

// What the test for basic.exe's own run of balls.bas checks, for the made
// program: the compiled scene's back buffer, byte for byte, and its picture
// in the window. A made program has no options, so the environment asks for
// the snapshots.
TEST(BasicAppMadeProgram, MadeFromBallsBasIsTheCompiledScene) {
  ASSERT_EQ(Make("made_scene.exe", ExampleFile("balls.bas")).code, 0u);
  const std::string compiled = SiblingExecutable("made_scene_compiled.bmp");
  const std::string made = SiblingExecutable("made_scene_made.bmp");
  const std::string window = SiblingExecutable("made_scene_window.bmp");
  ASSERT_EQ(RunProgram("\"" + SiblingExecutable("balls-snapshot.exe") + "\" \"" + compiled + "\""), 0u);
  SetEnvironmentVariableA("BASIC_SNAPSHOT", made.c_str());
  SetEnvironmentVariableA("BASIC_WINDOW_SNAPSHOT", window.c_str());
  const BasicExeResult result = RunBasicExe("", "made_scene.exe");
  SetEnvironmentVariableA("BASIC_SNAPSHOT", nullptr);
  SetEnvironmentVariableA("BASIC_WINDOW_SNAPSHOT", nullptr);
  EXPECT_EQ(result.code, 0u) << result.errors;
  const std::string compiled_bytes = FileBytes(compiled);
  EXPECT_GT(compiled_bytes.size(), 640u * 400 * 3);
  EXPECT_TRUE(compiled_bytes == FileBytes(made)) << "the whole screen-sized back buffer";
  const Picture expected = DrawReference(640, 400, 0, SceneFigures());
  EXPECT_TRUE(SamePictures(expected, ReadBmp(window, 640, 400)));
  for (const std::string& file : {compiled, made, window}) DeleteFileA(file.c_str());
}

}  // namespace
