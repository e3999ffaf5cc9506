#include "basic/app/direct_mode.h"

#include <string>
#include <vector>

#include "basic/app/finish.h"
#include "basic/app/input_file.h"
#include "basic/app/show.h"
#include "basic/basic.h"
#include "runtime/console/prompt_io.h"
#include "runtime/strings/strings.h"

// What was typed (or pasted) before Enter, as bytes, or the script's next
// line, shown as if typed; echoed when asked, as INPUT echoes what it reads.
// False when the script has ended.
static bool ReadTypedLine(InputScript* script, bool echo, std::string* line) {
  if (script) {
    if (!script->NextLine(line)) return false;
    ShowText(*line + "\r\n", echo);
    return true;
  }
  RtString typed = PromptInput();
  line->assign(typed, static_cast<std::size_t>(StrLength(typed)));
  StrRelease(typed);
  if (echo) EchoText(*line + "\r\n");
  return true;
}

// A paste keeps its line ends inside the typed line: each line of it is
// entered as if it had been typed alone, so that a program can be pasted.
static std::vector<std::string> SplitLines(const std::string& typed) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = typed.find_first_of("\r\n", start);
    lines.push_back(typed.substr(start, end - start));
    if (end == std::string::npos) return lines;
    start = typed.compare(end, 2, "\r\n") == 0 ? end + 2 : end + 1;
  }
}

// A line that starts with a line number goes into the program in memory;
// classic BASIC answers such a line, and an empty one, with no "Ok".
static bool AnswersOk(const std::string& line) {
  const std::size_t first = line.find_first_not_of(" \t");
  return first != std::string::npos && !(line[first] >= '0' && line[first] <= '9');
}

// Enters one line; gives -1 while the session goes on, else the exit code:
// 0 once SYSTEM asks to end, BasicExitNoMoreInput when INPUT's script ran out.
static int EnterLine(BasicSession* session, const std::string& line, bool echo) {
  const BasicLineResult result = BasicEnterLine(session, line);
  if (result.outcome == BasicLineOutcome::System) return 0;
  if (result.outcome == BasicLineOutcome::Error || result.outcome == BasicLineOutcome::NoMoreInput) {
    ShowMessage(result.message);
  }
  if (result.outcome == BasicLineOutcome::NoMoreInput) return BasicExitNoMoreInput;
  if (AnswersOk(line)) ShowText("Ok\r\n", echo);
  return -1;
}

void RunDirectMode(const BasicAppOptions& options) {
  std::unique_ptr<InputScript> script;
  std::string error;
  if (!OpenInputScript(options, &script, &error)) {
    ShowMessage(error);
    Finish(options, BasicExitCompileError);
  }
  BasicSessionPtr session = BasicNewSession(BasicRunOptions{options.echo, script.get(), ""});
  ShowText("Ok\r\n", options.echo);
  int code = -1;
  std::string typed;
  while (code < 0) {
    if (!ReadTypedLine(script.get(), options.echo, &typed)) {
      ShowMessage(options.input + ": no more input");
      code = BasicExitNoMoreInput;
      break;
    }
    for (const std::string& line : SplitLines(typed)) {
      if (code < 0) code = EnterLine(session.get(), line, options.echo);
    }
  }
  // The session's strings go before END releases the slots.
  session.reset();
  BasicAppOptions ending = options;
  ending.exit_at_end = true;
  Finish(ending, code);
}
