// A process heap for tests that fails on demand: it replaces the runtime's
// own at link time and otherwise serves blocks from the C library.
#include "tests/strings/failing_heap.h"

#include <cstdlib>

#include "runtime/system.h"

int FailingHeapAllocationsLeft = -1;

static bool MayAllocate() {
  if (FailingHeapAllocationsLeft < 0) return true;
  if (FailingHeapAllocationsLeft == 0) return false;
  --FailingHeapAllocationsLeft;
  return true;
}

void* SysHeapAlloc(std::size_t bytes) {
  return MayAllocate() ? std::calloc(bytes == 0 ? 1 : bytes, 1) : nullptr;
}

void* SysHeapReAlloc(void* block, std::size_t bytes) {
  return MayAllocate() ? std::realloc(block, bytes == 0 ? 1 : bytes) : nullptr;
}

void SysHeapFree(void* block) { std::free(block); }
