#include "runtime/console/soft_key_texts.h"

#include <cstring>

#include "runtime/system.h"

namespace {

struct SoftKeyText {
  char bytes[SoftKeyTextCapacity];
  int32_t length;
};
SoftKeyText Texts[SoftKeyTextCount];  // guarded by TextsLock()

SysLock* TextsLock() {
  static SysLockMadeOnFirstUse made;
  return &made.lock;
}

constexpr uint32_t VirtualKeyF1 = 0x70;

}  // namespace

void SoftKeyTextSet(int32_t index, const char* bytes, int32_t length) {
  if (index < 0 || index >= SoftKeyTextCount) return;
  const int32_t kept = length < 0 ? 0 : length < SoftKeyTextCapacity ? length : SoftKeyTextCapacity;
  SysLockEnter(TextsLock());
  std::memcpy(Texts[index].bytes, bytes, static_cast<std::size_t>(kept));
  Texts[index].length = kept;
  SysLockLeave(TextsLock());
}

int32_t SoftKeyTextGet(int32_t index, char* bytes) {
  if (index < 0 || index >= SoftKeyTextCount) return 0;
  SysLockEnter(TextsLock());
  const int32_t length = Texts[index].length;
  std::memcpy(bytes, Texts[index].bytes, static_cast<std::size_t>(length));
  SysLockLeave(TextsLock());
  return length;
}

int32_t SoftKeyOfVirtualKey(uint32_t virtual_key) {
  if (virtual_key < VirtualKeyF1 || virtual_key >= VirtualKeyF1 + SoftKeyTextCount) return -1;
  return static_cast<int32_t>(virtual_key - VirtualKeyF1);
}
