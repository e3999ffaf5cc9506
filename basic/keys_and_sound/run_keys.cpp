// SLEEP at run time: for a time, with the picture shown first, or until a
// key is waiting (from the window, or the run's script).
#include <cmath>

#include "basic/executor/machine.h"
#include "basic/executor/statements.h"
#include "basic/keys_and_sound/keyboard.h"
#include "basic/text/input_source.h"
#include "runtime/graphics/pixels.h"
#include "runtime/numeric/numeric.h"
#include "runtime/system.h"

// SLEEP seconds: fractions count; 0 waits for a key, as SLEEP alone does,
// and less than 0 does not wait. The count is a LONG's, as it was.
RunFault RunSleep(Machine& machine, const Instruction& in, double*& sp) {
  const double seconds = *--sp;
  if (std::isnan(seconds)) return IllegalCall("SLEEP needs a number of seconds");
  if (seconds >= 2147483647.5) return RunFault{RunError::Overflow, "SLEEP's seconds are beyond a LONG's range"};
  if (seconds == 0) return RunSleepForKey(machine, in, sp);
  if (seconds > 0) AwaitKeyOrTime(machine, seconds * 1000);
  return {};
}

RunFault RunSleepForKey(Machine& machine, const Instruction&, double*&) {
  return AwaitKeyWaiting(machine) ? RunFault{} : RunFault{RunError::NoMoreInput};
}
