// Helpers for tests that drive the real console window in this process: the
// runtime is brought up once per process, and pictures are read back from
// the window and from the back buffer as COLORREFs (0x00BBGGRR).
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "runtime/strings/strings.h"

struct Picture {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;  // COLORREFs, row by row from the top
  uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

// A new registered string holding `bytes`, owned by the caller.
RtString TestString(const std::string& bytes);
// The text of a row of the character layer, up to its end.
std::string LayerRowText(int32_t row);

// Start-up and hand-shake, as the program does them; later calls return at once.
void StartRuntimeOnce();
// Has the window thread carry out every request queued so far: CLS queues
// its clear of the character layer and goes on without waiting for it.
void AwaitPromptQueue();
// CLS's clear of the character layer, carried out before this returns.
void ClearTextNow();

// A bitmap like the back buffer, filled with `background`, then drawn on by
// `draw`, read back.
Picture DrawOffscreen(int width, int height, uint32_t background, const std::function<void(HDC)>& draw);
// Any device context's pixels in `area`.
Picture CaptureDC(HDC dc, const RECT& area);
// The client area of the console window, as it shows now.
Picture CaptureWindow(const RECT& area);
// The back buffer's pixels in `area`, read under its lock.
Picture CaptureBackBuffer(const RECT& area);
// Fills `area` of the back buffer with one colour, under its lock.
void FillBackBuffer(const RECT& area, uint32_t colour);
// Invalidates `area` (or everything for null) and has it painted before returning.
void RepaintNow(const RECT* area);
// Waits for late exposures from the display server (after a resize, say) to
// arrive and be painted, so that a test can tell its own repaint from them.
void SettleWindow();
// Resizes the window so that its client area is width x height.
void SetClientSize(int width, int height);
RECT ClientRect();
// Registry entries, oldest first.
std::vector<void*> RegistryEntries();
// The registry once the window thread holds no temporary string: waits up
// to two seconds for it to hold exactly `expected`, and returns what it holds.
std::vector<void*> RegistrySettlesTo(const std::vector<void*>& expected);
// Counts the pixels of `picture` inside `area` (picture coordinates) equal to `colour`.
int CountColour(const Picture& picture, const RECT& area, uint32_t colour);
// Runs a command line to its end; returns the exit code and, when asked, what
// it wrote to its standard output.
DWORD RunProgram(std::string command, std::string* output = nullptr);
// Starts an executable from this test's folder as a process of its own,
// with the arguments given; dwProcessId is 0 when it could not be started.
PROCESS_INFORMATION StartSibling(const char* name, const std::string& arguments = "");
// Starts window-flood.exe on `window` (see tests/support/window_flood.cpp)
// and returns once its first messages are out.
PROCESS_INFORMATION StartFlood(HWND window, const char* kind, int count, unsigned seed);
// The process's PROMPT window once it exists; null if the process ended
// first (or none appeared within a minute).
HWND PromptWindowOf(const PROCESS_INFORMATION& process);
// Waits up to a minute for the process to end and gives its exit code
// (STILL_ACTIVE if it did not end, and then it is ended); closes its handles.
DWORD FinishProcess(PROCESS_INFORMATION process);
// Waits up to ten seconds for the PROMPT window of another process to be
// reading a line: its focus handler shows a caret only while a line is
// being typed. False if it never was.
bool AwaitLineInput(HWND window);
// A 640 x 400 client area whose back buffer, and so whose picture, is all
// one colour.
void PaintCanvas(uint32_t colour);
// Full path of an executable in the same folder as this test.
std::string SiblingExecutable(const char* name);

// Takes every GDI handle this process has left, as pens, so that the next
// CreatePen or CreateSolidBrush fails; returns how many it took.
int ExhaustGdiHandles();
// Gives back what ExhaustGdiHandles took.
void FreeGdiHandles();
