#include "basic/text/command_string.h"

#include "runtime/numeric/numeric.h"

namespace {

bool IsLetter(char c) { return UpperCase(c) >= 'A' && UpperCase(c) <= 'Z'; }

}  // namespace

char UpperCase(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string Shown(char c) {
  const auto code = static_cast<unsigned char>(c);
  if (code < 32 || code > 126) return "CHR$(" + std::to_string(code) + ")";
  return std::string("'") + c + "'";
}

CommandReader::CommandReader(std::string_view commands, const char* statement, CommandVariables& variables)
    : statement_(statement), variables_(variables) {
  sources_.push_back({commands, 0, {}});
}

bool CommandReader::More() {
  while (!sources_.empty()) {
    while (Peek() == ' ' || Peek() == ';') Take();
    if (!AtEnd()) return true;
    sources_.pop_back();
  }
  return false;
}

char CommandReader::Command() {
  command_at_ = Current().at;
  return UpperCase(Take());
}

char CommandReader::Peek() const { return AtEnd() ? '\0' : Current().text[Current().at]; }

char CommandReader::Take() { return AtEnd() ? '\0' : sources_.back().text[sources_.back().at++]; }

void CommandReader::SkipSpaces() {
  while (Peek() == ' ') Take();
}

bool CommandReader::Digits(int64_t most, const char* too_large, int64_t* value) {
  if (!IsDigit(Peek())) return false;
  int64_t number = 0;
  while (IsDigit(Peek())) {
    number = number * 10 + (Take() - '0');
    if (number > most) Fail(too_large);
  }
  *value = number;
  return true;
}

namespace {

bool IsReferenceType(char c) {
  switch (static_cast<ReferenceType>(static_cast<uint8_t>(c))) {
    case ReferenceType::Integer:
    case ReferenceType::String:
    case ReferenceType::Single:
    case ReferenceType::Double:
    case ReferenceType::Long: return true;
  }
  return false;
}

bool NamesString(const std::string& name) {
  ReferenceType type;
  int32_t slot;
  return IsVarptrBytes(name, &type, &slot) ? type == ReferenceType::String : name.back() == '$';
}

// How messages show a name: VARPTR$'s bytes are no name to show.
std::string ShownName(const std::string& name) {
  ReferenceType type;
  int32_t slot;
  return IsVarptrBytes(name, &type, &slot) ? "VARPTR$'s variable" : name;
}

}  // namespace

std::string VarptrBytes(ReferenceType type, uint16_t slot) {
  return {static_cast<char>(type), static_cast<char>(slot & 0xFF), static_cast<char>(slot >> 8)};
}

bool IsVarptrBytes(std::string_view name, ReferenceType* type, int32_t* slot) {
  if (name.size() != 3 || !IsReferenceType(name[0])) return false;
  *type = static_cast<ReferenceType>(static_cast<uint8_t>(name[0]));
  *slot = static_cast<uint8_t>(name[1]) | static_cast<uint8_t>(name[2]) << 8;
  return true;
}

int64_t CommandReader::VariableValue() {
  const std::string name = Name();
  if (NamesString(name)) Fail(Own() + "=" + ShownName(name) + "; names a string where a number belongs");
  return NumToInt32(variables_.Number(name));
}

void CommandReader::Substring() {
  const std::string name = Name();
  if (!NamesString(name)) Fail(Own() + "X needs a string variable, as in XA$;");
  if (static_cast<int32_t>(sources_.size()) > MaxCommandNesting) {
    Fail(Own() + "X substrings nest deeper than " + std::to_string(MaxCommandNesting));
  }
  const std::string_view text = variables_.Text(name);
  substring_bytes_ += text.size();
  if (substring_bytes_ > MaxSubstringBytes) {
    Fail(Own() + "X substrings bring more than " + std::to_string(MaxSubstringBytes) + " characters");
  }
  sources_.push_back({text, 0, ShownName(name)});
}

void CommandReader::Fail(const std::string& what) const {
  std::string where = " (character " + std::to_string(command_at_ + 1);
  if (!Current().name.empty()) where += " of " + Current().name;
  throw CommandStringError{what + where + ")"};
}

// A variable's name, upper case, and the ';' that ends it.
std::string CommandReader::Name() {
  SkipSpaces();
  if (IsReferenceType(Peek())) {
    std::string reference;
    for (int i = 0; i < 3; ++i) {
      if (AtEnd()) Fail(std::string(statement_) + "'s VARPTR$ is cut short");
      reference += Take();
    }
    SkipSpaces();
    if (Peek() == ';') Take();
    return reference;
  }
  if (!IsLetter(Peek())) Fail(std::string(statement_) + " needs a variable's name");
  std::string name;
  while (IsLetter(Peek()) || IsDigit(Peek()) || Peek() == '.' || Peek() == '_') name += UpperCase(Take());
  const char suffix = Peek();
  if (suffix == '$' || suffix == '%' || suffix == '&' || suffix == '!' || suffix == '#') name += Take();
  SkipSpaces();
  if (Take() != ';') Fail(std::string(statement_) + " needs ';' after " + name);
  return name;
}
