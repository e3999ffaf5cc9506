#include <windows.h>

#include <mutex>

#include "tests/support/debug_capture.h"

static constexpr DWORD DebugPrintException = 0x40010006;  // DBG_PRINTEXCEPTION_C

static std::mutex CaptureMutex;
static std::string Captured;
static void* Handler;

static LONG CALLBACK CaptureDebugPrint(EXCEPTION_POINTERS* info) {
  const EXCEPTION_RECORD* record = info->ExceptionRecord;
  if (record->ExceptionCode == DebugPrintException && record->NumberParameters >= 2) {
    // Parameters: length including the NUL, then the text.
    const auto length = static_cast<std::size_t>(record->ExceptionInformation[0]);
    const auto* text = reinterpret_cast<const char*>(record->ExceptionInformation[1]);
    std::lock_guard<std::mutex> hold(CaptureMutex);
    if (length > 0) Captured.append(text, length - 1);
  }
  return EXCEPTION_CONTINUE_SEARCH;
}

void DebugCaptureStart() {
  std::lock_guard<std::mutex> hold(CaptureMutex);
  Captured.clear();
  Handler = AddVectoredExceptionHandler(1, CaptureDebugPrint);
}

std::string DebugCaptureStop() {
  RemoveVectoredExceptionHandler(Handler);
  std::lock_guard<std::mutex> hold(CaptureMutex);
  return Captured;
}
