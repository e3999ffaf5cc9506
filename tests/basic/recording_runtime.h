// A stand-in for the runtime's window routines on Linux: CLS, LINE, CIRCLE,
// PRINT and INPUT record what they were handed, and INPUT answers from a
// script, so that tests see exactly what a program asks of the runtime.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "basic/basic.h"
#include "runtime/graphics/graphics.h"

struct Recording {
  std::vector<std::string> calls;  // "LINE x1 y1 step x2 y2 colour box fill", ...
  std::string printed;             // everything PRINT was handed, in order
  std::size_t largest_print = 0;   // the longest string PRINT was handed
  std::deque<std::string> input;   // lines INPUT answers with, first first
  int inputs_past_script = 0;      // INPUTs asked when the script was used up
  int fills = 0;                   // the colour layer's fills, each a block of pixels
  int block_reads = 0, block_writes = 0;  // GfxReadRgb and GfxWriteRgb calls
  int shows = 0;                   // its GfxShowPending calls
};
extern Recording TheRecording;

// The picture that the colour layer's calls paint (recording_picture.cpp),
// black when a recording starts; outside it reads black.
inline constexpr int32_t RecordedWidth = 640;
inline constexpr int32_t RecordedHeight = 480;
Colour RecordedPixel(int32_t x, int32_t y);
void ClearRecordedPicture();

// Clears the recording and sets the lines INPUT will read.
void StartRecording(std::vector<std::string> input = {});

// Everything a test wants to know about one program: its compile errors
// (formatted, joined), or the run's outcome, message, text and calls.
struct ProgramRun {
  bool compiled = false;
  std::string errors;
  BasicOutcome outcome = BasicOutcome::Ended;
  std::string message;
  std::string printed;
  std::vector<std::string> calls;
};
// Compiles and runs source as "test.bas" with a fresh recording, and checks
// that the string registry holds as many strings as before once the program
// is gone.
ProgramRun RunProgram(const std::string& source, std::vector<std::string> input = {});

// The registry's count of live strings.
int RegistryCount();

// A small program and what it prints, with the reason the row is there.
struct ProgramCase {
  const char* source;
  const char* printed;
  const char* why;
};
// The program compiles, runs to its end without an error, and prints
// exactly that.
void ExpectPrints(const ProgramCase& c);
template <std::size_t N>
void ExpectEachPrints(const ProgramCase (&cases)[N]) {
  for (const ProgramCase& c : cases) ExpectPrints(c);
}
