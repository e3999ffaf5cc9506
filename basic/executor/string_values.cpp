#include "basic/executor/string_values.h"

#include <cstring>

RtString NewString(std::string_view bytes) {
  RtString s = StrNew(static_cast<int32_t>(bytes.size()));
  if (!bytes.empty()) std::memcpy(s, bytes.data(), bytes.size());
  return s;
}

std::string_view BytesOf(RtString s) {
  return s ? std::string_view(s, static_cast<std::size_t>(StrLength(s))) : std::string_view();
}
