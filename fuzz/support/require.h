// What every fuzzer does when an invariant breaks: say which one, with the
// values involved, and abort, so that libFuzzer keeps the input as a crash.
#pragma once

#include <cstdio>
#include <cstdlib>

template <typename... Values>
inline void Require(bool holds, const char* format, Values... values) {
  if (holds) return;
  std::fprintf(stderr, "invariant broken: ");
  std::fprintf(stderr, format, values...);
  std::fprintf(stderr, "\n");
  std::abort();
}
