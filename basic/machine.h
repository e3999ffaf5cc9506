// The executor's machine: the two operand stacks, the loops' limits and
// steps, the GOSUB stack and the text of the PRINT being built. Whatever
// way a run ends, the machine releases the strings still on its stack.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "basic/basic.h"
#include "basic/code.h"
#include "basic/variables.h"

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
  std::string printed;  // this PRINT statement's text, written at its end
  int32_t column = 0;   // the cursor column as PRINT and INPUT left it
  std::vector<double> input_numbers;
  std::vector<std::string> input_texts;
  std::size_t data_next = 0;  // the DATA item READ takes next
  std::string message;        // a run-time error's text, when it is made at run time
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
// Writes the PRINT text built so far.
void FlushPrinted(Machine& machine);

// TAB, SPC, LINE INPUT and the MID$ statement (text_statements.cpp).
const char* TextStatement(Machine& machine, const Instruction& in, double*& sp);
