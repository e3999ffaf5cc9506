#include "fuzz/string_heap/debug_lines.h"

#include <sanitizer/common_interface_defs.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

static int RealStandardError = -1;
static int Scratch = -1;

void DebugLinesInit() {
  RealStandardError = dup(STDERR_FILENO);
  std::FILE* scratch = std::tmpfile();
  if (RealStandardError < 0 || scratch == nullptr) std::abort();
  Scratch = fileno(scratch);
  __sanitizer_set_report_fd(reinterpret_cast<void*>(static_cast<intptr_t>(RealStandardError)));
}

void DebugLinesStart() { dup2(Scratch, STDERR_FILENO); }

std::string DebugLinesTake() {
  dup2(RealStandardError, STDERR_FILENO);
  std::string text(static_cast<size_t>(lseek(Scratch, 0, SEEK_END)), '\0');
  if (pread(Scratch, text.data(), text.size(), 0) != static_cast<ssize_t>(text.size())) std::abort();
  if (ftruncate(Scratch, 0) != 0) std::abort();
  lseek(Scratch, 0, SEEK_SET);
  return text;
}
