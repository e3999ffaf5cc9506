#include "basic/app/show.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>

#include "runtime/console/prompt_io.h"
#include "runtime/strings/strings.h"

// Writes all of text to one of the process's standard handles, when it has
// one: a program started from a desktop has none, and nothing is lost then.
static void WriteStandard(DWORD which, std::string_view text) {
  const HANDLE handle = GetStdHandle(which);
  if (handle == nullptr || handle == INVALID_HANDLE_VALUE) return;
  while (!text.empty()) {
    DWORD written = 0;
    const auto chunk = static_cast<DWORD>(std::min<std::size_t>(text.size(), 1u << 20));
    if (!WriteFile(handle, text.data(), chunk, &written, nullptr) || written == 0) return;
    text.remove_prefix(written);
  }
}

static void PrintToLayer(std::string_view text) {
  const auto length = static_cast<int32_t>(std::min<std::size_t>(text.size(), INT32_MAX));
  RtString s = StrNew(length);
  std::memcpy(s, text.data(), static_cast<std::size_t>(length));
  PromptPrint(s);
}

void ShowText(std::string_view text, bool echo) {
  PrintToLayer(text);
  if (echo) EchoText(text);
}

void EchoText(std::string_view text) { WriteStandard(STD_OUTPUT_HANDLE, text); }

namespace {

// The text as a line: ending in CR LF, whether or not it did.
std::string Line(std::string_view text) {
  std::string line(text);
  if (line.size() < 2 || line.compare(line.size() - 2, 2, "\r\n") != 0) line += "\r\n";
  return line;
}

}  // namespace

void ShowMessage(std::string_view text) {
  const std::string line = Line(text);
  PrintToLayer(line);
  WriteStandard(STD_ERROR_HANDLE, line);
}

void WriteError(std::string_view text) { WriteStandard(STD_ERROR_HANDLE, text); }

void WriteErrorLine(std::string_view text) { WriteStandard(STD_ERROR_HANDLE, Line(text)); }
