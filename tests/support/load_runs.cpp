#include "tests/support/load_runs.h"

#include <cstdlib>

int LoadRuns(int usual) {
  const char* text = std::getenv("BALLS_LOAD_RUNS");
  if (text == nullptr) return usual;
  char* end = nullptr;
  const long runs = std::strtol(text, &end, 10);
  return end != text && *end == '\0' && runs > 0 && runs <= 100000 ? static_cast<int>(runs) : usual;
}
