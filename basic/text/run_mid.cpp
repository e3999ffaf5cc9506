// The MID$ statement at run time.
#include <algorithm>
#include <cstdint>
#include <cstring>

#include "basic/executor/machine.h"
#include "basic/executor/statements.h"
#include "basic/executor/string_values.h"
#include "basic/variables/arrays.h"
#include "runtime/numeric/numeric.h"

// MID$(v$, start [, count]) = text overwrites at most count bytes of v$
// from start with the first bytes of text; v$ keeps its length.
RunFault RunMidAssign(Machine& machine, const Instruction& in, double*& sp) {
  sp -= in.b + 1 + in.c;
  const int32_t start = NumToInt32(sp[in.b]);
  const int32_t count = in.c ? NumToInt32(sp[in.b + 1]) : INT32_MAX;
  RtString* target;
  if (in.b == 0) {
    target = &machine.variables.strings[static_cast<std::size_t>(in.a)];
  } else {
    ArrayVariable& array = machine.variables.arrays[static_cast<std::size_t>(in.a)];
    std::size_t index;
    if (const RunFault fault = ElementIndex(array, sp, &index)) return fault;
    target = &array.strings[index];
  }
  const int64_t length = static_cast<int64_t>(BytesOf(*target).size());
  if (start < 1 || start > length) return IllegalCall("the MID$ statement needs a start from 1 to the string's length");
  if (count < 0) return IllegalCall("MID$ needs a count of 0 or more");
  const std::string_view text = BytesOf(machine.strings_top[-1]);
  const int64_t replaced = std::min({int64_t{count}, length - start + 1, static_cast<int64_t>(text.size())});
  std::memcpy(*target + start - 1, text.data(), static_cast<std::size_t>(replaced));
  ReleaseString(machine.Pop());
  return {};
}
