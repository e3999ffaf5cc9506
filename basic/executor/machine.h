// The executor's machine: the two operand stacks, the loops' limits and
// steps, the GOSUB stack and the text of the PRINT being built. Whatever
// way a run ends, the machine releases the strings still on its stack.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "basic/basic.h"
#include "basic/code/code.h"
#include "basic/screen/draw_string.h"
#include "basic/screen/screen.h"
#include "basic/variables/variables.h"

struct LoopState {
  double limit;
  double step;
  bool started;  // a NEXT reached by a jump into a loop never started has no limit
};

// Where a run that STOP ended goes on: the instruction after the STOP, with
// the GOSUB returns and the loops as they were.
struct RunState {
  int32_t position = 0;
  std::vector<int32_t> gosubs;
  std::vector<LoopState> loops;
};

class InputScript;

// A procedure's call: where to go back to, and where its caller's saved
// numbers start on the machine's save stack.
struct Frame {
  int32_t call_site;
  int32_t return_position;
  CallWay way;
  std::size_t numbers;
  std::size_t gosub_floor;
};

// The same for strings, arrays, loops and the elements passed by
// reference, kept apart: a call with numbers only saves none of them, and
// its frame stays small.
struct OtherSaves {
  std::size_t strings, arrays, loops, elements;
};

// The calls under way, the values they saved, and scratch room for the
// arguments moving in and out.
struct CallStack {
  std::vector<Frame> frames;
  std::vector<OtherSaves> other_saves;  // one for each frame of a call that is not quick
  std::vector<double> saved_numbers;  // in use up to the top; it only grows
  std::size_t saved_numbers_top = 0;
  std::vector<RtString> saved_strings;
  std::vector<ArrayVariable> saved_arrays;
  std::vector<LoopState> saved_loops;
  std::vector<std::size_t> elements;  // the elements passed by reference
  // Only ever filled and emptied within one call or return.
  double passed_numbers[MaxParameters];
  RtString passed_strings[MaxParameters];
  std::vector<ArrayVariable> passed_arrays;
  std::string error;
};

struct Machine {
  Machine(const Code& code, Variables& variables, const BasicRunOptions& options);
  ~Machine();
  Machine(const Machine&) = delete;
  Machine& operator=(const Machine&) = delete;

  void Push(RtString s) { *strings_top++ = s; }
  RtString Pop() { return *--strings_top; }

  const Code& code;
  Variables& variables;
  const bool echo;
  InputScript* const script;  // INPUT's lines, when they do not come from the window
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
  std::string message;        // a run-time error's text, when it is made at run time
  DrawPen draw_pen;           // DRAW's colour, scale and angle, kept from one DRAW to the next
  ScreenState screen = StartingScreen();
};

// Runs one instruction off the numeric fast path: strings, arrays,
// functions and statements. sp is the number stack's next free place; the
// place after the instruction comes back, and a run-time error's message
// goes to *error (null when there is none).
double* ExecuteStatement(Machine& machine, const Instruction& in, double* sp, const char** error);

// DIM, REDIM, ERASE, READ, RESTORE, SWAP, CLEAR, LBOUND and UBOUND.
const char* VariablesStatement(Machine& machine, const Instruction& in, double*& sp);

// A value as a % variable keeps it: rounded, low 16 bits, signed.
double Integer16(double x);
// A value as a & variable keeps it: rounded into 32 bits, out of range
// -2147483648.
double Integer32(double x);

// Adds text to the PRINT being built, moving the column along.
void Printed(Machine& machine, std::string_view text);

// Calls and returns of procedures, out of the hot loop. The position to go
// on at comes back with the number stack's top, which a call may move when
// it grows the stacks; a position below 0 means calls.error says why not.
struct Resumed {
  double* sp;
  int32_t position;
};
Resumed CallProcedure(Machine& machine, const Instruction& in, int32_t return_position, double* sp);
Resumed ReturnFromProcedure(Machine& machine, double* sp);
// Returns from every call under way, as at an error that ends the run, so
// that the program's variables hold their own values again.
void UnwindProcedures(Machine& machine);

// Writes the PRINT text built so far.
void FlushPrinted(Machine& machine);

// LOCATE, BEEP, SOUND and SLEEP for a key (text_screen.cpp).
const char* ConsoleStatement(Machine& machine, const Instruction& in, double*& sp);

// TAB, SPC, LINE INPUT and the MID$ statement (text_statements.cpp).
const char* TextStatement(Machine& machine, const Instruction& in, double*& sp);

// DRAW, with the command string on the string stack (draw_statement.cpp).
const char* DrawStatement(Machine& machine);
