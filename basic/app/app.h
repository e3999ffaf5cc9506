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
// and BASIC_WINDOW_SNAPSHOT for the window's client area; BASIC_SOUND
// for the WAV file --sound records.
#pragma once

// The exit code when --snapshot or --sound cannot write its file.
inline constexpr int BasicExitSnapshotFailed = 4;
// The exit code of a made program that finds its inside damaged, and of
// --make when it cannot write the program.
inline constexpr int BasicExitDamaged = 6;
