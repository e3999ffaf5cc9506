#include "runtime/console/mouse_input.h"

#include "runtime/console/newest_ring.h"
#include "runtime/system.h"

namespace {

struct State {
  NewestRing<MouseRecord, MouseInputCapacity> records;
  MouseRecord latest;
};
State TheState;  // guarded by StateLock()

SysLock* StateLock() {
  static SysLockMadeOnFirstUse made;
  return &made.lock;
}

}  // namespace

void MouseInputPut(const MouseRecord& record) {
  SysLockEnter(StateLock());
  TheState.records.Put(record);
  TheState.latest = record;
  SysLockLeave(StateLock());
}

bool MouseInputTake(MouseRecord* record) {
  SysLockEnter(StateLock());
  const bool any = TheState.records.Take(record);
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
