// Writes instructions into a Code: constants interned, jumps patched, and
// the depth of both stacks followed so that the executor can size them once.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>

#include "basic/code/code.h"

class CodeBuilder {
 public:
  explicit CodeBuilder(Code* code) : code_(code) {}

  // Appends an instruction for the given source line; returns its position.
  int32_t Emit(Op op, int32_t a = 0, int32_t b = 0, int32_t c = 0);
  int32_t EmitNumber(double value);
  int32_t EmitString(const std::string& bytes);
  int32_t StringConstant(const std::string& bytes);
  int32_t NumberConstant(double value);
  // Drops the instructions from position on (a CONST's, once computed).
  void Truncate(int32_t position);
  // The position the next instruction will take.
  int32_t Here() const { return static_cast<int32_t>(code_->instructions.size()); }
  // Points the jump at `position` (operand a, or c for the FOR instructions).
  void PatchJump(int32_t position, int32_t target);
  void SetLine(int32_t line) {
    line_ = line;
    column_ = 0;
  }
  // The column of the statement the next instructions belong to.
  void SetColumn(int32_t column) { column_ = column; }
  // Statements start with empty stacks; after an error the count is stale.
  void ResetDepth() { numbers_ = strings_ = 0; }
  int32_t NewLoop() { return code_->loop_count++; }
  // The statement that started at `start` ends here (code.h's ranges).
  void EndStatement(int32_t start) { code_->statements.push_back(StatementRange{start, Here()}); }
  // Once every statement is in: the ranges in the order the executor
  // searches them.
  void SortStatements();

 private:
  void NoteCallDepth(int32_t call_site, int32_t arguments, int32_t strings);

  Code* code_;
  int32_t line_ = 0;
  int32_t column_ = 0;
  int32_t numbers_ = 0;
  int32_t strings_ = 0;
  std::unordered_map<uint64_t, int32_t> number_index_;
};
