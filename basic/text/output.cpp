#include "basic/text/output.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "runtime/console/prompt_io.h"
#include "runtime/strings/strings.h"

namespace {

void EchoText(std::string_view text) {
  std::string lines;
  lines.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    lines += text[i];
  }
  std::fwrite(lines.data(), 1, lines.size(), stdout);
  std::fflush(stdout);
}

// PRINT hands the runtime at most this much at once, cut after a line end
// where there is one: a string's length must fit its 32-bit field.
constexpr std::size_t MaxPrintPiece = std::size_t{1} << 20;

// The screen takes a string of the runtime's own heap, and releases it.
RtString RuntimeString(std::string_view text) {
  RtString s = StrNew(static_cast<int32_t>(text.size()));
  if (!text.empty()) std::memcpy(s, text.data(), text.size());
  return s;
}

}  // namespace

void OutputText(std::string_view text, bool echo) {
  while (!text.empty()) {
    std::size_t piece = text.size();
    if (piece > MaxPrintPiece) {
      const std::size_t line_end = text.rfind("\r\n", MaxPrintPiece - 2);
      piece = line_end == std::string_view::npos ? MaxPrintPiece : line_end + 2;
    }
    PromptPrint(RuntimeString(text.substr(0, piece)));
    if (echo) EchoText(text.substr(0, piece));
    text.remove_prefix(piece);
  }
}

void EchoOnly(std::string_view text, bool echo) {
  if (echo) EchoText(text);
}

void EchoInputLine(std::string_view line, bool echo) {
  if (!echo) return;
  std::fwrite(line.data(), 1, line.size(), stdout);
  std::fputc('\n', stdout);
  std::fflush(stdout);
}
