// Each benchmark runs one routine over a fixed table of arguments spread
// over its domain, one call per iteration, so the figure is the cost per
// call with independent arguments. The platform's routine runs over the
// same table beside it.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstddef>
#include <random>
#include <vector>

#include "runtime/numeric/numeric.h"
#include "tests/numeric/stepwise.h"

namespace {

constexpr size_t TableSize = 4096;  // a power of two, small enough for the L1 cache

// Uniform over [-700, 700]: every k from about -1010 to 1010.
const std::vector<double>& ExpArguments() {
  static const std::vector<double> table = [] {
    std::mt19937_64 random(1);
    std::uniform_real_distribution<double> x(-700, 700);
    std::vector<double> values(TableSize);
    for (double& v : values) v = x(random);
    return values;
  }();
  return table;
}

// Spread evenly over the exponents, 1e-300 to 1e300.
const std::vector<double>& LogArguments() {
  static const std::vector<double> table = [] {
    std::mt19937_64 random(2);
    std::uniform_real_distribution<double> ln(std::log(1e-300), std::log(1e300));
    std::vector<double> values(TableSize);
    for (double& v : values) v = std::exp(ln(random));
    return values;
  }();
  return table;
}

// Bases 1e-3 to 1e3 with fractional exponents -50 to 50: the logarithm path.
struct PowArgument {
  double x, y;
};
const std::vector<PowArgument>& PowArguments() {
  static const std::vector<PowArgument> table = [] {
    std::mt19937_64 random(3);
    std::uniform_real_distribution<double> ln(std::log(1e-3), std::log(1e3));
    std::uniform_real_distribution<double> y(-50, 50);
    std::vector<PowArgument> values(TableSize);
    for (PowArgument& v : values) v = {std::exp(ln(random)), y(random)};
    return values;
  }();
  return table;
}

template <double (*Routine)(double)>
void OverTable(benchmark::State& state, const std::vector<double>& table) {
  size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(Routine(table[i]));
    i = (i + 1) & (TableSize - 1);
  }
}

template <double (*Routine)(double, double)>
void OverPowTable(benchmark::State& state) {
  const auto& table = PowArguments();
  size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(Routine(table[i].x, table[i].y));
    i = (i + 1) & (TableSize - 1);
  }
}

double PlatformExp(double x) { return std::exp(x); }
double PlatformLog(double x) { return std::log(x); }
double PlatformPow(double x, double y) { return std::pow(x, y); }

void BM_NumExp(benchmark::State& state) { OverTable<NumExp>(state, ExpArguments()); }
void BM_PlatformExp(benchmark::State& state) { OverTable<PlatformExp>(state, ExpArguments()); }
void BM_NumLog(benchmark::State& state) { OverTable<NumLog>(state, LogArguments()); }
void BM_PlatformLog(benchmark::State& state) { OverTable<PlatformLog>(state, LogArguments()); }
void BM_NumPow(benchmark::State& state) { OverPowTable<NumPow>(state); }
void BM_PlatformPow(benchmark::State& state) { OverPowTable<PlatformPow>(state); }

// One large argument, where the step-by-step search takes about a thousand
// passes and the exponent read from the bits takes none.
template <double (*Routine)(double)>
void AtOneArgument(benchmark::State& state, double x) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(x);
    benchmark::DoNotOptimize(Routine(x));
  }
}
void BM_NumLog_1e300(benchmark::State& state) { AtOneArgument<NumLog>(state, 1e300); }
void BM_StepwiseLog_1e300(benchmark::State& state) { AtOneArgument<StepwiseLog>(state, 1e300); }

// What the rules' divisions cost by themselves: NumLog makes 19 correctly
// rounded divisions, each waiting for the one before (18 in the fraction,
// 1 at the end), NumExp 7 and NumPow 26. No cheaper operation gives the
// same bits, so these chains are the floor under the routines' figures.
template <int Divisions>
double DependentDivisions(double x) {
  for (int i = 0; i < Divisions; ++i) x = 1.5 / (x + 2.0);
  return x;
}
void BM_DivisionChain19(benchmark::State& state) {
  OverTable<DependentDivisions<19>>(state, LogArguments());
}
void BM_DivisionChain26(benchmark::State& state) {
  OverTable<DependentDivisions<26>>(state, LogArguments());
}

}  // namespace

BENCHMARK(BM_NumExp);
BENCHMARK(BM_PlatformExp);
BENCHMARK(BM_NumLog);
BENCHMARK(BM_PlatformLog);
BENCHMARK(BM_NumPow);
BENCHMARK(BM_PlatformPow);
BENCHMARK(BM_NumLog_1e300);
BENCHMARK(BM_StepwiseLog_1e300);
BENCHMARK(BM_DivisionChain19);
BENCHMARK(BM_DivisionChain26);

BENCHMARK_MAIN();
