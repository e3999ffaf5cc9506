#include "tests/numeric/stepwise.h"

#include <limits>

#include "runtime/numeric/numeric.h"

static constexpr double Ln2 = 0.6931471805599453;    // 0x3FE62E42FEFA39EF
static constexpr double Sqrt2 = 1.4142135623730951;  // 0x3FF6A09E667F3BCD

double StepwiseSplit2(double v, int32_t& e) {
  e = 0;
  if (v == 0) return 0;
  const int32_t step = NumAbs(v) >= 1 ? 1 : -1;
  // Far more passes than any argument of the domain needs; outside it the
  // search would not end, and a NaN makes the comparing test fail instead.
  for (int32_t pass = 0; pass < 1100; ++pass, e += step) {
    const double f = v / NumPowInt(2.0, e);
    if (0.5 <= NumAbs(f) && NumAbs(f) < 1) return f;
  }
  return std::numeric_limits<double>::quiet_NaN();
}

double StepwiseScale2(double v, int32_t n) {
  double f = 2.0;
  if (n < 0) {
    f = 0.5;
    n = -n;
  }
  while (n != 0) {
    if (n % 2 != 0) v = v * f;
    f = f * f;
    n = n >> 1;
  }
  return v;
}

double StepwiseLog(double x) {
  if (x <= 0) return 0;
  int32_t e = 0;
  StepwiseSplit2(x / Sqrt2, e);
  x = x / StepwiseScale2(1.0, e);
  const double u = x - 1;
  double s = 0;
  for (int32_t i = 9; i >= 1; --i) {
    const double iu = static_cast<double>(i) * u;
    s = iu / (iu / (s + static_cast<double>(2 * i + 1)) + 2);
  }
  return static_cast<double>(e) * Ln2 + u / (s + 1);
}

double StepwiseExp(double x) {
  const int32_t k = x >= 0 ? NumInt(x / Ln2 + 0.5) : NumInt(x / Ln2 - 0.5);
  const double r = x - static_cast<double>(k) * Ln2;
  const double z = r * r;
  double g = z / 22;
  for (int32_t i = 18; i >= 6; i -= 4) g = z / (g + i);
  const double w = (r + (g + 2)) / ((g + 2) - r);
  return StepwiseScale2(w, k);
}
