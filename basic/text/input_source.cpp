#include "basic/text/input_source.h"

#include <algorithm>

#include "basic/executor/machine.h"
#include "basic/executor/string_values.h"
#include "basic/screen/grid_input.h"
#include "basic/screen/run_text_screen.h"
#include "basic/text/input_script.h"
#include "basic/text/output.h"
#include "runtime/console/prompt_io.h"

bool ReadInputLine(Machine& machine, std::string* line) {
  if (machine.script) {
    if (!machine.script->NextLine(line)) return false;
    // The window's input line ends at a NUL byte; a scripted line reads
    // as that line would.
    line->resize(std::min(line->size(), line->find('\0')));
    ShowText(machine, *line + "\r\n", false);
  } else if (TextInGrid(machine)) {
    if (!TypeLineInGrid(machine, line)) return false;
  } else {
    RtString typed = PromptInput();
    line->assign(BytesOf(typed));
    StrRelease(typed);
  }
  EchoInputLine(*line, machine.echo);
  machine.column = 0;
  return true;
}
