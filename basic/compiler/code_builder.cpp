#include "basic/compiler/code_builder.h"

#include <algorithm>
#include <cstring>

namespace {

struct Fusion {
  Op op;
  Op right_variable, right_constant;  // the right operand fused
  Op both_variable, both_constant;    // and the left one, a variable, too
};
constexpr Fusion Fusions[] = {
    {Op::Add, Op::AddVariable, Op::AddConstant, Op::VariableAddVariable, Op::VariableAddConstant},
    {Op::Subtract, Op::SubtractVariable, Op::SubtractConstant, Op::VariableSubtractVariable,
     Op::VariableSubtractConstant},
    {Op::Multiply, Op::MultiplyVariable, Op::MultiplyConstant, Op::VariableMultiplyVariable,
     Op::VariableMultiplyConstant},
    {Op::Divide, Op::DivideVariable, Op::DivideConstant, Op::VariableDivideVariable, Op::VariableDivideConstant},
};

const Fusion* FusionOf(Op op) {
  for (const Fusion& fusion : Fusions) {
    if (fusion.op == op) return &fusion;
  }
  return nullptr;
}

}  // namespace

// An arithmetic operator whose right operand was just loaded takes the
// load's place; when the left operand was loaded just before, the two
// become one instruction that pushes the result. Operands are never where a
// statement starts, so no jump lands on an instruction that fusing removes.
int32_t CodeBuilder::Emit(Op op, int32_t a, int32_t b, int32_t c) {
  std::vector<Instruction>& instructions = code_->instructions;
  const Fusion* fusion = FusionOf(op);
  const std::size_t count = instructions.size();
  const bool loaded = count >= 1 && (instructions[count - 1].op == Op::LoadNumber ||
                                     instructions[count - 1].op == Op::PushNumber);
  if (fusion && loaded) {
    Instruction& right = instructions[count - 1];
    const bool variable = right.op == Op::LoadNumber;
    numbers_ -= 1;
    if (count >= 2 && instructions[count - 2].op == Op::LoadNumber) {
      Instruction& left = instructions[count - 2];
      left = Instruction{variable ? fusion->both_variable : fusion->both_constant, left.a, right.a};
      instructions.pop_back();
      code_->lines.pop_back();
      code_->columns.pop_back();
    } else {
      right.op = variable ? fusion->right_variable : fusion->right_constant;
    }
    return Here() - 1;
  }
  const Instruction instruction{op, a, b, c};
  const StackEffect effect = EffectOf(instruction);
  if (op == Op::CallSub || op == Op::CallFunction || op == Op::CallStringFunction) NoteCallDepth(a, b, c);
  numbers_ = std::max(0, numbers_ - effect.numbers_taken) + effect.numbers_left;
  strings_ = std::max(0, strings_ - effect.strings_taken) + effect.strings_left;
  code_->number_stack = std::max(code_->number_stack, numbers_);
  code_->string_stack = std::max(code_->string_stack, strings_);
  instructions.push_back(instruction);
  code_->lines.push_back(line_);
  code_->columns.push_back(column_);
  return Here() - 1;
}

int32_t CodeBuilder::NumberConstant(double value) {
  uint64_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  const auto [entry, added] = number_index_.emplace(bits, static_cast<int32_t>(code_->numbers.size()));
  if (added) code_->numbers.push_back(value);
  return entry->second;
}

int32_t CodeBuilder::EmitNumber(double value) { return Emit(Op::PushNumber, NumberConstant(value)); }

void CodeBuilder::Truncate(int32_t position) {
  std::vector<StatementRange>& statements = code_->statements;
  while (!statements.empty() && statements.back().end > position) statements.pop_back();
  code_->instructions.resize(static_cast<std::size_t>(position));
  code_->lines.resize(static_cast<std::size_t>(position));
  code_->columns.resize(static_cast<std::size_t>(position));
}

int32_t CodeBuilder::StringConstant(const std::string& bytes) {
  code_->strings.push_back(bytes);
  return static_cast<int32_t>(code_->strings.size()) - 1;
}

int32_t CodeBuilder::EmitString(const std::string& bytes) { return Emit(Op::PushString, StringConstant(bytes)); }

void CodeBuilder::PatchJump(int32_t position, int32_t target) {
  Instruction& instruction = code_->instructions[static_cast<std::size_t>(position)];
  // The FOR instructions hold their variable in a; their target is c.
  const bool loop = OpOperands(instruction.op)[2] == 'j';
  (loop ? instruction.c : instruction.a) = target;
}

void CodeBuilder::NoteCallDepth(int32_t call_site, int32_t arguments, int32_t strings) {
  std::vector<StackDepth>& depths = code_->call_depths;
  const auto site = static_cast<std::size_t>(call_site);
  if (depths.size() <= site) depths.resize(site + 1);
  depths[site] = StackDepth{std::max(0, numbers_ - arguments), std::max(0, strings_ - strings)};
}

void CodeBuilder::SortStatements() {
  std::stable_sort(code_->statements.begin(), code_->statements.end(),
                   [](const StatementRange& x, const StatementRange& y) {
                     return x.start != y.start ? x.start < y.start : x.end > y.end;
                   });
}
