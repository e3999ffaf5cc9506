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

#include "basic/code/instructions.h"
#include "basic/procedures/procedure.h"
#include "basic/records/record_types.h"

// One enumerator per instruction of instructions.h, in its order.
enum class Op : uint8_t {
#define BASIC_OP_ENUM(name, ...) name,
  BASIC_INSTRUCTIONS(BASIC_OP_ENUM, BASIC_OP_ENUM)
#undef BASIC_OP_ENUM
};

// How many instructions there are; the executor's table holds one handler each.
#define BASIC_OP_COUNT(name, ...) +1
inline constexpr int OpCount = 0 BASIC_INSTRUCTIONS(BASIC_OP_COUNT, BASIC_OP_COUNT);
#undef BASIC_OP_COUNT
static_assert(OpCount <= 256, "an instruction's op is one byte");

// The instruction's name as the list writes it ("PushNumber").
const char* OpName(Op op);
// What its operands a, b and c hold: a letter each, as the list writes them.
const char* OpOperands(Op op);

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
  std::string file;      // the included file it came from; empty for the program's own
};

// A DIM whose bounds are numbers written in the text, the only DIM of its
// array outside procedures: it declares the array, which has those bounds
// from the start of the run, even where a jump passes the DIM by.
struct ArrayDeclaration {
  int32_t slot;
  int32_t given_lower;         // as Op::Dim's c
  std::vector<double> bounds;  // as Op::Dim finds them on the stack
};

// A statement's instructions, from start up to end; a statement that holds
// others (a one-line IF) holds their ranges too. After a trapped error,
// RESUME runs the failed statement again from its start and RESUME NEXT
// goes on at its end.
struct StatementRange {
  int32_t start, end;
};

// How deep each stack is below a call's arguments, counted from the start
// of the statement that calls: the callee's statements start there.
struct StackDepth {
  int32_t numbers = 0, strings = 0;
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
  std::vector<std::vector<ValueKind>> input_forms;  // per INPUT: each field's kind
  std::vector<DataItem> data;                  // every DATA item of the program, in text order
  std::vector<ArrayDeclaration> declarations;
  std::vector<Procedure> procedures;
  std::vector<CallSite> call_sites;
  std::vector<StackDepth> call_depths;         // by call site
  std::vector<StatementRange> statements;      // by start, the outer of two alike first
  std::vector<RecordLayout> record_layouts;  // the whole records GET and PUT move
  int32_t loop_count = 0;                      // FOR statements, each with its limit and step
  int32_t number_stack = 0;                    // deepest use of each stack
  int32_t string_stack = 0;
};

// How many numbers and strings an instruction takes off and puts on.
struct StackEffect {
  int8_t numbers_taken, numbers_left, strings_taken, strings_left;
};
StackEffect EffectOf(const Instruction& in);

// How many lower bounds a DIM's flags say were given.
inline int32_t LowerBoundsGiven(int32_t flags) { return (flags & 1) + (flags >> 1 & 1) + (flags >> 2 & 1); }
