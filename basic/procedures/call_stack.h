// The calls under way at run time: a frame per call, and the values the
// calls saved of their procedures' locals, to be put back at the returns.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "basic/executor/run_errors.h"
#include "basic/procedures/procedure.h"
#include "basic/variables/variables.h"

struct LoopState {
  double limit;
  double step;
  bool started;  // a NEXT reached by a jump into a loop never started has no limit
};

// A procedure's call: where to go back to, and where its caller's saved
// numbers start on the machine's save stack.
struct Frame {
  int32_t call_site;
  int32_t return_position;
  CallWay way;
  std::size_t numbers;
  std::size_t gosub_floor;
};

// The same for strings, arrays, loops and the elements passed by
// reference, kept apart: a call with numbers only saves none of them, and
// its frame stays small.
struct OtherSaves {
  std::size_t strings, arrays, loops, elements;
};

// The calls under way, the values they saved, and scratch room for the
// arguments moving in and out.
struct CallStack {
  std::vector<Frame> frames;
  std::vector<OtherSaves> other_saves;  // one for each frame of a call that is not quick
  std::vector<double> saved_numbers;  // in use up to the top; it only grows
  std::size_t saved_numbers_top = 0;
  std::vector<RtString> saved_strings;
  std::vector<ArrayVariable> saved_arrays;
  std::vector<LoopState> saved_loops;
  std::vector<std::size_t> elements;  // the elements passed by reference
  // Only ever filled and emptied within one call or return.
  double passed_numbers[MaxParameters];
  RtString passed_strings[MaxParameters];
  std::vector<ArrayVariable> passed_arrays;
  RunFault fault;  // why the last call or return failed
  std::string detail;  // its detail, when made at run time
};
