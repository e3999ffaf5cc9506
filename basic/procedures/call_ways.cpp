// Method: each procedure's callees are the procedures its body's call
// instructions name (a body's jumps never leave it, so its body is all it
// runs besides its callees). A procedure is reentrant when it reaches
// itself through them, found by a walk from each procedure.
// Then each call site's way follows from its arguments and its procedure.
#include "basic/procedures/call_ways.h"

#include <vector>

#include "basic/code/code.h"

namespace {

bool IsCall(Op op) { return op == Op::CallSub || op == Op::CallFunction || op == Op::CallStringFunction; }

std::vector<std::vector<int32_t>> Callees(const Code& code) {
  std::vector<std::vector<int32_t>> callees(code.procedures.size());
  for (std::size_t p = 0; p < code.procedures.size(); ++p) {
    const Procedure& procedure = code.procedures[p];
    for (int32_t at = procedure.entry; at >= 0 && at < procedure.end; ++at) {
      const Instruction& in = code.instructions[static_cast<std::size_t>(at)];
      if (IsCall(in.op)) callees[p].push_back(code.call_sites[static_cast<std::size_t>(in.a)].procedure);
    }
  }
  return callees;
}

bool ReachesItself(const std::vector<std::vector<int32_t>>& callees, int32_t start) {
  std::vector<bool> seen(callees.size());
  std::vector<int32_t> pending = callees[static_cast<std::size_t>(start)];
  while (!pending.empty()) {
    const int32_t next = pending.back();
    pending.pop_back();
    if (next == start) return true;
    if (seen[static_cast<std::size_t>(next)]) continue;
    seen[static_cast<std::size_t>(next)] = true;
    for (int32_t callee : callees[static_cast<std::size_t>(next)]) pending.push_back(callee);
  }
  return false;
}

}  // namespace

void ChooseCallWays(Code& code) {
  const std::vector<std::vector<int32_t>> callees = Callees(code);
  for (std::size_t p = 0; p < code.procedures.size(); ++p) {
    code.procedures[p].reentrant = ReachesItself(callees, static_cast<int32_t>(p));
  }
  for (CallSite& site : code.call_sites) {
    const Procedure& procedure = code.procedures[static_cast<std::size_t>(site.procedure)];
    site.way = !site.numbers_only || !procedure.numbers_only ? CallWay::Full
               : procedure.reentrant                         ? CallWay::Quick
                                                             : CallWay::Direct;
  }
}
