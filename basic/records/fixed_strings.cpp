#include "basic/records/fixed_strings.h"

#include <algorithm>
#include <string>

#include "basic/executor/string_values.h"

RtString FitString(RtString value, int32_t length, char pad) {
  const std::string_view bytes = BytesOf(value);
  const auto kept = static_cast<std::size_t>(std::max(length, 0));
  if (bytes.size() == kept) return value;
  std::string fitted(bytes.substr(0, kept));
  fitted.resize(kept, pad);
  ReleaseString(value);
  return NewString(fitted);
}
