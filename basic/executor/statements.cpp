#include "basic/executor/statements.h"

namespace {

// One routine per instruction, in the list's order; the executor runs the
// inline instructions itself and never looks here for them.
#define BASIC_NO_ROUTINE(name, ...) nullptr,
#define BASIC_ROUTINE(name, ...) Run##name,
constexpr StatementRoutine Routines[] = {BASIC_INSTRUCTIONS(BASIC_NO_ROUTINE, BASIC_ROUTINE)};
#undef BASIC_ROUTINE
#undef BASIC_NO_ROUTINE

}  // namespace

double* ExecuteStatement(Machine& machine, const Instruction& in, double* sp, RunFault* fault) {
  *fault = Routines[static_cast<uint8_t>(in.op)](machine, in, sp);
  return sp;
}
