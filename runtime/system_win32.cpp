#include "system.h"

#include <windows.h>

static_assert(sizeof(CRITICAL_SECTION) <= sizeof(SysLock::storage));

static CRITICAL_SECTION* AsCriticalSection(SysLock* lock) {
  return reinterpret_cast<CRITICAL_SECTION*>(lock->storage);
}

void SysLockInit(SysLock* lock) { InitializeCriticalSection(AsCriticalSection(lock)); }
void SysLockEnter(SysLock* lock) { EnterCriticalSection(AsCriticalSection(lock)); }
void SysLockLeave(SysLock* lock) { LeaveCriticalSection(AsCriticalSection(lock)); }

void SysDebugLine(const char* text) { OutputDebugStringA(text); }

void SysExitProcess(int code) { ExitProcess(static_cast<UINT>(code)); }
