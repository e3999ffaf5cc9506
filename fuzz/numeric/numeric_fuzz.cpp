// The numeric library under arbitrary doubles and integers: NaN, infinities,
// subnormals, huge exponents, every seed. Every call must return; inside
// the documented domains the fast routines must give the same bits as the
// step-by-step reference routines; elsewhere each result must be the one
// the library's contract names.
#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

#include "fuzz/support/require.h"
#include "runtime/numeric/numeric.h"
#include "tests/numeric/stepwise.h"

namespace {

constexpr double Infinity = std::numeric_limits<double>::infinity();
constexpr double Sqrt2 = 1.4142135623730951;  // 0x3FF6A09E667F3BCD

uint64_t BitsOf(double v) {
  uint64_t bits;
  std::memcpy(&bits, &v, sizeof bits);
  return bits;
}

double DoubleOf(uint64_t bits) {
  double v;
  std::memcpy(&v, &bits, sizeof v);
  return v;
}

bool SameBits(double a, double b) { return BitsOf(a) == BitsOf(b) || (a != a && b != b); }

// Units in the last place between two finite doubles of the same sign.
uint64_t UlpsApart(double a, double b) {
  const uint64_t x = BitsOf(a), y = BitsOf(b);
  return x > y ? x - y : y - x;
}

void RequireSame(const char* what, double argument, double fast, double reference) {
  Require(SameBits(fast, reference), "%s(%a): got %a, step by step %a", what, argument, fast, reference);
}

// Arguments: any bit pattern, or a value from a range where the results
// are interesting (the exponential's reach, whole exponents, small ones).
double AnyDouble(FuzzedDataProvider& input) {
  switch (input.ConsumeIntegralInRange<int>(0, 3)) {
    case 0: return input.ConsumeFloatingPointInRange(-800.0, 800.0);
    case 1: return static_cast<double>(input.ConsumeIntegralInRange<int32_t>(-1100, 1100));
    case 2: return input.ConsumeFloatingPointInRange(-4.0, 4.0);
    default: return DoubleOf(input.ConsumeIntegral<uint64_t>());
  }
}

int32_t AnyExponent(FuzzedDataProvider& input) {
  return input.ConsumeBool() ? input.ConsumeIntegralInRange<int32_t>(-2200, 2200) : input.ConsumeIntegral<int32_t>();
}

void CheckInt(double x) {
  const int32_t got = NumInt(x);
  const double floor = std::floor(x);
  int32_t want;
  if (floor >= -2147483648.0 && floor <= 2147483647.0) {
    want = static_cast<int32_t>(floor);
  } else {
    want = x > 0 ? INT32_MIN : INT32_MAX;  // the truncation's indefinite value, corrected for x < 0 and NaN
  }
  Require(got == want, "NumInt(%a) = %d, want %d", x, got, want);
}

void CheckToInt32(double x) {
  const int32_t got = NumToInt32(x);
  // Nearest, ties to even, from the floor and the distance to it.
  const double below = std::floor(x);
  const double distance = x - below;
  double nearest = distance > 0.5 ? below + 1 : below;
  if (distance == 0.5 && std::fmod(below, 2.0) != 0) nearest = below + 1;
  const bool fits = nearest >= -2147483648.0 && nearest <= 2147483647.0;
  const int32_t want = fits ? static_cast<int32_t>(nearest) : INT32_MIN;
  Require(got == want, "NumToInt32(%a) = %d, want %d", x, got, want);
}

void CheckAbs(double x) {
  const double got = NumAbs(x);
  const double want = x < 0 ? -x : x;  // -0.0 and NaN come back as they are
  Require(BitsOf(got) == BitsOf(want), "NumAbs(%a) = %a", x, got);
}

// x^n as the power operator's whole-number path states it: the magnitude
// through a double, binary powering lowest bit first, inverted for n < 0.
double PowIntByTheRule(double x, int32_t n) {
  int64_t m = static_cast<int64_t>(std::fabs(static_cast<double>(n)));
  double power = 1.0;
  while (m != 0) {
    if (m % 2 != 0) power = x * power;
    x = x * x;
    m /= 2;
  }
  return n >= 0 ? power : 1.0 / power;
}

void CheckPowInt(double x, int32_t n) {
  const double got = NumPowInt(x, n);
  Require(SameBits(got, PowIntByTheRule(x, n)), "NumPowInt(%a, %d) = %a", x, n, got);
}

void CheckScale2(double v, int32_t n) {
  const double got = NumScale2(v, n);
  if (n != INT32_MIN) return RequireSame("NumScale2", v, got, StepwiseScale2(v, n));
  // Outside the domain: the factor is 0 long before the last bit.
  Require(got == 0 || (got != got && !std::isfinite(v)), "NumScale2(%a, INT32_MIN) = %a", v, got);
}

bool InSplitDomain(double v) { return v == 0 || (std::fabs(v) >= 0x1p-1024 && std::fabs(v) < 0x1p1023); }

void CheckSplit2(double v) {
  int32_t e = 0;
  const double f = NumSplit2(v, e);
  if (InSplitDomain(v)) {
    int32_t want_e = 0;
    const double want = StepwiseSplit2(v, want_e);
    Require(SameBits(f, want) && e == want_e, "NumSplit2(%a) = %a, %d; step by step %a, %d", v, f, e, want, want_e);
  } else if (!std::isfinite(v)) {
    Require(SameBits(f, v) && e == 0, "NumSplit2(%a) = %a, %d", v, f, e);
  } else {
    Require(std::fabs(f) >= 0.5 && std::fabs(f) < 1 && std::ldexp(f, e) == v, "NumSplit2(%a) = %a, %d", v, f, e);
  }
}

bool InLogDomain(double x) { return x <= 0 || (x >= 0x1p-1024 * Sqrt2 && x < 0x1p1023 * Sqrt2); }

void CheckLog(double x) {
  const double got = NumLog(x);
  if (x != x) return Require(got != got, "NumLog(%a) = %a", x, got);
  if (x == Infinity) return Require(got == Infinity, "NumLog(inf) = %a", got);
  if (InLogDomain(x)) return RequireSame("NumLog", x, got, StepwiseLog(x));
  // The subnormals below the domain: still the logarithm, within 2 ulp of
  // it, so within 3 of the C library's.
  Require(UlpsApart(got, std::log(x)) <= 3, "NumLog(%a) = %a, libm %a", x, got, std::log(x));
}

bool InExpDomain(double x) { return std::fabs(x) < 1488522234.0; }

void CheckExp(double x) {
  const double got = NumExp(x);
  if (x != x) return Require(got != got, "NumExp(%a) = %a", x, got);
  if (InExpDomain(x)) return RequireSame("NumExp", x, got, StepwiseExp(x));
  Require(got == (x > 0 ? Infinity : 0.0), "NumExp(%a) = %a", x, got);
}

// The power operator composed from the references: the whole-number path,
// or e^(y ln x) for a positive base where both stay inside their domains.
void CheckPow(double x, double y) {
  const double got = NumPow(x, y);
  const bool whole = y >= -2147483647.0 && y <= 2147483647.0 && y == std::floor(y);
  if (whole) return Require(SameBits(got, PowIntByTheRule(x, static_cast<int32_t>(y))), "NumPow(%a, %a) = %a", x, y, got);
  if (x != x || y != y) return Require(got != got, "NumPow(%a, %a) = %a, NaN expected", x, y, got);
  if (x <= 0) return Require(BitsOf(got) == BitsOf(0.0), "NumPow(%a, %a) = %a, 0 expected", x, y, got);
  if (!InLogDomain(x)) return;
  const double product = y * StepwiseLog(x);
  if (!InExpDomain(product)) return;
  Require(SameBits(got, StepwiseExp(product)), "NumPow(%a, %a) = %a, step by step %a", x, y, got,
          StepwiseExp(product));
}

// The generator from the state it was given: the rounded upper half of the
// next state, ties to even, reduced to 15 bits.
int32_t NextByTheRule(uint32_t& seed) {
  seed = seed * 1103515245u + 12345u;
  uint32_t upper = seed >> 16;
  const uint32_t lower = seed & 0xFFFF;
  if (lower > 0x8000 || (lower == 0x8000 && upper % 2 != 0)) upper += 1;
  return static_cast<int32_t>(upper % 32768);
}

void CheckRandom(uint32_t seed, bool rnd) {
  RandSeed = seed;
  uint32_t model = seed;
  if (!rnd) {
    const int32_t got = RandNext();
    const int32_t want = NextByTheRule(model);
    Require(got == want && RandSeed == model, "RandNext from seed %u gave %d, want %d", seed, got, want);
    return;
  }
  const double got = NumRnd();
  const int32_t a = NextByTheRule(model);
  const int32_t b = NextByTheRule(model);
  const double want = static_cast<double>(a * b % 100000) / 100000.0;
  Require(BitsOf(got) == BitsOf(want) && got < 1 && RandSeed == model, "NumRnd from seed %u gave %a, want %a", seed,
          got, want);
}

void RunStep(FuzzedDataProvider& input) {
  const double x = AnyDouble(input);
  switch (input.ConsumeIntegralInRange<int>(0, 10)) {
    case 0: return CheckInt(x);
    case 1: return CheckToInt32(x);
    case 2: return CheckAbs(x);
    case 3: return CheckPowInt(x, AnyExponent(input));
    case 4: return CheckScale2(x, AnyExponent(input));
    case 5: return CheckSplit2(x);
    case 6: return CheckLog(x);
    case 7: return CheckExp(x);
    case 8: return CheckPow(x, AnyDouble(input));
    case 9: return CheckRandom(input.ConsumeIntegral<uint32_t>(), input.ConsumeBool());
    default: {
      const auto v = input.ConsumeIntegral<int64_t>();
      Require(Int64ToDouble(v) == static_cast<double>(v), "Int64ToDouble(%lld)", static_cast<long long>(v));
      Require(BitsOf(NumIdentity(x)) == BitsOf(x), "NumIdentity(%a)", x);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  // A few calls per input keeps every input cheap: the step-by-step
  // exponent search may take a thousand passes.
  for (int step = 0; step < 16 && input.remaining_bytes() > 0; ++step) RunStep(input);
  return 0;
}
