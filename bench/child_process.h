// Benchmarks that need a fresh process per measurement run themselves again.
#pragma once

#include <windows.h>

#include <string>

#include "tests/support/child_process.h"

// Runs this same program again with `arguments` and gives what it printed on
// standard output; false when it could not start, or had not ended after
// bound_ms (it is then ended). The output must be small: it is read once the
// program has ended.
inline bool RunSelf(const std::string& arguments, DWORD bound_ms, std::string* output) {
  char self[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  PipedChild child;
  if (!StartPiped("\"" + std::string(self) + "\" " + arguments, &child)) return false;
  const bool ended = WaitForSingleObject(child.process.hProcess, bound_ms) != WAIT_TIMEOUT;
  if (!ended) {
    TerminateProcess(child.process.hProcess, 1);
    WaitForSingleObject(child.process.hProcess, INFINITE);
  }
  if (ended) *output = ReadAll(child.output);
  ClosePiped(child);
  return ended;
}
