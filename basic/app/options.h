// The command line of basic.exe:
//
//   basic.exe [--exit] [--snapshot OUT.bmp] [--echo] [--input LINES.txt] [--sound OUT.wav] [FILE.bas]
//   basic.exe --make OUT.exe [--icon FILE.ico] FILE.bas
//   basic.exe --list FILE.bas
//
// Options and the file may come in any order; "--" ends the options, so that
// a file whose name starts with "--" can still be run. Without a file the
// window is the direct mode. --make writes FILE.bas into a program of its own
// instead of running it, with the icon of --icon; --sound records everything
// the program plays (SOUND, BEEP, PLAY) into a WAV file; --list writes the
// listing of its compiled code to
// standard output, opening no window.
#pragma once

#include <string>
#include <vector>

struct BasicAppOptions {
  std::string file;           // empty: the direct mode
  std::string snapshot;       // empty: no snapshot
  bool exit_at_end = false;   // --exit, and --snapshot too
  bool echo = false;          // --echo
  std::string sound;          // --sound: the WAV file to record to; empty: none
  std::string input;          // --input: the lines typed, "-" for standard input; empty: the window
  std::string make;           // --make: the program to write; empty: run the file
  std::string icon;           // --icon: the made program's icon file; empty: none
  bool list = false;          // --list: list the file's compiled code instead of running it
  std::string window_snapshot;  // a made program's window picture (app.h); empty: none
  std::string command_line;     // a made program's arguments, for COMMAND$
};

inline constexpr char BasicUsage[] =
    "usage: basic.exe [--exit] [--snapshot OUT.bmp] [--echo] [--input LINES.txt] [--sound OUT.wav] [FILE.bas]\r\n"
    "       basic.exe --make OUT.exe [--icon FILE.ico] FILE.bas\r\n"
    "       basic.exe --list FILE.bas\r\n";

// Reads the arguments after the program's name. On a mistake (an unknown
// option, --snapshot, --input, --sound or --make without its file, a second
// file, --make or --list without a file or beside --snapshot, --echo, --input,
// --sound or each other, --icon without --make) gives false and says
// what is wrong in *error, one line ending in CR LF; the other arguments are
// still read, so that --exit and --snapshot hold for the mistake too.
bool ParseCommandLine(const std::vector<std::string>& arguments, BasicAppOptions* options,
                      std::string* error);
