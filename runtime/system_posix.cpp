#include "system.h"

#include <pthread.h>

#include <cstdio>
#include <cstdlib>
#include <cerrno>
#include <cstring>
#include <ctime>

static_assert(sizeof(pthread_mutex_t) <= sizeof(SysLock::storage));

static pthread_mutex_t* AsMutex(SysLock* lock) {
  return reinterpret_cast<pthread_mutex_t*>(lock->storage);
}

void SysLockInit(SysLock* lock) {
  // Recursive, like a critical section: the owner may enter again.
  pthread_mutexattr_t attributes;
  pthread_mutexattr_init(&attributes);
  pthread_mutexattr_settype(&attributes, PTHREAD_MUTEX_RECURSIVE);
  pthread_mutex_init(AsMutex(lock), &attributes);
  pthread_mutexattr_destroy(&attributes);
}

void SysLockEnter(SysLock* lock) { pthread_mutex_lock(AsMutex(lock)); }
void SysLockLeave(SysLock* lock) { pthread_mutex_unlock(AsMutex(lock)); }

// Linux only serves the tests: a plain comparison of unsigned bytes, where a
// string that is a prefix of the other sorts first, in place of the
// system locale's collation.
int32_t SysCompareStrings(const char* a, int32_t a_length, const char* b, int32_t b_length) {
  const int32_t shorter = a_length < b_length ? a_length : b_length;
  int order = std::memcmp(a, b, static_cast<std::size_t>(shorter < 0 ? 0 : shorter));
  if (order == 0) order = (a_length > b_length) - (a_length < b_length);
  return order < 0 ? 1 : order == 0 ? 2 : 3;
}

void SysDebugLine(const char* text) {
  std::fwrite(text, 1, std::strlen(text), stderr);
  std::fflush(stderr);
}

void SysExitProcess(int code) { std::_Exit(code); }

void SysSleep(int32_t ms) {
  if (ms <= 0) return;
  timespec wait{ms / 1000, static_cast<long>(ms % 1000) * 1000000L};
  // A signal cuts the wait short; the rest of it is waited again.
  while (nanosleep(&wait, &wait) != 0 && errno == EINTR) {
  }
}

void SysBeep(int32_t, int32_t ms) { SysSleep(ms); }

void SysLocalTime(SysTime* now) {
  timespec clock{};
  clock_gettime(CLOCK_REALTIME, &clock);
  tm local{};
  localtime_r(&clock.tv_sec, &local);
  *now = SysTime{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min,
                 // A leap second shows as the minute's last second.
                 local.tm_sec < 60 ? local.tm_sec : 59, static_cast<int32_t>(clock.tv_nsec / 1000000)};
}
