// Blocks: IF (one-line and block form), FOR/NEXT, WHILE/WEND, DO/LOOP and
// EXIT, and the stack of open blocks that SELECT CASE and the procedures
// share. Each closer must meet the block it closes on top, so blocks nest
// properly; whatever is still open at the end of the text is an error.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "basic/variables/variables.h"

struct Compiler;
struct Token;

enum class BlockKind : uint8_t { For, While, Do, If, Sub, Function, Def, Select };

struct Block {
  BlockKind kind;
  int32_t line;    // where it opened, for the error if it never closes
  int32_t column;
  std::vector<int32_t> exits;  // EXIT FOR, EXIT DO and IF branch ends to patch
  // FOR
  int32_t variable = 0;
  ValueKind variable_kind = ValueKind::Single;
  std::string name;
  int32_t start = 0;  // ForStart, or the top of a WHILE or DO
  // WHILE, DO WHILE/UNTIL at the top, and IF: the jump taken when false.
  int32_t pending = -1;
  bool seen_else = false;
  bool rejected = false;  // opened on a line with an error: never reported as left open
  // SELECT CASE: the selector's slot is variable; CASE lines seen so far.
  bool string_selector = false;
  int32_t cases = 0;
};

// Opens a block at its first token.
Block& OpenBlock(Compiler& c, BlockKind kind, const Token& at);
// The block a closer at `at` closes: the innermost, which must be of its
// kind and must not have been opened before the one-line IF being
// compiled; otherwise the message, naming the block that is open instead.
Block& Innermost(Compiler& c, BlockKind kind, const Token& at, const char* message);
// "FOR", "SELECT CASE": a block's name in messages.
const char* BlockName(BlockKind kind);

// Each at its first word.
void CompileIf(Compiler& c);
void CompileElseIf(Compiler& c);
void CompileElse(Compiler& c);
void CompileEndIf(Compiler& c);
void CompileFor(Compiler& c);
void CompileNext(Compiler& c);
void CompileWhile(Compiler& c);
void CompileWend(Compiler& c);
void CompileDo(Compiler& c);
void CompileLoop(Compiler& c);
void CompileExit(Compiler& c);
