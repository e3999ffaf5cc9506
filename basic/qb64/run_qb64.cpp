// _TITLE, _DELAY, _LIMIT and _PI at run time.
#include <algorithm>
#include <chrono>
#include <cmath>

#include "basic/builtins/builtins.h"
#include "basic/executor/machine.h"
#include "basic/executor/statements.h"
#include "basic/executor/string_values.h"
#include "basic/keys_and_sound/keyboard.h"
#include "basic/qb64/frame_limit.h"
#include "runtime/console/prompt_io.h"
#include "runtime/system.h"

namespace {

using Clock = std::chrono::steady_clock;

double ClockSeconds() { return std::chrono::duration<double>(Clock::now().time_since_epoch()).count(); }

// Sleeps, in slices short enough for SysSleep's count, until the time has
// passed; keys pressed meanwhile wait in the key buffer.
void SleepSeconds(double seconds) {
  const Clock::time_point end =
      Clock::now() + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds));
  for (;;) {
    const double left_ms = std::chrono::duration<double, std::milli>(end - Clock::now()).count();
    if (left_ms <= 0) return;
    SysSleep(static_cast<int32_t>(std::ceil(std::min(left_ms, 1000.0))));
  }
}

}  // namespace

RunFault RunQbTitle(Machine& machine, const Instruction&, double*&) {
  const RtString text = machine.Pop();
  const std::string_view bytes = BytesOf(text);
  PromptSetCaption(bytes.data(), static_cast<int32_t>(std::min<std::size_t>(bytes.size(), PromptCaptionMax)));
  ReleaseString(text);
  return {};
}

// _DELAY seconds: as SLEEP seconds, but a key does not end it. 0 or less
// does not wait.
RunFault RunQbDelay(Machine& machine, const Instruction&, double*& sp) {
  const double seconds = *--sp;
  if (std::isnan(seconds)) return IllegalCall("_DELAY needs a number of seconds");
  if (seconds >= 2147483647.5) return RunFault{RunError::Overflow, "_DELAY's seconds are beyond a LONG's range"};
  if (seconds <= 0) return {};
  ShowBeforeWaiting(machine);
  SleepSeconds(seconds);
  return {};
}

RunFault RunQbLimit(Machine& machine, const Instruction&, double*& sp) {
  const double fps = *--sp;
  const LimitPlan plan = PlanLimit(machine.last_limit, ClockSeconds(), fps);
  machine.last_limit = plan.mark;
  if (plan.wait > 0) {
    ShowBeforeWaiting(machine);
    SleepSeconds(plan.wait);
  }
  return {};
}

// _PI, and _PI(m): pi times m, DOUBLEs.
constexpr double Pi = 3.141592653589793;

RunFault FnQbPi(BuiltinCall& call) {
  call.number = Pi;
  return {};
}

RunFault FnQbPiTimes(BuiltinCall& call) {
  call.number = Pi * call.numbers[0];
  return {};
}
