// SLEEP at run time: for a time, with the picture shown first, or until a
// key is waiting (from the window, or the run's script).
#include "basic/executor/machine.h"
#include "basic/executor/statements.h"
#include "basic/keys_and_sound/keyboard.h"
#include "basic/text/input_source.h"
#include "runtime/graphics/pixels.h"
#include "runtime/numeric/numeric.h"
#include "runtime/system.h"

RunFault RunSleep(Machine&, const Instruction&, double*& sp) {
  GfxShowPending();
  SysSleep(NumToInt32(*--sp));
  return {};
}

RunFault RunSleepForKey(Machine& machine, const Instruction&, double*&) {
  return AwaitKeyWaiting(machine) ? RunFault{} : RunFault{RunError::NoMoreInput};
}
