// Programs whose lines all carry line numbers run as the classic
// line-numbered BASIC ran them: a line that does not compile is a warning
// before the run and an error (Syntax error) only when the run reaches it,
// a jump to a line that is not there fails only when taken (Undefined line
// number), and of a line number given twice the later line stands, in the
// place of the first. Programs without line numbers are checked whole.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "basic/compiler/compile_blocks.h"

struct Compiler;
struct CompileError;
struct PendingJump;

// Whether every line holding more than a comment starts with a line number
// (comment lines may stand between them).
bool IsNumberedProgram(const std::vector<std::string_view>& lines);

// The later of two lines with one number takes the earlier's place, which
// the later one leaves empty.
void KeepLaterDuplicates(std::vector<std::string_view>* lines);

// What compiling a line may change that a failed line must give back.
struct LineStart {
  int32_t position;
  std::vector<Block> blocks;
  std::size_t data, declarations;
  int32_t procedure;
};
LineStart MarkLineStart(const Compiler& c);

// The failed line becomes one instruction that fails with Syntax error,
// reported as a warning; false when it cannot be undone (a procedure it
// began or ended), and the error stays an error.
bool KeepFailedLine(Compiler& c, const LineStart& start, const CompileError& error);

// A jump to a line number no line has fails when taken; false for a label.
bool FailWhenTaken(Compiler& c, const PendingJump& jump);
