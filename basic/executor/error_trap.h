// ON ERROR GOTO at run time: what the handler set, the error it handles
// and where it happened. An error with a handler set, and none being
// handled, goes to the handler instead of ending the run. The calls under
// way stay as they were at the error, so that RESUME and RESUME NEXT go
// back into the procedure that failed; only the failed statement's
// operands are dropped, its strings released.
#pragma once

#include <cstddef>
#include <cstdint>

#include "basic/code/code.h"
#include "basic/executor/run_errors.h"

struct Machine;

struct ErrorTrap {
  int32_t handler = -1;    // ON ERROR GOTO's target; -1 when errors end the run
  bool handling = false;   // the handler runs, and has not yet resumed
  int32_t number = 0;      // ERR
  int32_t line = 0;        // ERL: the last line number at or before the error
  StatementRange failed{0, 0};
  std::size_t numbers_base = 0;  // the stacks' depth where the failed statement started
  std::size_t strings_base = 0;
};

// Where the run goes on, and the number stack's top there; a position
// below 0 when it does not. The top comes back rather than through a
// reference, so that the executor's copy of it never has its address taken
// and stays in a register.
struct TrapJump {
  double* sp;
  int32_t position;
};

// Sends the fault at `position` to the handler when one is set and none
// runs: the stacks are cut back to the failed statement's start and the
// handler's position comes back; -1 when the fault ends the run.
TrapJump TrapFault(Machine& machine, int32_t position, const RunFault& fault);

// RESUME's forms, its instruction's b.
enum ResumeForm : int32_t { ResumeFailed = 0, ResumeNext = 1, ResumeAtLine = 2 };

// RESUME (in: Op::Resume, its target in a): where the run goes on, the
// stacks at that statement's start; -1 when no error is being handled.
TrapJump ResumeAfterError(Machine& machine, const Instruction& in);

// Whether the END at `position` is the program's own, after its last line,
// reached inside a handler: No RESUME. An END statement ends the run.
bool EndsInHandler(const Machine& machine, int32_t position);
