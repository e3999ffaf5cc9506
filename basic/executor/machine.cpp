#include "basic/executor/machine.h"

#include "basic/executor/string_values.h"
#include "basic/procedures/run_calls.h"
#include "runtime/graphics/pixels.h"

Machine::Machine(const Code& code_, Variables& variables_, const BasicRunOptions& options)
    : code(code_),
      variables(variables_),
      echo(options.echo),
      script(options.input),
      command_line(options.command_line),
      transcript(options.transcript),
      numbers(static_cast<std::size_t>(code_.number_stack) + 1),
      strings(static_cast<std::size_t>(code_.string_stack) + 1),
      strings_top(strings.data()),
      loops(static_cast<std::size_t>(code_.loop_count)) {
  for (int32_t key = 0; key < SoftKeyCount; ++key) HandSoftKeyToWindow(soft_keys, key);
}

Machine::~Machine() {
  UnwindProcedures(*this);
  while (strings_top != strings.data()) ReleaseString(Pop());
  // A run's last dots and colours reach the window however it ended.
  PagesSettle(screen);
  GfxShowPending();
}
