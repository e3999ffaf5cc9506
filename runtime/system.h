// The few services of the operating system that the portable parts of the
// runtime need: the process heap, one kind of lock, the debugger line, a pause,
// the local time and the end of the process. On Windows they are the Win32
// calls themselves; on Linux (where the portable parts are tested) the C
// library and a mutex.
#pragma once

#include <cstddef>
#include <cstdint>

// Zero-filled block from the process heap; null when the heap cannot serve it.
void* SysHeapAlloc(std::size_t bytes);
// Resized block (new bytes are not cleared); null, leaving the old block
// alone, when the heap cannot serve it.
void* SysHeapReAlloc(void* block, std::size_t bytes);
void SysHeapFree(void* block);

// A lock for short critical sections; storage is reserved here so that
// callers need no platform header. It must be initialised before first use
// and is never destroyed.
struct SysLock {
  alignas(16) unsigned char storage[64];
};
void SysLockInit(SysLock* lock);
void SysLockEnter(SysLock* lock);
void SysLockLeave(SysLock* lock);
// A lock initialised where it is first reached, for a file's state that
// lives as long as the process: a function-local `static` of this type
// needs no set-up call, and the language makes that first use safe from
// any thread.
struct SysLockMadeOnFirstUse {
  SysLockMadeOnFirstUse() { SysLockInit(&lock); }
  SysLock lock;
};

// Compares two byte strings of the given lengths in the system's locale:
// 1 when a sorts before b, 2 when they are equal, 3 when a sorts after b,
// 0 when the comparison fails. Embedded zero bytes are compared, not ends.
int32_t SysCompareStrings(const char* a, int32_t a_length, const char* b, int32_t b_length);

// Sends a NUL-terminated line to the debugger (standard error on Linux).
void SysDebugLine(const char* text);

// The local date and time, as the system's clock shows it now.
struct SysTime {
  int32_t year, month, day;                     // month and day count from 1
  int32_t hour, minute, second, millisecond;    // 0-23, 0-59, 0-59, 0-999
};
void SysLocalTime(SysTime* now);

// Waits ms milliseconds (nothing for 0 or less) on the calling thread.
void SysSleep(int32_t ms);

// Sounds a tone of frequency hertz (37 to 32767) for ms milliseconds and
// returns when that time has passed, also where the machine has no sound
// device and the tone is not heard. Linux only waits.
void SysBeep(int32_t frequency, int32_t ms);

// Ends the whole process at once with the given exit code.
[[noreturn]] void SysExitProcess(int code);
