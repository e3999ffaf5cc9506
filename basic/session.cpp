// The direct mode: typed lines stored, listed, run, or run at once.
#include <fstream>
#include <iterator>
#include <sstream>

#include "basic/compiler.h"
#include "basic/executor.h"
#include "basic/lexer.h"
#include "basic/session.h"
#include "runtime/numeric/numeric.h"

struct BasicSession {
  BasicRunOptions options;
  StoredLines lines;
  std::unique_ptr<Variables> variables = std::make_unique<Variables>();
};

void BasicSessionDeleter::operator()(BasicSession* session) const { delete session; }

BasicSessionPtr BasicNewSession(const BasicRunOptions& options) {
  BasicSessionPtr session(new BasicSession);
  session->options = options;
  return session;
}

namespace {

// The file name stored programs and direct lines are reported under.
constexpr char StoredProgramName[] = "program";
constexpr char DirectLineName[] = "direct";

BasicLineResult Done() { return BasicLineResult{BasicLineOutcome::Done, std::string()}; }
BasicLineResult Error(std::string message) {
  return BasicLineResult{BasicLineOutcome::Error, std::move(message) + "\r\n"};
}

std::string Formatted(const std::vector<BasicDiagnostic>& errors) {
  std::string text;
  for (const BasicDiagnostic& error : errors) text += BasicFormatDiagnostic(error);
  return text;
}

// Compiles source on the session's variables and runs it from the top.
BasicLineResult CompileAndRun(BasicSession* session, const CompileInput& input) {
  Code code;
  std::vector<BasicDiagnostic> errors;
  if (!CompileProgram(input, session->variables.get(), &code, &errors)) {
    return BasicLineResult{BasicLineOutcome::Error, Formatted(errors)};
  }
  const BasicRunResult result = Execute(code, *session->variables, session->options);
  if (result.outcome == BasicOutcome::RuntimeError) return Error(result.message);
  return Done();
}

BasicLineResult Run(BasicSession* session) {
  std::string source;
  std::vector<int32_t> numbers;
  for (const auto& [number, line] : session->lines) {
    source += std::to_string(number) + " " + line + "\n";
    numbers.push_back(number);
  }
  session->variables = std::make_unique<Variables>();
  RandSeed = 1;
  CompileInput input;
  input.source = source;
  input.file = StoredProgramName;
  input.reported_lines = &numbers;
  return CompileAndRun(session, input);
}

BasicLineResult Load(BasicSession* session, const std::string& file) {
  std::ifstream stream(file, std::ios::binary);
  if (!stream) return Error("cannot open " + file);
  const std::string text((std::istreambuf_iterator<char>(stream)), std::istreambuf_iterator<char>());
  StoredLines lines;
  const std::string problem = ParseStoredLines(text, &lines);
  if (!problem.empty()) return Error(file + ": " + problem);
  session->lines = std::move(lines);
  session->variables = std::make_unique<Variables>();
  return Done();
}

BasicLineResult Save(const BasicSession* session, const std::string& file) {
  std::ofstream stream(file, std::ios::binary | std::ios::trunc);
  const std::string text = ListLines(session->lines);
  stream.write(text.data(), static_cast<std::streamsize>(text.size()));
  stream.close();
  if (!stream) return Error("cannot write " + file);
  return Done();
}

// RUN, LIST, NEW, LOAD "file", SAVE "file" and SYSTEM, alone on the line.
bool Command(BasicSession* session, const std::vector<Token>& tokens, BasicLineResult* result) {
  if (tokens.empty() || tokens[0].kind != TokenKind::Keyword) return false;
  const Keyword command = tokens[0].keyword;
  const bool takes_file = command == Keyword::Load || command == Keyword::Save;
  if (command != Keyword::Run && command != Keyword::List && command != Keyword::New &&
      command != Keyword::System && !takes_file) {
    return false;
  }
  const std::size_t length = takes_file ? 2 : 1;
  if (tokens.size() != length + 1 || (takes_file && tokens[1].kind != TokenKind::String)) {
    const std::string name = KeywordText(command);
    *result = Error(takes_file ? name + " needs a file name in quotes, and nothing after it"
                               : name + " takes nothing after it");
    return true;
  }
  switch (command) {
    case Keyword::Run: *result = Run(session); break;
    case Keyword::List:
      OutputText(ListLines(session->lines), session->options.echo);
      *result = Done();
      break;
    case Keyword::New:
      session->lines.clear();
      session->variables = std::make_unique<Variables>();
      *result = Done();
      break;
    case Keyword::Load: *result = Load(session, tokens[1].text); break;
    case Keyword::Save: *result = Save(session, tokens[1].text); break;
    default: *result = BasicLineResult{BasicLineOutcome::System, std::string()}; break;
  }
  return true;
}

}  // namespace

BasicLineResult BasicEnterLine(BasicSession* session, std::string_view line) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  int32_t number;
  std::string_view rest;
  if (SplitLineNumber(line, &number, &rest)) {
    if (number < 0) return Error("line number must be 0 to 65529");
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
    return Done();
  }
  const LexResult lexed = LexLine(line);
  BasicLineResult result;
  if (!lexed.failed && Command(session, lexed.tokens, &result)) return result;
  CompileInput input;
  input.source = line;
  input.file = DirectLineName;
  return CompileAndRun(session, input);
}
