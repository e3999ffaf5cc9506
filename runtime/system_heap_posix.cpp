// The process heap. Kept apart from the other services so that a test can
// link a heap of its own that fails on demand.
#include "system.h"

#include <cstdlib>

void* SysHeapAlloc(std::size_t bytes) {
  // calloc(0) may give null; a Windows heap gives a real block for zero bytes.
  return std::calloc(bytes == 0 ? 1 : bytes, 1);
}

void* SysHeapReAlloc(void* block, std::size_t bytes) {
  return std::realloc(block, bytes == 0 ? 1 : bytes);
}

void SysHeapFree(void* block) { std::free(block); }
