#include "basic/variables/command_variables.h"

#include "basic/executor/string_values.h"
#include "basic/text/command_string.h"
#include "basic/variables/variables.h"

double CommandNumber(const Variables& variables, const std::string& name) {
  ReferenceType type;
  int32_t slot = -1;
  if (IsVarptrBytes(name, &type, &slot)) {
    const bool found = type != ReferenceType::String && static_cast<std::size_t>(slot) < variables.numbers.size();
    return found ? variables.numbers[static_cast<std::size_t>(slot)] : 0;
  }
  const std::string canonical = CanonicalName(name);
  slot = variables.FindNumberSlot(canonical);
  if (!HasSuffix(canonical)) {
    for (const ValueKind kind : {ValueKind::Integer, ValueKind::Long}) {
      if (slot < 0) slot = variables.FindNumberSlot(NameOfKind(canonical, kind));
    }
  }
  return slot < 0 ? 0 : variables.numbers[static_cast<std::size_t>(slot)];
}

std::string_view CommandText(const Variables& variables, const std::string& name) {
  ReferenceType type;
  int32_t slot = -1;
  if (IsVarptrBytes(name, &type, &slot)) {
    if (type != ReferenceType::String || static_cast<std::size_t>(slot) >= variables.strings.size()) return {};
    return BytesOf(variables.strings[static_cast<std::size_t>(slot)]);
  }
  slot = variables.FindStringSlot(name);
  return slot < 0 ? std::string_view() : BytesOf(variables.strings[static_cast<std::size_t>(slot)]);
}
