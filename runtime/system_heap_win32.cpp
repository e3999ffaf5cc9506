// The process heap. Kept apart from the other services so that a test can
// link a heap of its own that fails on demand.
#include "system.h"

#include <windows.h>

void* SysHeapAlloc(std::size_t bytes) {
  return HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, bytes);
}

void* SysHeapReAlloc(void* block, std::size_t bytes) {
  return HeapReAlloc(GetProcessHeap(), 0, block, bytes);
}

void SysHeapFree(void* block) { HeapFree(GetProcessHeap(), 0, block); }
