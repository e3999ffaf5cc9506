#include "runtime/console/key_buffer.h"

#include <atomic>

#include "runtime/system.h"

namespace {

// The virtual-key codes and the scan codes that the PC keyboard gave the
// same keys; the scan code is what a classic program finds after CHR$(0).
struct ExtendedKey {
  uint32_t virtual_key;
  uint8_t scan_code;
};
constexpr ExtendedKey ExtendedKeys[] = {
    {0x24, 71},  // Home
    {0x26, 72},  // up
    {0x21, 73},  // PgUp
    {0x25, 75},  // left
    {0x27, 77},  // right
    {0x23, 79},  // End
    {0x28, 80},  // down
    {0x22, 81},  // PgDn
    {0x2D, 82},  // Ins
    {0x2E, 83},  // Del
    {0x70, 59}, {0x71, 60}, {0x72, 61}, {0x73, 62}, {0x74, 63},  // F1 to F5
    {0x75, 64}, {0x76, 65}, {0x77, 66}, {0x78, 67}, {0x79, 68},  // F6 to F10
    {0x7A, 133}, {0x7B, 134},                                    // F11, F12
};

struct Ring {
  uint8_t bytes[KeyBufferCapacity];
  int32_t first;  // the oldest byte
  int32_t count;
};
Ring TheRing;  // guarded by RingLock()
// The ring's count as last left, read without the lock by a look that only
// wants to know whether to take the lock at all.
std::atomic<int32_t> CountSeen{0};

SysLock* RingLock() {
  static SysLockMadeOnFirstUse made;
  return &made.lock;
}

// Adds all of bytes or, when they do not fit, none.
void PutWhole(const uint8_t* bytes, int32_t length) {
  SysLockEnter(RingLock());
  if (TheRing.count + length <= KeyBufferCapacity) {
    for (int32_t i = 0; i < length; ++i) {
      TheRing.bytes[(TheRing.first + TheRing.count) % KeyBufferCapacity] = bytes[i];
      ++TheRing.count;
    }
  }
  CountSeen.store(TheRing.count, std::memory_order_relaxed);
  SysLockLeave(RingLock());
}

}  // namespace

uint8_t ExtendedKeyScanCode(uint32_t virtual_key) {
  for (const ExtendedKey& key : ExtendedKeys) {
    if (key.virtual_key == virtual_key) return key.scan_code;
  }
  return 0;
}

void KeyBufferPutChar(uint8_t code) { PutWhole(&code, 1); }

void KeyBufferPutKeyDown(uint32_t virtual_key) {
  const uint8_t scan_code = ExtendedKeyScanCode(virtual_key);
  if (scan_code == 0) return;
  const uint8_t pair[2] = {0, scan_code};
  PutWhole(pair, 2);
}

bool KeyBufferTake(uint8_t* byte) {
  SysLockEnter(RingLock());
  const bool any = TheRing.count > 0;
  if (any) {
    *byte = TheRing.bytes[TheRing.first];
    TheRing.first = (TheRing.first + 1) % KeyBufferCapacity;
    --TheRing.count;
  }
  CountSeen.store(TheRing.count, std::memory_order_relaxed);
  SysLockLeave(RingLock());
  return any;
}

bool KeyBufferHasKey() {
  SysLockEnter(RingLock());
  const bool any = TheRing.count > 0;
  SysLockLeave(RingLock());
  return any;
}

bool KeyBufferMayHaveKey() { return CountSeen.load(std::memory_order_relaxed) > 0; }

void KeyBufferClear() {
  SysLockEnter(RingLock());
  TheRing.count = 0;
  CountSeen.store(TheRing.count, std::memory_order_relaxed);
  SysLockLeave(RingLock());
}

void KeyBufferExtract(KeyTaker take, void* context) {
  SysLockEnter(RingLock());
  uint8_t kept[KeyBufferCapacity];
  int32_t kept_count = 0;
  int32_t at = 0;
  while (at < TheRing.count) {
    uint8_t key[2] = {TheRing.bytes[(TheRing.first + at) % KeyBufferCapacity], 0};
    const int32_t length = key[0] == 0 && at + 1 < TheRing.count ? 2 : 1;
    if (length == 2) key[1] = TheRing.bytes[(TheRing.first + at + 1) % KeyBufferCapacity];
    if (!take(key, length, context)) {
      for (int32_t i = 0; i < length; ++i) kept[kept_count++] = key[i];
    }
    at += length;
  }
  for (int32_t i = 0; i < kept_count; ++i) TheRing.bytes[(TheRing.first + i) % KeyBufferCapacity] = kept[i];
  TheRing.count = kept_count;
  CountSeen.store(TheRing.count, std::memory_order_relaxed);
  SysLockLeave(RingLock());
}

namespace {
std::atomic<uint16_t> ShiftFlags{0};
}  // namespace

void KeyBufferSetShiftFlags(uint16_t flags) { ShiftFlags.store(flags, std::memory_order_relaxed); }
uint16_t KeyBufferShiftFlags() { return ShiftFlags.load(std::memory_order_relaxed); }
