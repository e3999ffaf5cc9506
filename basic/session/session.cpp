#include "basic/session/session.h"

#include <fstream>
#include <iterator>

#include "basic/compiler/compile_program.h"
#include "basic/executor/executor.h"
#include "basic/session/stored_runs.h"
#include "basic/text/output.h"
#include "basic/tokens/lexer.h"

namespace {

// Compiles a direct line on the session's variables and runs it.
BasicLineResult RunDirectLine(BasicSession* session, std::string_view line) {
  ProgramText input;
  input.source = line;
  input.file = DirectLineName;
  auto code = std::make_unique<Code>();
  std::vector<BasicDiagnostic> errors;
  if (!CompileProgram(input, session->variables.get(), code.get(), &errors)) return CompileErrors(errors);
  // A STOP of the stored program stays for CONT whatever a direct line does,
  // unless the line itself runs into an error or a STOP of its own.
  std::unique_ptr<Code> stopped_code = std::move(session->stopped_code);
  const RunState stopped = session->stopped;
  RunState state;
  const BasicRunResult result = ExecuteFrom(*code, *session->variables, session->options, &state);
  BasicLineResult ended = RunEnded(session, std::move(code), state, result);
  if (result.outcome == BasicOutcome::Ended || result.outcome == BasicOutcome::Stopped) {
    session->stopped_code = std::move(stopped_code);
    session->stopped = stopped;
  }
  return ended;
}

BasicLineResult Load(BasicSession* session, const std::string& file) {
  std::ifstream stream(file, std::ios::binary);
  if (!stream) return LineError("cannot open " + file);
  const std::string text((std::istreambuf_iterator<char>(stream)), std::istreambuf_iterator<char>());
  StoredLines lines;
  const std::string problem = ParseStoredLines(text, &lines);
  if (!problem.empty()) return LineError(file + ": " + problem);
  session->lines = std::move(lines);
  session->variables = std::make_unique<Variables>();
  session->stopped_code.reset();
  return LineDone();
}

BasicLineResult Save(const BasicSession* session, const std::string& file) {
  std::ofstream stream(file, std::ios::binary | std::ios::trunc);
  const std::string text = ListLines(session->lines);
  stream.write(text.data(), static_cast<std::streamsize>(text.size()));
  stream.close();
  if (!stream) return LineError("cannot write " + file);
  return LineDone();
}

// GOTO n and RUN n: a command and a line number, alone on the line.
bool RunFromLine(BasicSession* session, const std::vector<Token>& tokens, BasicLineResult* result) {
  if (tokens.size() != 3 || tokens[0].kind != TokenKind::Keyword || tokens[1].kind != TokenKind::Number ||
      !tokens[1].digits_only) {
    return false;
  }
  const Keyword command = tokens[0].keyword;
  if (command != Keyword::Goto && command != Keyword::Run) return false;
  if (tokens[1].number > MaxLineNumber) {
    *result = LineError("line number must be 0 to 65529");
  } else {
    *result = RunStoredLines(session, static_cast<int32_t>(tokens[1].number), command == Keyword::Run);
  }
  return true;
}

// RUN, LIST, NEW, CONT, LOAD "file", SAVE "file" and SYSTEM, alone on the line.
bool Command(BasicSession* session, const std::vector<Token>& tokens, BasicLineResult* result) {
  if (tokens.empty() || tokens[0].kind != TokenKind::Keyword) return false;
  if (RunFromLine(session, tokens, result)) return true;
  const Keyword command = tokens[0].keyword;
  const bool takes_file = command == Keyword::Load || command == Keyword::Save;
  if (command != Keyword::Run && command != Keyword::List && command != Keyword::New &&
      command != Keyword::System && command != Keyword::Cont && !takes_file) {
    return false;
  }
  const std::size_t length = takes_file ? 2 : 1;
  if (tokens.size() != length + 1 || (takes_file && tokens[1].kind != TokenKind::String)) {
    const std::string name = KeywordText(command);
    *result = LineError(takes_file                 ? name + " needs a file name in quotes, and nothing after it"
                        : command == Keyword::Run ? name + " takes a line number or nothing after it"
                                                  : name + " takes nothing after it");
    return true;
  }
  switch (command) {
    case Keyword::Run: *result = RunStoredLines(session, -1, true); break;
    case Keyword::Cont: *result = ContinueStopped(session); break;
    case Keyword::List:
      OutputText(ListLines(session->lines), session->options.echo);
      *result = LineDone();
      break;
    case Keyword::New:
      session->lines.clear();
      session->variables = std::make_unique<Variables>();
      session->stopped_code.reset();
      *result = LineDone();
      break;
    case Keyword::Load: *result = Load(session, tokens[1].text); break;
    case Keyword::Save: *result = Save(session, tokens[1].text); break;
    default: *result = BasicLineResult{BasicLineOutcome::System, std::string()}; break;
  }
  return true;
}

}  // namespace

BasicLineResult EnterLine(BasicSession* session, std::string_view line) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  int32_t number;
  std::string_view rest;
  if (SplitLineNumber(line, &number, &rest)) {
    if (number < 0) return LineError("line number must be 0 to 65529");
    session->stopped_code.reset();  // the program CONT would go on in has changed
    if (rest.empty()) {
      session->lines.erase(number);
    } else {
      // A stored line stays one line, also in SAVE's file.
      std::string text(rest);
      for (char& byte : text) {
        if (byte == '\n' || byte == '\r') byte = ' ';
      }
      session->lines[number] = std::move(text);
    }
    return LineDone();
  }
  const LexResult lexed = LexLine(line);
  BasicLineResult result;
  if (!lexed.failed && Command(session, lexed.tokens, &result)) return result;
  return RunDirectLine(session, line);
}

BasicLineResult LineDone() { return BasicLineResult{BasicLineOutcome::Done, std::string()}; }

BasicLineResult LineError(std::string message) {
  return BasicLineResult{BasicLineOutcome::Error, std::move(message) + "\r\n"};
}

BasicLineResult CompileErrors(const std::vector<BasicDiagnostic>& errors) {
  std::string text;
  for (const BasicDiagnostic& error : errors) text += BasicFormatDiagnostic(error);
  return BasicLineResult{BasicLineOutcome::Error, text};
}
