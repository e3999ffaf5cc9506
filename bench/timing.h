// Timing helpers shared by the Windows benchmarks.
#pragma once

#include <algorithm>
#include <chrono>
#include <vector>

// Wall-clock milliseconds that `work` takes.
template <typename Work>
double Milliseconds(Work work) {
  const auto started = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - started).count();
}

inline double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}
