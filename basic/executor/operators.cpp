// The operators that run out of the executor's loop: the integer ones
// (\, MOD, AND, OR, XOR, NOT), on 32-bit integers, and those of strings.
#include <cstdint>
#include <limits>

#include "basic/executor/machine.h"
#include "basic/executor/statements.h"
#include "basic/executor/string_values.h"
#include "basic/variables/variables.h"
#include "runtime/numeric/numeric.h"

namespace {

// The two operands as 32-bit integers, taken off the stack but for the
// place their result goes; false when one is beyond a LONG's range.
struct IntegerOperands {
  int64_t left, right;
};

bool TakeIntegers(double*& sp, IntegerOperands* operands) {
  --sp;
  double left, right;
  if (!KeepLong(sp[-1], &left) || !KeepLong(sp[0], &right)) return false;
  *operands = IntegerOperands{static_cast<int64_t>(left), static_cast<int64_t>(right)};
  return true;
}

constexpr RunFault Overflow{RunError::Overflow};

bool Compared(Op relation, int32_t order) {
  // order: 1 less, 2 equal, 3 greater, 0 when the comparison failed.
  switch (relation) {
    case Op::Equal: return order == 2;
    case Op::NotEqual: return order != 2;
    case Op::Less: return order == 1;
    case Op::Greater: return order == 3;
    case Op::LessEqual: return order == 1 || order == 2;
    case Op::GreaterEqual: return order == 2 || order == 3;
    default: return false;
  }
}

}  // namespace

RunFault RunIntegerDivide(Machine&, const Instruction&, double*& sp) {
  IntegerOperands operands;
  if (!TakeIntegers(sp, &operands)) return Overflow;
  if (operands.right == 0) return RunFault{RunError::DivisionByZero};
  sp[-1] = static_cast<double>(operands.left / operands.right);
  return {};
}

RunFault RunModulo(Machine&, const Instruction&, double*& sp) {
  IntegerOperands operands;
  if (!TakeIntegers(sp, &operands)) return Overflow;
  if (operands.right == 0) return RunFault{RunError::DivisionByZero};
  sp[-1] = static_cast<double>(operands.left % operands.right);
  return {};
}

RunFault RunAnd(Machine&, const Instruction&, double*& sp) {
  IntegerOperands operands;
  if (!TakeIntegers(sp, &operands)) return Overflow;
  sp[-1] = static_cast<double>(operands.left & operands.right);
  return {};
}

RunFault RunOr(Machine&, const Instruction&, double*& sp) {
  IntegerOperands operands;
  if (!TakeIntegers(sp, &operands)) return Overflow;
  sp[-1] = static_cast<double>(operands.left | operands.right);
  return {};
}

RunFault RunXor(Machine&, const Instruction&, double*& sp) {
  IntegerOperands operands;
  if (!TakeIntegers(sp, &operands)) return Overflow;
  sp[-1] = static_cast<double>(operands.left ^ operands.right);
  return {};
}

// a EQV b: the bits where both agree; a IMP b: those where a is clear or b
// is set. Both work on 32 bits and give a signed result.
RunFault RunEqv(Machine&, const Instruction&, double*& sp) {
  IntegerOperands operands;
  if (!TakeIntegers(sp, &operands)) return Overflow;
  sp[-1] = static_cast<double>(static_cast<int32_t>(~(operands.left ^ operands.right)));
  return {};
}

RunFault RunImp(Machine&, const Instruction&, double*& sp) {
  IntegerOperands operands;
  if (!TakeIntegers(sp, &operands)) return Overflow;
  sp[-1] = static_cast<double>(static_cast<int32_t>(~operands.left | operands.right));
  return {};
}

RunFault RunNot(Machine&, const Instruction&, double*& sp) {
  double value;
  if (!KeepLong(sp[-1], &value)) return Overflow;
  sp[-1] = static_cast<double>(~static_cast<int32_t>(value));
  return {};
}

RunFault RunPushString(Machine& machine, const Instruction& in, double*&) {
  machine.Push(NewString(machine.code.strings[static_cast<std::size_t>(in.a)]));
  return {};
}

RunFault RunLoadString(Machine& machine, const Instruction& in, double*&) {
  machine.Push(NewString(BytesOf(machine.variables.strings[static_cast<std::size_t>(in.a)])));
  return {};
}

RunFault RunStoreString(Machine& machine, const Instruction& in, double*&) {
  RtString& variable = machine.variables.strings[static_cast<std::size_t>(in.a)];
  ReleaseString(variable);
  variable = machine.Pop();
  return {};
}

RunFault RunConcat(Machine& machine, const Instruction&, double*&) {
  RtString* const top = machine.strings_top;
  // Checked before the runtime would end the process over it.
  if (int64_t{StringLength(top[-2])} + StringLength(top[-1]) > std::numeric_limits<int32_t>::max()) {
    return RunFault{RunError::StringTooLong};
  }
  RtString right = machine.Pop();
  RtString left = machine.Pop();
  machine.Push(ConcatStrings(left, right));
  return {};
}

RunFault RunAppendString(Machine& machine, const Instruction& in, double*&) {
  RtString& variable = machine.variables.strings[static_cast<std::size_t>(in.a)];
  if (int64_t{StringLength(variable)} + StringLength(machine.strings_top[-1]) > std::numeric_limits<int32_t>::max()) {
    return RunFault{RunError::StringTooLong};
  }
  variable = ConcatStrings(variable, machine.Pop());
  return {};
}

RunFault RunCompareStrings(Machine& machine, const Instruction& in, double*& sp) {
  RtString right = machine.Pop();
  RtString left = machine.Pop();
  *sp++ = Compared(static_cast<Op>(in.a), CompareStrings(left, right)) ? -1.0 : 0.0;
  return {};
}
