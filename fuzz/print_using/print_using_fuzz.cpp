// Fuzzes PRINT USING's formats: any format bytes with a few numbers of each
// type and strings, in any order, must give each item a bounded text or an
// Illegal function call / Type mismatch that writes nothing, never crash or
// hang. The format and the strings come from the input's front, the items'
// kinds and numbers from its back, the way FuzzedDataProvider takes them.
#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "basic/text/print_using.h"
#include "fuzz/support/require.h"

namespace {

// Values at the edges: zero of both signs, halves, the largest and smallest
// doubles, and those that are not numbers.
double EdgeValue(uint8_t pick) {
  static const double values[] = {0.0, -0.0, 0.5, -2.5, 0.125, 9.995, 1e16, 1e22, -1e-300,
                                  std::numeric_limits<double>::max(),
                                  std::numeric_limits<double>::denorm_min(),
                                  std::numeric_limits<double>::infinity(),
                                  std::numeric_limits<double>::quiet_NaN()};
  return values[pick % (sizeof values / sizeof values[0])];
}

// A number as the executor would hand it: an integer type's value is an
// integer in its range, a SINGLE's a float's.
void NextNumber(FuzzedDataProvider& data, double* value, ValueKind* type) {
  switch (data.ConsumeIntegralInRange<int>(0, 4)) {
    case 0: *type = ValueKind::Integer; *value = data.ConsumeIntegral<int16_t>(); break;
    case 1: *type = ValueKind::Long; *value = data.ConsumeIntegral<int32_t>(); break;
    case 2: *type = ValueKind::Single; *value = data.ConsumeFloatingPoint<float>(); break;
    case 3: *type = ValueKind::Double; *value = data.ConsumeFloatingPoint<double>(); break;
    default: *type = ValueKind::Double; *value = EdgeValue(data.ConsumeIntegral<uint8_t>()); break;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  FuzzedDataProvider data(bytes, size);
  const std::string format = data.ConsumeRandomLengthString(4096);
  UsingFormat using_format(format);
  std::string out;
  // Literal text is at most one round of the format and a field is at most
  // as wide as the format, but for a number's own digits and commas.
  const std::size_t per_item = 2 * format.size() + 512;
  for (int items = 0; items < 32 && data.remaining_bytes() > 0; ++items) {
    const std::size_t before = out.size();
    RunError error;
    std::size_t own = 0;
    if (data.ConsumeBool()) {
      const std::string text = data.ConsumeRandomLengthString(256);
      own = text.size();
      error = using_format.AddString(text, &out);
    } else {
      double value = 0;
      ValueKind type = ValueKind::Double;
      NextNumber(data, &value, &type);
      error = using_format.AddNumber(value, type, &out);
    }
    Require(error == RunError::None || error == RunError::IllegalFunctionCall || error == RunError::TypeMismatch,
            "unexpected error %d", static_cast<int>(error));
    Require(error == RunError::None || out.size() == before, "an error wrote %zu bytes", out.size() - before);
    Require(out.size() - before <= per_item + own, "one item wrote %zu bytes from a %zu-byte format",
            out.size() - before, format.size());
  }
  const std::size_t before = out.size();
  using_format.Finish(&out);
  Require(out.size() - before <= format.size(), "the end wrote %zu bytes", out.size() - before);
  return 0;
}
