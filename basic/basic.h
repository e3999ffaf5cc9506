// The BASIC interpreter: source text in, the runtime's statements out.
//
// A program goes through three stages before anything runs: its text is cut
// into tokens, the tokens are parsed and checked into a program whose names
// are slots and whose jumps are targets, and that program is turned into a
// compact form that the executor runs. Every error of the first stages is
// found before the run, all at once; a program with any error never runs.
//
// The executor draws, prints and reads through the runtime's own routines
// (GfxCls, GfxLine, GfxCircle, NumInt, NumRnd, NumPow, PromptPrint,
// PromptInput), on the calling thread: the main thread, after the window
// has painted once. Its string values come from a pool of its own
// (executor/string_values.h), compared as the runtime compares; when a run
// ends, however it ends, every string it made has been released.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// One error found before the run. Lines and columns count from 1; a column
// counts bytes of the source line.
struct BasicDiagnostic {
  std::string file;
  int32_t line;
  int32_t column;
  std::string message;
  std::string source_line;  // the line's text, without its line end
  int32_t program_line = -1;  // the BASIC line number the line starts with, -1 when none
  bool warning = false;  // a numbered program's line that failed to compile, kept to fail when run
};
// "FILE:LINE:COLUMN: message" ("FILE:LINE:COLUMN (line N): message" on a
// numbered line; "warning: message" for a warning), the source line, and a caret under the column, each line
// ending in CR LF.
std::string BasicFormatDiagnostic(const BasicDiagnostic& diagnostic);

// A checked, compiled program with its variables. Opaque to front ends.
struct BasicProgram;
struct BasicProgramDeleter {
  void operator()(BasicProgram* program) const;
};
using BasicProgramPtr = std::unique_ptr<BasicProgram, BasicProgramDeleter>;

// Compiles the whole text of a file. On success only the warnings of a
// numbered program are appended (its lines that fail when run); on any
// error the result is null and every error found has been appended, in
// source order.
BasicProgramPtr BasicCompile(std::string_view source, const std::string& file,
                             std::vector<BasicDiagnostic>* errors);

// A program's text with the files its '$INCLUDE: 'name' metacommands name,
// each file's lines after its metacommand's line, and where every line
// came from, for messages.
struct BasicSourceText {
  std::string text;                // the lines, each ending in "\n"
  std::vector<std::string> files;  // per line: the file it came from
  std::vector<int32_t> lines;      // and its line there, from 1
};
// Reads an included file by the name the metacommand gives; false, with
// the reason in *error, when it cannot.
using BasicIncludeReader = std::function<bool(const std::string& name, std::string* text, std::string* error)>;
// False, with the errors appended, when an included file cannot be read.
bool BasicReadIncludes(std::string_view source, const std::string& file, const BasicIncludeReader& read,
                       BasicSourceText* text, std::vector<BasicDiagnostic>* errors);
// Compiles a text whose includes have been read; messages name each
// line's own file and line.
BasicProgramPtr BasicCompile(const BasicSourceText& source, const std::string& file,
                             std::vector<BasicDiagnostic>* errors);

class InputScript;
struct BasicRunOptions {
  bool echo = false;  // also write what PRINT writes, and every line INPUT reads, to stdout
  InputScript* input = nullptr;  // when set, INPUT reads its lines here instead of the window
  std::string command_line;      // what COMMAND$ gives
  std::string* transcript = nullptr;  // when set, gets the text shown on the PC's text screen and in graphics modes
};

enum class BasicOutcome {
  Ended,         // END, STOP, or past the last line
  RuntimeError,  // message holds "FILE:LINE: message" ("FILE:LINE (line N): ...")
  NoMoreInput,   // the input script ran out; message "FILE:LINE: no more input"
  Stopped,       // STOP, in the direct mode, where CONT goes on
};
struct BasicRunResult {
  BasicOutcome outcome;
  std::string message;
  std::string source_line;  // the text of the line the message names
  int32_t column = 0;       // where its statement starts in that line; 0 when unknown
};
// A run's message, the line it names and a caret under the statement, each
// ending in CR LF.
std::string BasicFormatRunMessage(const BasicRunResult& result);

// A listing of the compiled program: each source line with its instructions,
// each ending in "\n" (basic.exe --list).
std::string BasicListing(const BasicProgram& program);

// Runs the program from its first line with every variable fresh: 0 or the
// empty string.
BasicRunResult BasicRun(BasicProgram* program, const BasicRunOptions& options);

// Direct mode: lines typed one at a time. A line that starts with a line
// number is stored into the program in memory (a number alone deletes that
// line); RUN, LIST, NEW, LOAD "file", SAVE "file" and SYSTEM act on that
// program; GOTO n and RUN n run it from line n (GOTO keeping the
// variables), CONT goes on after a STOP; any other line is compiled and run
// at once. Variables live as
// long as the session: a direct line sees what the last RUN or direct line
// left. Errors come back as text for the front end to print, each line of
// it ending in CR LF; LIST and PRINT write to the window themselves.
struct BasicSession;
struct BasicSessionDeleter {
  void operator()(BasicSession* session) const;
};
using BasicSessionPtr = std::unique_ptr<BasicSession, BasicSessionDeleter>;
BasicSessionPtr BasicNewSession(const BasicRunOptions& options);

enum class BasicLineOutcome {
  Done,          // stored, deleted, run or listed; nothing more to do
  Error,         // message holds the error, ready to print
  System,        // SYSTEM: the front end ends the process
  NoMoreInput,   // the input script ran out; message holds where, ready to print
};
struct BasicLineResult {
  BasicLineOutcome outcome;
  std::string message;
};
// Takes one typed line, without its line end.
BasicLineResult BasicEnterLine(BasicSession* session, std::string_view line);

// Exit codes of basic.exe.
inline constexpr int BasicExitCompileError = 1;
inline constexpr int BasicExitRuntimeError = 2;
inline constexpr int BasicExitNoMoreInput = 5;
