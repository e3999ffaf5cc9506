#include "basic/variables/variables.h"

#include <cctype>

#include "basic/executor/string_values.h"

ValueKind KindOfName(const std::string& name) {
  if (name.empty()) return ValueKind::Single;
  switch (name.back()) {
    case '$': return ValueKind::String;
    case '%': return ValueKind::Integer;
    case '&': return ValueKind::Long;
    case '#': return ValueKind::Double;
    default: return ValueKind::Single;
  }
}

bool HasSuffix(const std::string& name) {
  return !name.empty() && !std::isalnum(static_cast<unsigned char>(name.back())) && name.back() != '_';
}

std::string NameOfKind(const std::string& bare_name, ValueKind kind) {
  switch (kind) {
    case ValueKind::Integer: return bare_name + '%';
    case ValueKind::Long: return bare_name + '&';
    case ValueKind::String: return bare_name + '$';
    case ValueKind::Double: return bare_name + '#';
    case ValueKind::Single: break;
  }
  return bare_name;
}

std::string CanonicalName(const std::string& name) {
  if (!name.empty() && name.back() == '!') return name.substr(0, name.size() - 1);
  return name;
}

Variables::~Variables() { Reset(); }

std::string Variables::Key(const std::string& canonical_name, NameSpace space) const {
  return scope ? scope->Key(canonical_name, space) : canonical_name;
}

int32_t Variables::NumberSlot(const std::string& canonical_name) {
  const auto [entry, added] =
      number_slots_.emplace(Key(canonical_name, NameSpace::Number), static_cast<int32_t>(numbers.size()));
  if (added) {
    numbers.push_back(0);
    if (scope) scope->Made(canonical_name, NameSpace::Number, entry->second);
  }
  return entry->second;
}

int32_t Variables::StringSlot(const std::string& canonical_name) {
  const auto [entry, added] =
      string_slots_.emplace(Key(canonical_name, NameSpace::String), static_cast<int32_t>(strings.size()));
  if (added) {
    strings.push_back(nullptr);
    if (scope) scope->Made(canonical_name, NameSpace::String, entry->second);
  }
  return entry->second;
}

int32_t Variables::ArraySlot(const std::string& canonical_name, int32_t subscripts, int32_t base) {
  const auto [entry, added] =
      array_slots_.emplace(Key(canonical_name, NameSpace::Array), static_cast<int32_t>(arrays.size()));
  if (added) {
    if (scope) scope->Made(canonical_name, NameSpace::Array, entry->second);
    ArrayVariable array;
    array.name = canonical_name;
    array.kind = KindOfName(canonical_name);
    array.subscripts = subscripts;
    array.base = base;
    arrays.push_back(std::move(array));
  }
  ArrayVariable& array = arrays[entry->second];
  if (array.subscripts == 0) array.subscripts = subscripts;
  return subscripts == 0 || array.subscripts == subscripts ? entry->second : -1;
}

int32_t Variables::ArraySubscripts(const std::string& canonical_name) const {
  const auto entry = array_slots_.find(Key(canonical_name, NameSpace::Array));
  return entry == array_slots_.end() ? 0 : arrays[entry->second].subscripts;
}

// The program's own names are held as they are: only a procedure's get a prefix.
int32_t Variables::FindNumberSlot(const std::string& canonical_name) const {
  const auto entry = number_slots_.find(canonical_name);
  return entry == number_slots_.end() ? -1 : entry->second;
}

int32_t Variables::FindStringSlot(const std::string& canonical_name) const {
  const auto entry = string_slots_.find(canonical_name);
  return entry == string_slots_.end() ? -1 : entry->second;
}

void UnmakeArray(ArrayVariable& array) {
  for (RtString s : array.strings) ReleaseString(s);
  std::vector<double>().swap(array.numbers);
  std::vector<RtString>().swap(array.strings);
  array.made = false;
  array.dimensioned = false;
}

void Variables::Reset() {
  for (double& value : numbers) value = 0;
  for (RtString& s : strings) {
    ReleaseString(s);
    s = nullptr;
  }
  for (ArrayVariable& array : arrays) UnmakeArray(array);
}

namespace {

std::vector<std::string> NamesBySlot(const std::unordered_map<std::string, int32_t>& slots, std::size_t count) {
  std::vector<std::string> names(count);
  for (const auto& [name, slot] : slots) names[static_cast<std::size_t>(slot)] = name;
  return names;
}

}  // namespace

std::vector<std::string> Variables::NumberNames() const { return NamesBySlot(number_slots_, numbers.size()); }
std::vector<std::string> Variables::StringNames() const { return NamesBySlot(string_slots_, strings.size()); }
