// The statements of text at run time: PRINT's TAB and SPC, LINE INPUT and
// the MID$ statement.
#include <algorithm>
#include <cstdint>
#include <cstring>

#include "basic/executor/executor.h"
#include "basic/text/input_source.h"
#include "basic/executor/machine.h"
#include "runtime/numeric/numeric.h"

namespace {

// TAB and SPC reach at most the last column of the text layer, so that no
// count, however large, makes PRINT build more than a line of spaces.
constexpr int32_t LastColumn = 255;

// TAB(n): spaces to column n (counted from 1) of this line, or of the next
// one when the cursor is past it already.
void Tab(Machine& machine, double n) {
  const int32_t target = std::clamp(NumToInt32(n), 1, LastColumn) - 1;
  if (machine.column > target) Printed(machine, "\r\n");
  Printed(machine, std::string(static_cast<std::size_t>(target - machine.column), ' '));
}

void Spc(Machine& machine, double n) {
  Printed(machine, std::string(static_cast<std::size_t>(std::clamp(NumToInt32(n), 0, LastColumn)), ' '));
}

// LINE INPUT prints its prompt as written, without "? ", and takes the
// whole line, from the window or the script, as INPUT does.
const char* LineInput(Machine& machine, const Instruction& in) {
  if (in.a >= 0) Printed(machine, machine.code.strings[static_cast<std::size_t>(in.a)]);
  FlushPrinted(machine);
  std::string line;
  if (!ReadInputLine(machine, &line)) return NoMoreInputMessage;
  machine.Push(NewString(line));
  return nullptr;
}

// MID$(v$, start [, count]) = text overwrites at most count bytes of v$
// from start with the first bytes of text; v$ keeps its length.
const char* MidAssign(Machine& machine, const Instruction& in, double*& sp) {
  sp -= in.b + 1 + in.c;
  const int32_t start = NumToInt32(sp[in.b]);
  const int32_t count = in.c ? NumToInt32(sp[in.b + 1]) : INT32_MAX;
  RtString* target;
  if (in.b == 0) {
    target = &machine.variables.strings[static_cast<std::size_t>(in.a)];
  } else {
    ArrayVariable& array = machine.variables.arrays[static_cast<std::size_t>(in.a)];
    std::size_t index;
    if (const char* error = ElementIndex(array, sp, &index)) return error;
    target = &array.strings[index];
  }
  const int64_t length = static_cast<int64_t>(BytesOf(*target).size());
  if (start < 1 || start > length) return "the MID$ statement needs a start from 1 to the string's length";
  if (count < 0) return "MID$ needs a count of 0 or more";
  const std::string_view text = BytesOf(machine.strings_top[-1]);
  const int64_t replaced = std::min({int64_t{count}, length - start + 1, static_cast<int64_t>(text.size())});
  std::memcpy(*target + start - 1, text.data(), static_cast<std::size_t>(replaced));
  StrRelease(machine.Pop());
  return nullptr;
}

}  // namespace

const char* TextStatement(Machine& machine, const Instruction& in, double*& sp) {
  switch (in.op) {
    case Op::PrintTab: Tab(machine, *--sp); return nullptr;
    case Op::PrintSpc: Spc(machine, *--sp); return nullptr;
    case Op::LineInput: return LineInput(machine, in);
    default: return MidAssign(machine, in, sp);
  }
}
