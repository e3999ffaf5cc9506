// The executor's machine: the two operand stacks, the loops' limits and
// steps, the GOSUB stack, the calls under way, and what the statements keep
// from one to the next (the PRINT being built, the cursor's column, the
// next DATA item, DRAW's pen, the screen, the files, ON ERROR's handler).
// Whatever way a run ends, the machine releases the strings still on its
// stack.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "basic/basic.h"
#include "basic/code/code.h"
#include "basic/executor/error_trap.h"
#include "basic/executor/run_errors.h"
#include "basic/files/run_files.h"
#include "basic/keys_and_sound/play_string.h"
#include "basic/keys_and_sound/events.h"
#include "basic/keys_and_sound/soft_keys.h"
#include "basic/memory/memory.h"
#include "basic/procedures/call_stack.h"
#include "basic/screen/draw_string.h"
#include "basic/screen/screen.h"
#include "basic/screen/text_screen.h"
#include "runtime/console/mouse_input.h"
#include "basic/variables/variables.h"

class InputScript;

// Where a run that STOP ended goes on: the instruction after the STOP, with
// the GOSUB returns, the loops, the event traps and the soft keys as they
// were.
struct RunState {
  int32_t position = 0;
  std::vector<int32_t> gosubs;
  std::vector<LoopState> loops;
  EventTraps events;
  SoftKeys soft_keys;
};

struct Machine {
  Machine(const Code& code, Variables& variables, const BasicRunOptions& options);
  ~Machine();
  Machine(const Machine&) = delete;
  Machine& operator=(const Machine&) = delete;

  void Push(RtString s) { *strings_top++ = s; }
  RtString Pop() { return *--strings_top; }
  // A run-time error whose detail is made while the program runs: the
  // machine keeps the text until the executor has reported it.
  RunFault Fail(RunError error, std::string detail) {
    message = std::move(detail);
    return RunFault{error, message.c_str()};
  }

  const Code& code;
  Variables& variables;
  const bool echo;
  InputScript* const script;  // INPUT's lines, when they do not come from the window
  const std::string command_line;  // COMMAND$
  std::string* const transcript;   // where text shown on the text grid is kept too, when set
  std::vector<double> numbers;
  std::vector<RtString> strings;
  RtString* strings_top;  // the next free place
  std::vector<LoopState> loops;
  std::vector<int32_t> gosubs;
  std::size_t gosub_floor = 0;  // RETURN pops no GOSUB of a procedure's caller
  CallStack calls;
  std::string printed;  // this PRINT statement's text, written at its end
  int32_t column = 0;   // the cursor column as PRINT and INPUT left it
  std::vector<double> input_numbers;
  std::vector<std::string> input_texts;
  std::size_t data_next = 0;  // the DATA item READ takes next
  std::string message;        // a run-time error's detail, when it is made at run time
  DrawPen draw_pen;           // DRAW's colour, scale and angle, kept from one DRAW to the next
  PlayVoice play_voice;       // PLAY's octave, length, tempo and style, kept from one PLAY to the next
  ScreenState screen = StartingScreen();
  TextGrid text;                    // the PC's text screen's active page, or a graphics mode's text
  TextPages text_pages;             // the PC's text screen's other pages
  // Files: the run's open files, closed when the machine goes, however
  // the run ended.
  MachineFiles files{*this};
  ErrorTrap trap;             // ON ERROR's handler, and the error it handles
  bool tracing = false;       // TRON: each numbered line's number is printed as it starts
  std::vector<bool> functions_defined;  // a numbered program's DEF FNs run so far, by procedure
  PcMemory memory;  // DEF SEG, PEEK, POKE and the ports: the PC's, emulated
  MouseRecord mouse;                 // the mouse as _MOUSEINPUT last stepped to it
  bool mouse_stepped = false;        // whether _MOUSEINPUT has stepped at all
  EventTraps events;   // ON KEY, ON TIMER, ON PLAY
  SoftKeys soft_keys;  // the function keys' texts and KEY ON's line
  std::optional<double> last_limit;  // the last _LIMIT's mark, in the steady clock's seconds (qb64/frame_limit.h)
};
