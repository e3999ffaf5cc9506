// A made program: runs the program inside it and takes no command line.
#include "basic/app/made.h"

#include <windows.h>

#include <algorithm>

#include "basic/app/app.h"
#include "basic/app/finish.h"
#include "basic/app/run_file.h"
#include "basic/app/show.h"
#include "basic/app/source_file.h"
#include "basic/app/own_image.h"

namespace {

// The program inside this executable; false, with what is wrong, when the
// file cannot be read or its inside is damaged. The read stops one byte past
// where the text should end, so that bytes added after it show, and a
// damaged length cannot make it read more than any program could be.
bool LoadProgram(MadeProgram* program, std::string* error) {
  const MadeProgramMark mark = OwnMark();
  std::string path, file;
  if (!OwnFilePath(&path)) {
    *error = "cannot find its own file";
    return false;
  }
  const std::size_t length = std::min<std::size_t>(mark.text_length, BasicMaxSourceBytes);
  if (!ReadFileUpTo(path, std::size_t{mark.text_offset} + length + 1, &file, error)) return false;
  const std::string_view tail =
      std::string_view(file).substr(std::min<std::size_t>(mark.text_offset, file.size()));
  return ReadMadeProgram(mark, tail, program, error);
}

std::string EnvironmentValue(const char* name) {
  char value[MAX_PATH * 4];
  const DWORD length = GetEnvironmentVariableA(name, value, sizeof value);
  return length > 0 && length < sizeof value ? std::string(value, length) : std::string();
}

// The snapshots and the sound recording tools and tests ask for, since a made program has no options.
BasicAppOptions OptionsFromEnvironment() {
  BasicAppOptions options;
  options.snapshot = EnvironmentValue("BASIC_SNAPSHOT");
  options.window_snapshot = EnvironmentValue("BASIC_WINDOW_SNAPSHOT");
  options.sound = EnvironmentValue("BASIC_SOUND");
  return options;
}

// At END the process ends at once, as the compiled program's does; after an
// error the window stays to show it, and closing it gives the error's code.
// With a snapshot asked for, it ends at once either way, as with --snapshot.
[[noreturn]] void FinishMade(BasicAppOptions options, int code) {
  options.exit_at_end = code == 0 || !options.snapshot.empty() || !options.window_snapshot.empty();
  Finish(options, code);
}

// The command line after the program's own name, quoted or not.
std::string ArgumentsOf(std::string_view line) {
  const bool quoted = !line.empty() && line.front() == '"';
  std::size_t end = quoted ? line.find('"', 1) : line.find_first_of(" \t");
  if (end == std::string_view::npos) return "";
  return std::string(line.substr(end + (quoted ? 1 : 0)));
}

}  // namespace

bool IsMadeProgram() { return OwnMark().made != 0; }

void RunMadeProgram() {
  BasicAppOptions options = OptionsFromEnvironment();
  MadeProgram program;
  std::string error;
  if (!LoadProgram(&program, &error)) {
    ShowMessage(error);
    FinishMade(options, BasicExitDamaged);
  }
  options.file = program.name;
  options.command_line = ArgumentsOf(GetCommandLineA());
  FinishMade(options, RunSource(program.text, options));
}
