#include "basic/files/file_names.h"

#include <algorithm>
#include <vector>

#include "basic/tokens/lexer.h"

namespace {

// The bytes of the character at name[at]: 2 for a double-byte character
// whose trail byte is there, else 1.
std::size_t CharacterBytes(std::string_view name, std::size_t at) {
  return IsLeadByte(static_cast<unsigned char>(name[at])) && at + 1 < name.size() ? 2 : 1;
}

char Upper(char byte) { return byte >= 'a' && byte <= 'z' ? static_cast<char>(byte - 'a' + 'A') : byte; }

std::string UpperAscii(std::string_view word) {
  std::string upper;
  for (char byte : word) upper += Upper(byte);
  return upper;
}

// A reserved word of the system with a digit 1-9 after it: "COM3", "LPT9".
bool IsNumberedDevice(const std::string& word, std::string_view stem) {
  return word.size() == stem.size() + 1 && word.compare(0, stem.size(), stem) == 0 && word.back() >= '1' &&
         word.back() <= '9';
}

DeviceKind ReservedDevice(const std::string& word) {
  if (word == "CON") return DeviceKind::Screen;
  if (word == "PRN" || IsNumberedDevice(word, "LPT")) return DeviceKind::Printer;
  if (word == "NUL") return DeviceKind::Null;
  if (word == "AUX" || IsNumberedDevice(word, "COM")) return DeviceKind::Unavailable;
  return DeviceKind::None;
}

// The BASIC devices named with their colon.
DeviceKind BasicDevice(const std::string& word) {
  if (word == "SCRN" || word == "CONS") return DeviceKind::Screen;
  if (word == "KYBD") return DeviceKind::Keyboard;
  if (word == "CAS1") return DeviceKind::Unavailable;
  return ReservedDevice(word);
}

bool StartsWithDevicePrefix(std::string_view name) {
  return name.size() >= 4 && IsFolderSeparator(name[0]) && IsFolderSeparator(name[1]) &&
         (name[2] == '.' || name[2] == '?') && IsFolderSeparator(name[3]);
}

bool IsDriveColon(std::string_view name, std::size_t at) {
  const char letter = Upper(name[0]);
  return at == 1 && letter >= 'A' && letter <= 'Z';
}

bool SameCharacter(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  return a.size() == 1 ? Upper(a[0]) == Upper(b[0]) : a == b;
}

// Wildcard matching by characters, with the usual backtracking to the last
// star: at most pattern-length times name-length steps.
bool MatchCharacters(std::string_view pattern, std::string_view name) {
  std::size_t p = 0, n = 0;
  std::size_t star = std::string_view::npos, star_name = 0;
  while (n < name.size()) {
    const std::size_t name_bytes = CharacterBytes(name, n);
    if (p < pattern.size() && pattern[p] == '*') {
      star = p++;
      star_name = n;
      continue;
    }
    if (p < pattern.size()) {
      const std::size_t pattern_bytes = CharacterBytes(pattern, p);
      if ((pattern[p] == '?' && pattern_bytes == 1) ||
          SameCharacter(pattern.substr(p, pattern_bytes), name.substr(n, name_bytes))) {
        p += pattern_bytes;
        n += name_bytes;
        continue;
      }
    }
    if (star == std::string_view::npos) return false;
    p = star + 1;
    star_name += CharacterBytes(name, star_name);
    n = star_name;
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

}  // namespace

bool IsFolderSeparator(char byte) { return byte == '\\' || byte == '/'; }

DeviceKind DeviceOfName(std::string_view name) {
  const std::size_t colon = name.find(':');
  if (colon != std::string_view::npos && colon >= 2) return BasicDevice(UpperAscii(name.substr(0, colon)));
  std::string_view last = name.substr(LastPartStart(name));
  last = last.substr(0, last.find('.'));
  while (!last.empty() && last.back() == ' ') last.remove_suffix(1);
  return ReservedDevice(UpperAscii(last));
}

RunError CheckFileName(std::string_view name, bool allow_wildcards) {
  if (name.empty() || name.size() > MaxFileNameBytes || StartsWithDevicePrefix(name)) return RunError::BadFileName;
  const std::size_t last_part = LastPartStart(name);
  for (std::size_t at = 0; at < name.size(); at += CharacterBytes(name, at)) {
    const unsigned char byte = static_cast<unsigned char>(name[at]);
    if (CharacterBytes(name, at) == 2) continue;
    if (byte < 32 || byte == '"' || byte == '<' || byte == '>' || byte == '|') return RunError::BadFileName;
    if ((byte == '*' || byte == '?') && !(allow_wildcards && at >= last_part)) return RunError::BadFileName;
    if (byte == ':' && !IsDriveColon(name, at)) return RunError::BadFileName;
  }
  return RunError::None;
}

bool HasWildcards(std::string_view name) {
  for (std::size_t at = 0; at < name.size(); at += CharacterBytes(name, at)) {
    if (CharacterBytes(name, at) == 1 && (name[at] == '*' || name[at] == '?')) return true;
  }
  return false;
}

std::string WithSeparators(std::string_view name, char separator) {
  std::string result(name);
  for (std::size_t at = 0; at < name.size(); at += CharacterBytes(name, at)) {
    if (CharacterBytes(name, at) == 1 && IsFolderSeparator(name[at])) result[at] = separator;
  }
  return result;
}

std::size_t LastPartStart(std::string_view name) {
  std::size_t start = 0;
  for (std::size_t at = 0; at < name.size(); at += CharacterBytes(name, at)) {
    if (CharacterBytes(name, at) == 2) continue;
    if (IsFolderSeparator(name[at]) || (name[at] == ':' && IsDriveColon(name, at))) start = at + 1;
  }
  return start;
}

std::string_view WithoutTrailingSeparators(std::string_view name) {
  // LastPartStart sees a real separator at the end, not a trail byte.
  while (name.size() > 1 && LastPartStart(name) == name.size() && IsFolderSeparator(name.back()) &&
         name[name.size() - 2] != ':') {
    name.remove_suffix(1);
  }
  return name;
}

bool MatchesWildcards(std::string_view pattern, std::string_view name) {
  if (MatchCharacters(pattern, name)) return true;
  const bool any_extension = pattern.size() >= 2 && pattern.substr(pattern.size() - 2) == ".*";
  return any_extension && name.find('.') == std::string_view::npos &&
         MatchCharacters(pattern.substr(0, pattern.size() - 2), name);
}

std::string PlainPath(std::string_view absolute, char separator) {
  std::vector<std::string_view> parts;
  std::size_t at = 0;
  while (at < absolute.size()) {
    const std::size_t end = std::min(absolute.find(separator, at), absolute.size());
    const std::string_view part = absolute.substr(at, end - at);
    if (part == "..") {
      if (!parts.empty()) parts.pop_back();
    } else if (!part.empty() && part != ".") {
      parts.push_back(part);
    }
    at = end + 1;
  }
  std::string plain;
  for (std::string_view part : parts) {
    plain += separator;
    plain += part;
  }
  return plain.empty() ? std::string(1, separator) : plain;
}
