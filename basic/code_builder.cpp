#include "basic/code_builder.h"

#include <algorithm>
#include <cstring>

namespace {

// The fused form of an arithmetic operator whose right operand was pushed
// by `load`, or op itself when there is none.
Op Fused(Op op, Op load) {
  static const struct {
    Op op, from_variable, from_constant;
  } fusions[] = {
      {Op::Add, Op::AddVariable, Op::AddConstant},
      {Op::Subtract, Op::SubtractVariable, Op::SubtractConstant},
      {Op::Multiply, Op::MultiplyVariable, Op::MultiplyConstant},
      {Op::Divide, Op::DivideVariable, Op::DivideConstant},
  };
  for (const auto& fusion : fusions) {
    if (fusion.op != op) continue;
    if (load == Op::LoadNumber) return fusion.from_variable;
    if (load == Op::PushNumber) return fusion.from_constant;
  }
  return op;
}

}  // namespace

int32_t CodeBuilder::Emit(Op op, int32_t a, int32_t b, int32_t c) {
  // A right operand is never where a statement starts, so no jump lands on
  // the load that the fused instruction replaces.
  if (!code_->instructions.empty()) {
    Instruction& last = code_->instructions.back();
    const Op fused = Fused(op, last.op);
    if (fused != op) {
      last.op = fused;
      numbers_ -= 1;
      return Here() - 1;
    }
  }
  const Instruction instruction{op, a, b, c};
  const StackEffect effect = EffectOf(instruction);
  numbers_ = std::max(0, numbers_ - effect.numbers_taken) + effect.numbers_left;
  strings_ = std::max(0, strings_ - effect.strings_taken) + effect.strings_left;
  code_->number_stack = std::max(code_->number_stack, numbers_);
  code_->string_stack = std::max(code_->string_stack, strings_);
  code_->instructions.push_back(instruction);
  code_->lines.push_back(line_);
  return Here() - 1;
}

int32_t CodeBuilder::EmitNumber(double value) {
  uint64_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  const auto [entry, added] = number_index_.emplace(bits, static_cast<int32_t>(code_->numbers.size()));
  if (added) code_->numbers.push_back(value);
  return Emit(Op::PushNumber, entry->second);
}

int32_t CodeBuilder::StringConstant(const std::string& bytes) {
  code_->strings.push_back(bytes);
  return static_cast<int32_t>(code_->strings.size()) - 1;
}

int32_t CodeBuilder::EmitString(const std::string& bytes) { return Emit(Op::PushString, StringConstant(bytes)); }

void CodeBuilder::PatchJump(int32_t position, int32_t target) {
  Instruction& instruction = code_->instructions[static_cast<std::size_t>(position)];
  const bool loop = instruction.op == Op::ForStart || instruction.op == Op::ForStartInteger ||
                    instruction.op == Op::ForNext || instruction.op == Op::ForNextInteger;
  (loop ? instruction.c : instruction.a) = target;
}
