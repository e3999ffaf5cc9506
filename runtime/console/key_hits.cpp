#include "runtime/console/key_hits.h"

#include "runtime/console/key_buffer.h"
#include "runtime/console/newest_ring.h"
#include "runtime/system.h"

namespace {

constexpr int32_t VirtualKeys = 256;

// The shift keys and locks: their virtual-key codes (the generic Shift,
// Ctrl and Alt told apart by scan code or the extended mark).
constexpr uint32_t VkShift = 0x10, VkControl = 0x11, VkMenu = 0x12, VkCapital = 0x14;
constexpr uint32_t VkNumLock = 0x90, VkScroll = 0x91;
constexpr uint32_t RightShiftScanCode = 0x36;
constexpr int32_t ModifierBase = 100000;

struct State {
  NewestRing<int32_t, KeyHitCapacity> codes;
  int32_t code_of[VirtualKeys];  // a held key's code; 0 when up
  uint32_t last_down;            // the key whose character comes next
};
State TheState;  // guarded by StateLock()

SysLock* StateLock() {
  static SysLockMadeOnFirstUse made;
  return &made.lock;
}

// Under the lock.
void Put(int32_t code) { TheState.codes.Put(code); }

}  // namespace

int32_t KeyHitCodeOf(uint32_t virtual_key, uint32_t scan_code, bool extended) {
  switch (virtual_key) {
    case VkShift: return ModifierBase + (scan_code == RightShiftScanCode ? 303 : 304);
    case VkControl: return ModifierBase + (extended ? 305 : 306);
    case VkMenu: return ModifierBase + (extended ? 307 : 308);
    case VkNumLock: return ModifierBase + 300;
    case VkCapital: return ModifierBase + 301;
    case VkScroll: return ModifierBase + 302;
    default: return 256 * ExtendedKeyScanCode(virtual_key);
  }
}

void KeyHitDown(uint32_t virtual_key, int32_t code) {
  if (virtual_key >= VirtualKeys) return;
  SysLockEnter(StateLock());
  TheState.last_down = virtual_key;
  if (code != 0) {
    TheState.code_of[virtual_key] = code;
    Put(code);
  }
  SysLockLeave(StateLock());
}

void KeyHitChar(uint8_t character) {
  SysLockEnter(StateLock());
  TheState.code_of[TheState.last_down] = character;
  Put(character);
  SysLockLeave(StateLock());
}

void KeyHitUp(uint32_t virtual_key) {
  if (virtual_key >= VirtualKeys) return;
  SysLockEnter(StateLock());
  const int32_t code = TheState.code_of[virtual_key];
  TheState.code_of[virtual_key] = 0;
  if (code != 0) Put(-code);
  SysLockLeave(StateLock());
}

bool KeyHitTake(int32_t* code) {
  SysLockEnter(StateLock());
  const bool any = TheState.codes.Take(code);
  SysLockLeave(StateLock());
  return any;
}

bool KeyHitIsDown(int32_t code) {
  if (code <= 0) return false;
  SysLockEnter(StateLock());
  bool down = false;
  for (int32_t held : TheState.code_of) down |= held == code;
  SysLockLeave(StateLock());
  return down;
}

void KeyHitClear() {
  SysLockEnter(StateLock());
  TheState = State{};
  SysLockLeave(StateLock());
}
