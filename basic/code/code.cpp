#include "basic/code/code.h"

#include "basic/builtins/builtins.h"

namespace {

#define BASIC_OP_NAME(name, ...) #name,
constexpr const char* OpNames[] = {BASIC_INSTRUCTIONS(BASIC_OP_NAME, BASIC_OP_NAME)};
#undef BASIC_OP_NAME

#define BASIC_OP_OPERANDS(name, numbers_taken, numbers_left, strings_taken, strings_left, operands) operands,
constexpr const char* Operands[] = {BASIC_INSTRUCTIONS(BASIC_OP_OPERANDS, BASIC_OP_OPERANDS)};
#undef BASIC_OP_OPERANDS

}  // namespace

const char* OpName(Op op) { return OpNames[static_cast<uint8_t>(op)]; }
const char* OpOperands(Op op) { return Operands[static_cast<uint8_t>(op)]; }

// Subscripts are at most three and a call's arguments at most 40, so every
// count fits the effect's bytes.
StackEffect EffectOf(const Instruction& in) {
  switch (in.op) {
#define BASIC_OP_EFFECT(name, numbers_taken, numbers_left, strings_taken, strings_left, operands) \
  case Op::name:                                                                                    \
    return StackEffect{int8_t(numbers_taken), int8_t(numbers_left), int8_t(strings_taken), int8_t(strings_left)};
    BASIC_INSTRUCTIONS(BASIC_OP_EFFECT, BASIC_OP_EFFECT)
#undef BASIC_OP_EFFECT
  }
  return StackEffect{0, 0, 0, 0};
}
