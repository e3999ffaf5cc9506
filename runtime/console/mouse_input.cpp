#include "runtime/console/mouse_input.h"

#include "runtime/system.h"

namespace {

struct State {
  MouseRecord ring[MouseInputCapacity];
  int32_t first = 0, count = 0;
  MouseRecord latest;
};
State TheState;  // guarded by StateLock()

SysLock* StateLock() {
  static SysLock lock;
  static const bool ready = (SysLockInit(&lock), true);
  (void)ready;
  return &lock;
}

}  // namespace

void MouseInputPut(const MouseRecord& record) {
  SysLockEnter(StateLock());
  if (TheState.count == MouseInputCapacity) {
    TheState.first = (TheState.first + 1) % MouseInputCapacity;
    --TheState.count;
  }
  TheState.ring[(TheState.first + TheState.count) % MouseInputCapacity] = record;
  ++TheState.count;
  TheState.latest = record;
  SysLockLeave(StateLock());
}

bool MouseInputTake(MouseRecord* record) {
  SysLockEnter(StateLock());
  const bool any = TheState.count > 0;
  if (any) {
    *record = TheState.ring[TheState.first];
    TheState.first = (TheState.first + 1) % MouseInputCapacity;
    --TheState.count;
  }
  SysLockLeave(StateLock());
  return any;
}

MouseRecord MouseInputLatest() {
  SysLockEnter(StateLock());
  const MouseRecord latest = TheState.latest;
  SysLockLeave(StateLock());
  return latest;
}

void MouseInputClear() {
  SysLockEnter(StateLock());
  TheState = State{};
  SysLockLeave(StateLock());
}
