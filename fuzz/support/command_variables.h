// The variables a fuzzed DRAW or PLAY string names. The input holds the
// command string and, after each newline, the text of a string variable;
// every name finds one of them by its first byte (VARPTR$'s bytes by their
// slot), so strings run each other and themselves. Numbers are ordinary
// values and those that must be refused. A string asked for by a name that
// is no string's aborts: the reader must never do that.
#pragma once

#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "basic/text/command_string.h"

class FuzzCommandVariables {
 public:
  explicit FuzzCommandVariables(std::string_view input) {
    for (std::size_t start = 0;;) {
      const std::size_t end = input.find('\n', start);
      texts_.push_back(input.substr(start, end == std::string_view::npos ? end : end - start));
      if (end == std::string_view::npos) break;
      start = end + 1;
    }
  }
  std::string_view commands() const { return texts_[0]; }

  double Number(const std::string& name) const {
    static const double values[] = {0,     3,     64, 2.5, -7, 32767.5, -32768, 1e300, std::nan(""),
                                    std::numeric_limits<double>::infinity()};
    return values[name.size() % (sizeof values / sizeof values[0])];
  }

  std::string_view Text(const std::string& name) const {
    ReferenceType type;
    int32_t slot;
    if (IsVarptrBytes(name, &type, &slot)) {
      if (type != ReferenceType::String) std::abort();
      return texts_[static_cast<std::size_t>(slot) % texts_.size()];
    }
    if (name.empty() || name.back() != '$') std::abort();
    return texts_[static_cast<unsigned char>(name[0]) % texts_.size()];
  }

 private:
  std::vector<std::string_view> texts_;
};
