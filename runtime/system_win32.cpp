#include "system.h"

#include <windows.h>

static_assert(sizeof(CRITICAL_SECTION) <= sizeof(SysLock::storage));

static CRITICAL_SECTION* AsCriticalSection(SysLock* lock) {
  return reinterpret_cast<CRITICAL_SECTION*>(lock->storage);
}

void SysLockInit(SysLock* lock) { InitializeCriticalSection(AsCriticalSection(lock)); }
void SysLockEnter(SysLock* lock) { EnterCriticalSection(AsCriticalSection(lock)); }
void SysLockLeave(SysLock* lock) { LeaveCriticalSection(AsCriticalSection(lock)); }

int32_t SysCompareStrings(const char* a, int32_t a_length, const char* b, int32_t b_length) {
  return CompareStringA(LOCALE_SYSTEM_DEFAULT, 0, a, a_length, b, b_length);
}

void SysDebugLine(const char* text) { OutputDebugStringA(text); }

void SysSleep(int32_t ms) {
  if (ms > 0) Sleep(static_cast<DWORD>(ms));
}

void SysBeep(int32_t frequency, int32_t ms) {
  if (ms <= 0) return;
  const ULONGLONG start = GetTickCount64();
  Beep(static_cast<DWORD>(frequency), static_cast<DWORD>(ms));
  // Without a sound device Beep fails at once; the program's timing must not
  // change with the machine it runs on.
  const ULONGLONG spent = GetTickCount64() - start;
  if (spent < static_cast<ULONGLONG>(ms)) SysSleep(ms - static_cast<int32_t>(spent));
}

void SysExitProcess(int code) { ExitProcess(static_cast<UINT>(code)); }

void SysLocalTime(SysTime* now) {
  SYSTEMTIME local;
  GetLocalTime(&local);
  *now = SysTime{local.wYear, local.wMonth, local.wDay, local.wHour, local.wMinute, local.wSecond,
                 local.wMilliseconds};
}
