#include "basic/qb64/metacommands.h"

#include <cctype>

#include "basic/compiler/include_files.h"

namespace {

std::string_view SkipBlanks(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  return text;
}

// The upper-case letters at the text's start, taken off it.
std::string TakeWord(std::string_view* text) {
  std::string word;
  while (!text->empty() && std::isalpha(static_cast<unsigned char>(text->front()))) {
    word += static_cast<char>(std::toupper(static_cast<unsigned char>(text->front())));
    text->remove_prefix(1);
  }
  return word;
}

// After the metacommand: nothing, or a comment.
bool EndsThere(std::string_view rest) {
  rest = SkipBlanks(rest);
  return rest.empty() || rest.front() == '\'';
}

// ":" and one of the words, then the end.
bool TakesOneOf(std::string_view rest, std::initializer_list<const char*> words) {
  rest = SkipBlanks(rest);
  if (rest.empty() || rest.front() != ':') return false;
  rest = SkipBlanks(rest.substr(1));
  const std::string word = TakeWord(&rest);
  for (const char* allowed : words) {
    if (word == allowed) return EndsThere(rest);
  }
  return false;
}

// ":'file'", then the end.
bool TakesQuotedName(std::string_view rest) {
  rest = SkipBlanks(rest);
  if (rest.empty() || rest.front() != ':') return false;
  rest = SkipBlanks(rest.substr(1));
  if (rest.empty() || rest.front() != '\'') return false;
  const std::size_t close = rest.find('\'', 1);
  return close != std::string_view::npos && close > 1 && EndsThere(rest.substr(close + 1));
}

MetacommandLine Invalid(std::string message) { return MetacommandLine{Metacommand::Invalid, std::move(message)}; }

// The text after the '$'; at_line_start: written as a line of its own.
MetacommandLine Read(std::string_view text, bool at_line_start) {
  const std::string name = TakeWord(&text);
  const MetacommandLine ignored{Metacommand::Ignored, {}};
  if (name.empty()) return at_line_start ? Invalid("expected a metacommand's name after $") : MetacommandLine{};
  if (name == "NOPREFIX") return EndsThere(text) ? MetacommandLine{Metacommand::NoPrefix, {}} : Invalid("$NOPREFIX takes nothing after it");
  if (name == "CONSOLE") {
    return EndsThere(text) || TakesOneOf(text, {"ONLY"}) ? ignored : Invalid("$CONSOLE takes nothing, or :ONLY");
  }
  if (name == "RESIZE") {
    return TakesOneOf(text, {"ON", "OFF", "SMOOTH", "STRETCH"}) ? ignored
                                                                 : Invalid("$RESIZE needs :ON, :OFF, :SMOOTH or :STRETCH");
  }
  if (name == "EXEICON") return TakesQuotedName(text) ? ignored : Invalid("$EXEICON needs a file name in single quotes: $EXEICON:'name.ico'");
  if (!at_line_start) return {};
  // QBasic's own, which it wrote in comments, are comments here too.
  if (name == "DYNAMIC" || name == "STATIC") return ignored;
  return Invalid("$" + name + " is a QB64 metacommand that this BASIC does not have");
}

}  // namespace

bool StartsWithMetacommand(std::string_view line) {
  line = SkipBlanks(line);
  return !line.empty() && line.front() == '$';
}

MetacommandLine ReadMetacommand(std::string_view line) {
  if (StartsWithMetacommand(line)) return Read(SkipBlanks(line).substr(1), true);
  const std::string_view comment = SkipBlanks(CommentOf(line));
  if (comment.empty() || comment.front() != '$') return {};
  return Read(comment.substr(1), false);
}
