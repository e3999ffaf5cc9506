// LOCATE, CSRLIN and POS, BEEP and SOUND, and SLEEP until a key.
//
// The character layer's cursor belongs to the window; the machine keeps
// its own column for PRINT's commas and TAB, and LOCATE sets both.
#include <cmath>

#include "basic/builtins/builtins.h"
#include "basic/text/input_source.h"
#include "basic/keys_and_sound/keyboard.h"
#include "basic/executor/machine.h"
#include "runtime/console/prompt_io.h"
#include "runtime/console/text_layer.h"
#include "runtime/numeric/numeric.h"
#include "runtime/system.h"

namespace {

// The classic BASICs' beep: 800 Hz for a quarter of a second.
constexpr int32_t BeepFrequency = 800;
constexpr int32_t BeepMs = 250;
// SOUND's duration counts ticks of the PC's clock, 18.2 a second.
constexpr double ClockTicksPerSecond = 18.2;
constexpr double MostTicks = 65535;

// A place counted from 1, checked against the layer's cells; -1 stays for
// a coordinate not given.
bool Coordinate(double value, int32_t most, int32_t* place) {
  const int32_t from_one = NumToInt32(value);
  if (from_one < 1 || from_one > most) return false;
  *place = from_one - 1;
  return true;
}

const char* Locate(Machine& machine, int32_t given, double*& sp) {
  const double column_value = *--sp;
  const double row_value = *--sp;
  int32_t row = -1;
  int32_t column = -1;
  if ((given & 1) && !Coordinate(row_value, TextRows, &row)) return "LOCATE needs a row from 1 to 101";
  if ((given & 2) && !Coordinate(column_value, TextColumns, &column)) return "LOCATE needs a column from 1 to 255";
  FlushPrinted(machine);
  machine.column = PromptLocate(row, column).column;
  return nullptr;
}

const char* Sound(double*& sp) {
  const double ticks = *--sp;
  const int32_t frequency = NumToInt32(*--sp);
  if (frequency < 37 || frequency > 32767) return "SOUND needs a frequency from 37 to 32767";
  if (!(ticks >= 0 && ticks <= MostTicks)) return "SOUND needs a duration from 0 to 65535";
  SysBeep(frequency, static_cast<int32_t>(std::lround(ticks * 1000 / ClockTicksPerSecond)));
  return nullptr;
}

}  // namespace

const char* ConsoleStatement(Machine& machine, const Instruction& in, double*& sp) {
  switch (in.op) {
    case Op::Locate: return Locate(machine, in.a, sp);
    case Op::Beep: SysBeep(BeepFrequency, BeepMs); return nullptr;
    case Op::Sound: return Sound(sp);
    case Op::SleepForKey: return AwaitKeyWaiting(machine) ? nullptr : NoMoreInputMessage;
    default: return nullptr;
  }
}

// The column PRINT has reached, from 1; the argument is a dummy.
const char* FnPos(BuiltinCall& call) {
  call.number = call.machine->column + 1;
  return nullptr;
}

const char* FnCsrlin(BuiltinCall& call) {
  call.number = PromptLocate(-1, -1).row + 1;
  return nullptr;
}
