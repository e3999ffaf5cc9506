// Fuzzes DRAW's command string: any bytes, run with any pen, must draw a
// bounded number of lines and end with the pen's settings in their ranges
// or with a message, never crash or hang. The input holds the string and
// the texts of its string variables (fuzz/support/command_variables.h).
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "basic/screen/draw_string.h"
#include "fuzz/support/command_variables.h"

namespace {

class FuzzTarget final : public DrawTarget {
 public:
  explicit FuzzTarget(std::string_view input) : variables_(input) {}
  std::string_view commands() const { return variables_.commands(); }

  void Line(int32_t, int32_t, int32_t, int32_t, int32_t colour) override {
    ++lines;
    if (colour < -1 || colour > 255) std::abort();
  }
  void Paint(int32_t, int32_t, int32_t paint, int32_t border) override {
    ++lines;
    if (paint < 0 || paint > 255 || border < 0 || border > 255) std::abort();
  }
  double Number(const std::string& name) override { return variables_.Number(name); }
  std::string_view Text(const std::string& name) override { return variables_.Text(name); }

  std::size_t lines = 0;

 private:
  FuzzCommandVariables variables_;
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
