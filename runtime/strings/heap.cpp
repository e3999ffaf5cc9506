#include "runtime/strings/strings.h"

#include <cstring>

#include "runtime/numeric/numeric.h"

StringRegistryState StringRegistry;

static constexpr int32_t LengthFieldBytes = 4;
// Length field and terminator around the text.
static constexpr int64_t BlockOverhead = LengthFieldBytes + 1;

[[noreturn]] static void FailOutOfMemory() {
  SysDebugLine(OutOfMemoryMessage);
  SysExitProcess(StrHeapFailureExitCode);
}

void StrHeapInit() {
  SysLockInit(&StringRegistry.lock);
  // Never written before it is resized, so one byte is enough to start.
  StringRegistry.entries = static_cast<RtString*>(SysHeapAlloc(1));
  if (StringRegistry.entries == nullptr) FailOutOfMemory();
  StringRegistry.count = 0;
  RandSeed = 1;
}

RtString StrNew(int32_t length) {
  const int64_t block_bytes = int64_t{length} + BlockOverhead;
  if (length < 0 || static_cast<uint64_t>(block_bytes) > SIZE_MAX) FailOutOfMemory();
  auto* block = static_cast<char*>(SysHeapAlloc(static_cast<std::size_t>(block_bytes)));
  if (block == nullptr) FailOutOfMemory();
  std::memcpy(block, &length, LengthFieldBytes);
  RtString s = block + LengthFieldBytes;

  SysLockEnter(&StringRegistry.lock);
  const std::size_t slots = static_cast<std::size_t>(StringRegistry.count) + 1;
  void* entries = SysHeapReAlloc(StringRegistry.entries, slots * sizeof(RtString));
  if (entries == nullptr) FailOutOfMemory();
  StringRegistry.entries = static_cast<RtString*>(entries);
  StringRegistry.entries[StringRegistry.count] = s;
  StringRegistry.count += 1;
  SysLockLeave(&StringRegistry.lock);
  return s;
}

void StrRelease(void* s) {
  SysLockEnter(&StringRegistry.lock);
  for (int32_t i = 0; i < StringRegistry.count; ++i) {
    if (StringRegistry.entries[i] != s) continue;
    SysHeapFree(static_cast<char*>(s) - LengthFieldBytes);
    StringRegistry.count -= 1;
    std::memmove(&StringRegistry.entries[i], &StringRegistry.entries[i + 1],
                 static_cast<std::size_t>(StringRegistry.count - i) * sizeof(RtString));
    SysLockLeave(&StringRegistry.lock);
    return;
  }
  SysLockLeave(&StringRegistry.lock);
  if (s != nullptr) SysDebugLine(UnknownStringMessage);
}

bool StrIsLive(const void* s) {
  SysLockEnter(&StringRegistry.lock);
  bool live = false;
  for (int32_t i = 0; i < StringRegistry.count && !live; ++i) live = StringRegistry.entries[i] == s;
  SysLockLeave(&StringRegistry.lock);
  return live;
}

int32_t StrLength(RtString s) {
  int32_t length;
  std::memcpy(&length, s - LengthFieldBytes, LengthFieldBytes);
  return length;
}

void* MemAllocZero(std::size_t bytes) {
  void* block = SysHeapAlloc(bytes);
  if (block == nullptr) FailOutOfMemory();
  return block;
}

void MemFree(void* block) { SysHeapFree(block); }
