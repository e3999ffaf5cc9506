// What a call of the full way moves: its arguments in, the procedure's
// locals saved and cleared and, at the return, the parameters passed by
// reference out to the caller's variables and the locals put back.
#pragma once

#include <cstddef>

#include "basic/executor/run_errors.h"
#include "basic/procedures/call_stack.h"
#include "basic/procedures/procedure.h"

struct Machine;

// Moves an array's elements, bounds and number of subscripts; the source
// is left unmade.
void TakeContents(ArrayVariable& to, ArrayVariable& from);
// Before anything moves, since either can fail: the elements passed by
// reference found (in calls.elements), and every number argument checked
// to fit its parameter's kind; numbers: the arguments on the number stack.
RunFault PrepareArguments(Machine& machine, const CallSite& site, const Procedure& procedure, const double* numbers);
// The arguments' values, in order, kept to their parameters' kinds, into
// the passed lists; values on the stacks are taken off them. element: the
// first of the site's elements.
void ReadArguments(Machine& machine, const CallSite& site, const Procedure& procedure, const double* numbers,
                   RtString* strings, std::size_t element);
// Room for count more saved numbers; out of line, as it is seldom needed.
void GrowSavedNumbers(CallStack& calls, std::size_t count);
// Saves the procedure's locals and clears them.
void SaveLocals(Machine& machine, const Procedure& procedure);
// Puts back what the call saved, releasing what the call leaves.
void RestoreLocals(Machine& machine, const Procedure& procedure, const Frame& frame, const OtherSaves& saves);
// The parameters take the passed values.
void GiveParameters(Machine& machine, const Procedure& procedure);
// The values of the parameters passed by reference, taken before the
// locals are put back.
void ReadParameters(Machine& machine, const CallSite& site, const Procedure& procedure);
// Writes the parameters' values to the caller's variables, kept to their
// kinds. An element whose array is gone, or a value its variable cannot
// hold, is left out, with the fault that says so.
RunFault WriteBack(Machine& machine, const CallSite& site, const Procedure& procedure, std::size_t element);
