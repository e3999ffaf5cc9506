#include "basic/builtins/clock.h"

#include <cstdio>

#include "basic/executor/string_values.h"

void (*BuiltinClock)(SysTime* now) = SysLocalTime;

namespace {

SysTime Now() {
  SysTime now{};
  BuiltinClock(&now);
  return now;
}

// Two-digit fields joined by a separator, then an optional last field.
RunFault Text(BuiltinCall& call, const char* format, int32_t a, int32_t b, int32_t c) {
  char text[32];
  std::snprintf(text, sizeof text, format, a, b, c);
  call.text = NewString(text);
  return {};
}

}  // namespace

// Seconds since midnight with the milliseconds: counted in whole
// milliseconds first, so the one division is the only rounding.
RunFault FnTimer(BuiltinCall& call) {
  const SysTime now = Now();
  const int64_t ms = ((int64_t{now.hour} * 60 + now.minute) * 60 + now.second) * 1000 + now.millisecond;
  call.number = static_cast<double>(ms) / 1000.0;
  return {};
}

RunFault FnTime(BuiltinCall& call) {
  const SysTime now = Now();
  return Text(call, "%02d:%02d:%02d", now.hour, now.minute, now.second);
}

RunFault FnDate(BuiltinCall& call) {
  const SysTime now = Now();
  return Text(call, "%02d-%02d-%04d", now.month, now.day, now.year);
}
