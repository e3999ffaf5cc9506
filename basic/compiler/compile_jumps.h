// GOTO, GOSUB and ON n GOTO/GOSUB: jumps to a line number or a label. A
// jump is written before its target may be known; it waits as a
// PendingJump until the whole text has been read, then is pointed at its
// target, or reported as going nowhere.
#pragma once

#include <cstdint>
#include <string>

#include "basic/code/code.h"

struct Compiler;
struct Token;

struct PendingJump {
  int32_t position;
  std::string label;
  int32_t line;
  int32_t column;
  bool to_data = false;  // RESTORE: patched with the first DATA item at or after the label
};

// GOTO target and GOSUB target, after their word: op is Jump or Gosub.
void CompileJump(Compiler& c, Op op);
// ON n GOTO|GOSUB target, ...
void CompileOn(Compiler& c);
// A line number or a label name, as written.
std::string ReadTarget(Compiler& c);
// The instruction at position jumps to the label, once it is known.
void AddJump(Compiler& c, int32_t position, const Token& at, std::string label);
