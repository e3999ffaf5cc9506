#include "basic/builtins/environment.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "basic/builtins/builtins.h"
#include "basic/executor/machine.h"
#include "basic/executor/string_values.h"

#ifndef _WIN32
extern char** environ;
#endif

namespace {

std::string Capitals(std::string_view text) {
  std::string capitals(text);
  for (char& byte : capitals) byte = static_cast<char>(std::toupper(static_cast<unsigned char>(byte)));
  return capitals;
}

bool SetVariable(const std::string& name, const std::string& value) {
#ifdef _WIN32
  // "NAME=" with nothing after the '=' removes the entry.
  return _putenv((name + "=" + value).c_str()) == 0;
#else
  return value.empty() ? unsetenv(name.c_str()) == 0 : setenv(name.c_str(), value.c_str(), 1) == 0;
#endif
}

}  // namespace

std::string CommandText(std::string_view arguments) {
  const std::size_t start = arguments.find_first_not_of(' ');
  return start == std::string_view::npos ? std::string() : Capitals(arguments.substr(start));
}

std::string EnvironmentValue(const std::string& name) {
  const char* value = std::getenv(name.c_str());
  return value ? value : "";
}

std::string EnvironmentEntry(int32_t n) {
  char** entries = environ;
  for (int32_t i = 1; entries && *entries; ++i, ++entries) {
    if (i == n) return *entries;
  }
  return "";
}

bool SetEnvironment(std::string_view assignment) {
  if (assignment.find('\0') != std::string_view::npos) return false;
  const std::size_t split = assignment.find_first_of("= ");
  if (split == 0 || split == std::string_view::npos) return false;
  const std::string name = Capitals(assignment.substr(0, split));
  std::string_view value = assignment.substr(split + 1);
  value.remove_prefix(std::min(value.find_first_not_of(' '), value.size()));
  return SetVariable(name, std::string(value));
}

RunFault FnCommand(BuiltinCall& call) {
  call.text = NewString(call.machine->command_line);
  return {};
}

RunFault FnEnvironByName(BuiltinCall& call) {
  const std::string_view name = BytesOf(call.texts[0]);
  if (name.empty() || name.find('\0') != std::string_view::npos) {
    return IllegalCall("ENVIRON$ needs a name");
  }
  call.text = NewString(EnvironmentValue(std::string(name)));
  return {};
}

// Entries are counted from 1 to 255, as DOS's environment held no more.
RunFault FnEnvironByNumber(BuiltinCall& call) {
  const double n = call.numbers[0];
  if (!(n >= 0.5 && n < 255.5)) return IllegalCall("ENVIRON$ counts entries from 1 to 255");
  call.text = NewString(EnvironmentEntry(static_cast<int32_t>(std::nearbyint(n))));
  return {};
}
