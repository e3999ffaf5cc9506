// The compact form a checked program runs in: a flat array of instructions
// for a machine with two operand stacks, one of doubles and one of strings.
//
// Every operand is resolved before the run: a variable is a slot, a jump a
// position, a constant an index into the program's tables. Each statement
// leaves both stacks empty, so the deepest each stack gets is known when the
// program is built.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "basic/procedures/procedure.h"

enum class Op : uint8_t {
  // Numbers. a: constant index or variable slot.
  PushNumber,
  LoadNumber,
  StoreNumber,
  StoreInteger,  // rounds, then keeps the low 16 bits as a signed number
  Add,
  Subtract,
  Multiply,
  Divide,
  // The same with the right operand a variable's or a constant's, fused
  // with the load that would have pushed it.
  AddVariable,
  SubtractVariable,
  MultiplyVariable,
  DivideVariable,
  AddConstant,
  SubtractConstant,
  MultiplyConstant,
  DivideConstant,
  // And with the left operand a variable's too: a: variable, b: the right
  // operand's constant or variable; the result is pushed.
  VariableAddConstant,
  VariableSubtractConstant,
  VariableMultiplyConstant,
  VariableDivideConstant,
  VariableAddVariable,
  VariableSubtractVariable,
  VariableMultiplyVariable,
  VariableDivideVariable,
  Power,
  Negate,
  IntegerDivide,
  Modulo,
  And,
  Or,
  Xor,
  Not,
  Equal,
  NotEqual,
  Less,
  Greater,
  LessEqual,
  GreaterEqual,
  Pop,
  // Strings. a: string constant index or variable slot.
  PushString,
  LoadString,
  StoreString,
  Concat,
  CompareStrings,  // a: the comparison, as Op::Equal ... Op::GreaterEqual
  // A built-in function on the stacks' top operands. a: its row in the
  // table of built-ins.
  CallBuiltin,
  // Arrays. a: array slot, b: number of subscripts, below the value to store.
  LoadElement,
  StoreElement,
  StoreIntegerElement,
  LoadStringElement,
  StoreStringElement,
  Dim,  // c: a bit per dimension given as "lo TO hi"; the others have only their upper bound
  // Control. a: target position unless said otherwise.
  Jump,
  JumpIfFalse,
  JumpIfTrue,
  Gosub,
  Return,
  OnGoto,   // a: the number of Jumps after it, one per target
  OnGosub,
  ForStart,        // a: variable, b: loop, c: position after the loop
  ForStartInteger,
  ForNext,         // a: variable, b: loop, c: first position of the body
  ForNextInteger,
  End,
  Stop,  // ends the run; in the direct mode CONT goes on after it
  // Procedures. a: call site; b, c: the numbers and strings its arguments
  // left on the stacks.
  CallSub,
  CallFunction,
  CallStringFunction,
  ReturnFromProcedure,
  // Statements.
  Cls,
  Line,    // a: STEP, b: box mode, c: 1 when the fill colour is the colour
  Circle,  // a: F, c: 1 when the fill colour is the colour
  Pset,
  PrintNumber,
  PrintString,
  PrintComma,
  PrintNewline,
  PrintFlush,
  Input,             // a: input form, b: prompt string or -1, c: 1 adds "? "
  InputFieldNumber,  // a: field
  InputFieldString,
  Randomize,
  Sleep,
  PrintTab,        // to the column on the stack, counted from 1
  PrintSpc,        // as many spaces as the stack says
  LineInput,       // a: prompt string or -1; pushes the line read
  MidAssign,       // a: string slot or array slot, b: subscripts (0: a variable), c: 1 with a count
  // Types and data.
  StoreLong,         // rounds into 32 bits
  StoreLongElement,
  ForStartLong,
  ForNextLong,
  Redim,             // as Dim, making the array anew
  Erase,             // a: array slot
  ReadNumber,        // pushes the next DATA item
  ReadString,
  Restore,           // a: the DATA item read next
  SwapNumbers,       // a, b: the two variables' slots; c: their subscripts, a's + 4 * b's
  SwapStrings,
  Clear,
  Bound,  // a: array slot, b: 1 for the upper bound; the dimension is on the stack
  Draw,   // the command string on the stack
  // The text screen, keys and sound.
  Locate,  // row and column on the stack, 0 when left out; a: 1 when the row was written, + 2 the column
  Beep,
  Sound,   // frequency, duration in clock ticks
  SleepForKey,
  Screen,  // SCREEN, COLOR, PALETTE, PAINT, WINDOW, POINT: see screen_statements.h
};

struct Instruction {
  Op op;
  int32_t a = 0;
  int32_t b = 0;
  int32_t c = 0;
};

// One item of a DATA statement, as written.
struct DataItem {
  std::string text;
  bool quoted;
  int32_t line;  // the DATA's line, for messages: its line number where it has one
};

// A line of the program's text, as messages name it.
struct ProgramLine {
  int32_t reported = 0;  // the line number messages give (the direct mode's BASIC number)
  int32_t number = -1;   // the BASIC line number it starts with, -1 when none
  int32_t start = 0;     // its first instruction
  std::string text;
};

// A DIM whose bounds are numbers written in the text, the only DIM of its
// array outside procedures: it declares the array, which has those bounds
// from the start of the run, even where a jump passes the DIM by.
struct ArrayDeclaration {
  int32_t slot;
  int32_t given_lower;         // as Op::Dim's c
  std::vector<double> bounds;  // as Op::Dim finds them on the stack
};

struct Code {
  std::string file;
  std::vector<Instruction> instructions;  // ends with End
  std::vector<int32_t> lines;             // each instruction's line: 1 + its index in source
  std::vector<int32_t> columns;           // and the column its statement starts at (0: none)
  std::vector<ProgramLine> source;
  // Messages add "(line N)" for a line with a number; not where the line
  // they name already is that number (the direct mode's stored program).
  bool messages_add_numbers = true;
  std::vector<double> numbers;
  std::vector<std::string> strings;
  std::vector<std::vector<bool>> input_forms;  // per INPUT: true where a field is a string
  std::vector<DataItem> data;                  // every DATA item of the program, in text order
  std::vector<ArrayDeclaration> declarations;
  std::vector<Procedure> procedures;
  std::vector<CallSite> call_sites;
  int32_t loop_count = 0;                      // FOR statements, each with its limit and step
  int32_t number_stack = 0;                    // deepest use of each stack
  int32_t string_stack = 0;
};

// How many numbers and strings an instruction takes off and puts on.
struct StackEffect {
  int8_t numbers_taken, numbers_left, strings_taken, strings_left;
};
StackEffect EffectOf(const Instruction& instruction);
