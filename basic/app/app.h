// basic.exe: runs a BASIC program, or the direct mode, in the console window.
//
// Start-up is the compiled program's: the runtime comes up, the window paints
// once, then the program runs on the main thread. What the front end itself
// says (errors, "Ok") goes to the window's character layer; errors go to
// standard error as well, and with --echo the rest to standard output.
//
// At the end, by default the window stays open until the user closes it;
// with --exit the process ends at once. Either way the exit code is 0 after
// END and the error's code after an error. --snapshot first writes the back
// buffer.
//
// --make writes a made program (basic/made/made_program.h) instead of running
// the file. A made program is basic.exe too: at start-up it finds its mark
// filled in, ignores its command line and runs the program inside. Tools and
// tests, which cannot give it options, may name snapshot files in the
// environment: BASIC_SNAPSHOT for the back buffer, as --snapshot writes it,
// and BASIC_WINDOW_SNAPSHOT for the window's client area.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

#include "basic/app/options.h"
#include "basic/text/input_script.h"

// The exit code when --snapshot cannot write its file.
inline constexpr int BasicExitSnapshotFailed = 4;
// The exit code of a made program that finds its inside damaged, and of
// --make when it cannot write the program.
inline constexpr int BasicExitDamaged = 6;
// A source file larger than this is refused rather than read.
inline constexpr std::size_t BasicMaxSourceBytes = std::size_t{64} << 20;

// Text for the character layer; also to standard output when echo is set.
void ShowText(std::string_view text, bool echo);
// Text for standard output alone: what the window shows already.
void EchoText(std::string_view text);
// A message for the user: to the character layer and to standard error,
// ending in CR LF whether or not the text did.
void ShowMessage(std::string_view text);

// The whole file as bytes; false, with a message in *error, when it cannot
// be read or is too large.
bool ReadSourceFile(const std::string& path, std::string* source, std::string* error);
// The file's first `limit` bytes, or all of it when it is shorter; false,
// with a message in *error, when it cannot be read.
bool ReadFileUpTo(const std::string& path, std::size_t limit, std::string* bytes, std::string* error);
// Writes all the bytes to the file; false, leaving no file behind, when it
// cannot.
bool WriteWholeFile(const std::string& path, const std::string& bytes);

// The script --input names, read as the program asks for lines; null when
// there is none. False, with a message in *error, when it cannot be opened.
bool OpenInputScript(const BasicAppOptions& options, std::unique_ptr<InputScript>* script, std::string* error);

// Compiles and runs the program, named options.file in messages; gives 0
// after END, else the exit code of the error, or BasicExitNoMoreInput when
// the script ran out.
int RunSource(const std::string& source, const BasicAppOptions& options);
// Reads the file and runs it as RunSource does.
int RunFile(const BasicAppOptions& options);
// Checks the file and writes it into the program options.make names; gives
// 0, or the exit code of what went wrong, shown in the window.
int MakeProgram(const BasicAppOptions& options);
// Whether this executable is a made program, with a program inside.
bool IsMadeProgram();
// Runs the program inside this made program; never returns.
[[noreturn]] void RunMadeProgram();
// Reads lines typed into the window and hands each to a session; SYSTEM ends
// the process as END does.
[[noreturn]] void RunDirectMode(const BasicAppOptions& options);
// Writes the snapshot when asked and the program ran, then ends the process
// with `code`, or, without --exit, leaves the window open for the user.
[[noreturn]] void Finish(const BasicAppOptions& options, int code);
