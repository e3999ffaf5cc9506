#include <string>
#include <vector>

#include "basic/app/app.h"
#include "basic/basic.h"
#include "runtime/console/prompt_io.h"
#include "runtime/strings/strings.h"

// What was typed (or pasted) before Enter, as bytes; echoed when asked, as
// INPUT echoes what it reads.
static std::string ReadTypedLine(bool echo) {
  RtString typed = PromptInput();
  std::string line(typed, static_cast<std::size_t>(StrLength(typed)));
  StrRelease(typed);
  if (echo) EchoText(line + "\r\n");
  return line;
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

// Enters one line; false once SYSTEM asks to end.
static bool EnterLine(BasicSession* session, const std::string& line, bool echo) {
  const BasicLineResult result = BasicEnterLine(session, line);
  if (result.outcome == BasicLineOutcome::System) return false;
  if (result.outcome == BasicLineOutcome::Error) ShowMessage(result.message);
  if (AnswersOk(line)) ShowText("Ok\r\n", echo);
  return true;
}

void RunDirectMode(const BasicAppOptions& options) {
  BasicSessionPtr session = BasicNewSession(BasicRunOptions{options.echo});
  ShowText("Ok\r\n", options.echo);
  bool running = true;
  while (running) {
    for (const std::string& line : SplitLines(ReadTypedLine(options.echo))) {
      running = running && EnterLine(session.get(), line, options.echo);
    }
  }
  // The session's strings go before END releases the slots.
  session.reset();
  BasicAppOptions ending = options;
  ending.exit_at_end = true;
  Finish(ending, 0);
}
