#include "basic/app/options.h"

// Takes one argument, and the next when it belongs to the option; gives the
// mistake, if any, as a message.
static std::string TakeArgument(const std::vector<std::string>& arguments, size_t* i,
                                bool* options_ended, BasicAppOptions* options) {
  const std::string& argument = arguments[*i];
  if (*options_ended || argument.size() < 2 || argument[0] != '-') {
    if (!options->file.empty()) return "only one file can be run: " + argument;
    options->file = argument;
  } else if (argument == "--") {
    *options_ended = true;
  } else if (argument == "--exit") {
    options->exit_at_end = true;
  } else if (argument == "--list") {
    options->list = true;
  } else if (argument == "--echo") {
    options->echo = true;
  } else if (argument == "--snapshot") {
    if (*i + 1 == arguments.size() || arguments[*i + 1].empty()) return "--snapshot needs the file to write";
    options->snapshot = arguments[++*i];
    options->exit_at_end = true;
  } else if (argument == "--input") {
    if (*i + 1 == arguments.size() || arguments[*i + 1].empty()) {
      return "--input needs the file of lines (- for standard input)";
    }
    options->input = arguments[++*i];
  } else if (argument == "--sound") {
    if (*i + 1 == arguments.size() || arguments[*i + 1].empty()) return "--sound needs the WAV file to write";
    options->sound = arguments[++*i];
  } else if (argument == "--make") {
    if (*i + 1 == arguments.size() || arguments[*i + 1].empty()) return "--make needs the program to write";
    options->make = arguments[++*i];
  } else if (argument == "--icon") {
    if (*i + 1 == arguments.size() || arguments[*i + 1].empty()) return "--icon needs the icon file";
    options->icon = arguments[++*i];
  } else {
    return "unknown option " + argument;
  }
  return {};
}

// --make writes a program and --list lists one, and neither runs it: what
// only a run uses is a mistake beside them.
static std::string RunlessMistake(const BasicAppOptions& options) {
  if (!options.icon.empty() && options.make.empty()) return "basic: --icon goes with --make\r\n";
  if (options.make.empty() && !options.list) return {};
  if (!options.make.empty() && options.list) return "basic: --make and --list do not go together\r\n";
  const char* option = options.list ? "--list" : "--make";
  if (options.file.empty()) {
    return std::string("basic: ") + option + (options.list ? " needs the BASIC file to list\r\n"
                                                           : " needs the BASIC file to make it from\r\n");
  }
  if (!options.snapshot.empty() || options.echo || !options.input.empty() || !options.sound.empty()) {
    return std::string("basic: ") + option + " runs nothing: --snapshot, --echo, --input and --sound do not go with it\r\n";
  }
  return {};
}

bool ParseCommandLine(const std::vector<std::string>& arguments, BasicAppOptions* options,
                      std::string* error) {
  bool options_ended = false;
  error->clear();
  // Every argument is read, also after a mistake, so that --exit counts
  // wherever it stands.
  for (size_t i = 0; i < arguments.size(); ++i) {
    const std::string mistake = TakeArgument(arguments, &i, &options_ended, options);
    if (!mistake.empty() && error->empty()) *error = "basic: " + mistake + "\r\n";
  }
  if (error->empty()) *error = RunlessMistake(*options);
  return error->empty();
}
