#include "basic/executor/statements.h"

#include "basic/builtins/run_builtins.h"
#include "basic/executor/operators.h"
#include "basic/keys_and_sound/run_keys.h"
#include "basic/keys_and_sound/run_sound.h"
#include "basic/screen/run_draw.h"
#include "basic/screen/run_graphics.h"
#include "basic/screen/run_screen.h"
#include "basic/text/run_input.h"
#include "basic/text/run_mid.h"
#include "basic/text/run_print.h"
#include "basic/variables/run_arrays.h"
#include "basic/variables/run_data.h"
#include "basic/variables/run_variables.h"

namespace {

// One routine per instruction, in the list's order; the executor runs the
// inline instructions itself and never looks here for them.
#define BASIC_NO_ROUTINE(name, ...) nullptr,
#define BASIC_ROUTINE(name, ...) Run##name,
constexpr StatementRoutine Routines[] = {BASIC_INSTRUCTIONS(BASIC_NO_ROUTINE, BASIC_ROUTINE)};
#undef BASIC_ROUTINE
#undef BASIC_NO_ROUTINE

}  // namespace

double* ExecuteStatement(Machine& machine, const Instruction& in, double* sp, const char** error) {
  *error = Routines[static_cast<uint8_t>(in.op)](machine, in, sp);
  return sp;
}
