// Fuzzes DRAW's command string: any bytes, run with any pen, must draw a
// bounded number of lines and end with the pen's settings in their ranges
// or with a message, never crash or hang. The input holds the string and,
// after each newline, the text of a string variable; every name finds one
// of them by its first letter, so strings run each other and themselves.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "basic/screen/draw_string.h"

namespace {

class FuzzTarget final : public DrawTarget {
 public:
  explicit FuzzTarget(std::string_view input) {
    for (std::size_t start = 0;;) {
      const std::size_t end = input.find('\n', start);
      texts_.push_back(input.substr(start, end == std::string_view::npos ? end : end - start));
      if (end == std::string_view::npos) break;
      start = end + 1;
    }
  }
  std::string_view commands() const { return texts_[0]; }

  void Line(int32_t, int32_t, int32_t, int32_t, int32_t colour) override {
    ++lines;
    if (colour < -1 || colour > 255) std::abort();
  }
  void Paint(int32_t, int32_t, int32_t paint, int32_t border) override {
    ++lines;
    if (paint < 0 || paint > 255 || border < 0 || border > 255) std::abort();
  }
  // Ordinary values, and those that must be refused.
  double Number(const std::string& name) override {
    static const double values[] = {0, 2.5, -7, 32767.5, -32768, 1e300, std::nan(""),
                                    std::numeric_limits<double>::infinity()};
    return values[name.size() % (sizeof values / sizeof values[0])];
  }
  std::string_view Text(const std::string& name) override {
    if (name.empty() || name.back() != '$') std::abort();
    return texts_[static_cast<unsigned char>(name[0]) % texts_.size()];
  }

  std::size_t lines = 0;

 private:
  std::vector<std::string_view> texts_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzTarget target(std::string_view(reinterpret_cast<const char*>(data), size));
  DrawPen pen;
  pen.x = size > 0 ? INT32_MAX - data[0] : 0;  // near the edge, where moves wrap
  const std::string message = RunDrawString(target.commands(), pen, target);
  // Every command takes a character, and substrings bring a bounded number.
  if (target.lines > size + MaxSubstringBytes) std::abort();
  if (pen.colour < -1 || pen.colour > 255 || pen.scale < 0 || pen.scale > 255) std::abort();
  if (pen.angle < -360 || pen.angle > 360) std::abort();
  if (!message.empty() && message.back() != ')') std::abort();
  return 0;
}
