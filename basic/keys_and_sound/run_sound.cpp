// BEEP and SOUND at run time, through the system's beep; where there is no
// sound device they take their time all the same.
#include <cmath>

#include "basic/executor/statements.h"
#include "runtime/numeric/numeric.h"
#include "runtime/system.h"

namespace {

// The classic BASICs' beep: 800 Hz for a quarter of a second.
constexpr int32_t BeepFrequency = 800;
constexpr int32_t BeepMs = 250;
// SOUND's duration counts ticks of the PC's clock, 18.2 a second.
constexpr double ClockTicksPerSecond = 18.2;
constexpr double MostTicks = 65535;

}  // namespace

RunFault RunBeep(Machine&, const Instruction&, double*&) {
  SysBeep(BeepFrequency, BeepMs);
  return {};
}

RunFault RunSound(Machine&, const Instruction&, double*& sp) {
  const double ticks = *--sp;
  const int32_t frequency = NumToInt32(*--sp);
  if (frequency < 37 || frequency > 32767) return IllegalCall("SOUND needs a frequency from 37 to 32767");
  if (!(ticks >= 0 && ticks <= MostTicks)) return IllegalCall("SOUND needs a duration from 0 to 65535");
  SysBeep(frequency, static_cast<int32_t>(std::lround(ticks * 1000 / ClockTicksPerSecond)));
  return {};
}
